#pragma once

#include "app/AppContext.h"
#include "app/Forms.h"
#include "core/Clock.h"
#include "core/Session.h"
#include "support/RecordingMessages.h"
#include "support/TempProgramFolder.h"

#include <QRandomGenerator>

#include <memory>

// Everything a window test needs: a temporary program folder with a fresh
// database, the recording messages, a fixed clock (5 January 2006, 10:00 unless
// set), the session and the registry with every window registered.
class TestApp final {
public:
    explicit TestApp(const QDateTime& now = QDateTime(QDate(2006, 1, 5), QTime(10, 0)));
    ~TestApp();
    Q_DISABLE_COPY_MOVE(TestApp)

    AppContext& context() { return *m_context; }
    Forms& forms() { return m_context->forms(); }
    RecordingMessages& messages() { return m_messages; }
    FixedClock& clock() { return m_clock; }
    Session& session() { return m_session; }
    Database& database() { return m_folder.database(); }
    TempProgramFolder& folder() { return m_folder; }

    // Finds a loaded window's control by its objectName.
    template <class T> T* control(const QString& window, const QString& name)
    {
        QWidget* w = forms().find(window);
        return w ? w->findChild<T*>(name) : nullptr;
    }

    // Lets deferred deletions and queued calls run.
    static void settle();

private:
    TempProgramFolder m_folder;
    RecordingMessages m_messages;
    FixedClock m_clock;
    Session m_session;
    QRandomGenerator m_random{20061};
    std::unique_ptr<AppContext> m_context;
};
