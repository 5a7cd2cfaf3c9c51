#include "app/Intro.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/MainModule.h"
#include "core/Messages.h"
#include "data/AccountStore.h"

#include <QCloseEvent>
#include <QFrame>
#include <QSvgWidget>
#include <QTimer>
#include <QVBoxLayout>

Intro::Intro(AppContext& context, QWidget* parent) : QWidget(parent), m_context(context)
{
    setWindowTitle(QStringLiteral("Intro"));
    resize(640, 420);

    // The intro picture stands where a movie once played.
    auto* movie = new QSvgWidget(QStringLiteral(":/images/intro.svg"), this);
    movie->setObjectName(QStringLiteral("ShockwaveFlash1"));
    movie->setAccessibleName(QStringLiteral("Intro picture"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(2);
    for (int i = 1; i <= 2; ++i) {
        auto* line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line%1").arg(i));
        line->setFrameShape(QFrame::HLine);
        layout->addWidget(line);
    }
    layout->addWidget(movie, 1);
    for (int i = 3; i <= 4; ++i) {
        auto* line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line%1").arg(i));
        line->setFrameShape(QFrame::HLine);
        layout->addWidget(line);
    }

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void Intro::formLoad()
{
    mainmodule::centerOnScreen(this);
    show();
    setCursor(Qt::WaitCursor);
    m_timer->start(introMs);
    unsetCursor();
}

void Intro::Timer1_Timer()
{
    m_timer->stop();
    Forms& forms = m_context.forms();
    AccountStore store(m_context.database());
    auto count = store.count();
    if (!count) {
        // Without a readable database start-up cannot go on.
        m_context.messages().inform(count.error(), MessageIcon::Critical);
        forms.unload(QStringLiteral("Intro"));
        return;
    }
    if (count.value() == 0)
        forms.show(QStringLiteral("disclaimer"));
    else
        forms.show(QStringLiteral("Login"));
    forms.unload(QStringLiteral("Intro"));
}

void Intro::closeEvent(QCloseEvent* event)
{
    // Closing the intro early moves on, as the timer would.
    event->ignore();
    if (m_timer->isActive())
        QTimer::singleShot(0, this, [this] { Timer1_Timer(); });
}
