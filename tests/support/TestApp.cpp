#include "support/TestApp.h"

#include "app/WindowCatalog.h"

#include <QCoreApplication>
#include <QEvent>

TestApp::TestApp(const QDateTime& now) : m_clock(now)
{
    m_context = std::make_unique<AppContext>(m_folder.database(), m_messages, m_clock, m_session,
                                             m_folder.path());
    m_context->setRandom(&m_random);
    registerAllWindows(m_context->forms());
}

TestApp::~TestApp()
{
    m_context->forms().unloadAll();
    settle();
    m_context.reset();
    settle();
}

void TestApp::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}
