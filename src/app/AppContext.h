#pragma once

#include <QRandomGenerator>
#include <QString>

#include <memory>

class Clock;
class Database;
class Forms;
class Messages;
class ProgramExit;
class Session;

// The services every window is handed: the database, the message boxes, the
// clock, the session and the window registry, and where the program folder is.
class AppContext final {
public:
    AppContext(Database& database, Messages& messages, Clock& clock, Session& session,
               QString programFolder);
    ~AppContext();
    Q_DISABLE_COPY_MOVE(AppContext)

    Database& database() const { return m_database; }
    Messages& messages() const { return m_messages; }
    Clock& clock() const { return m_clock; }
    Session& session() const { return m_session; }
    Forms& forms() const { return *m_forms; }
    // Tells when the program has ended: no window is left loaded.
    ProgramExit& programExit() const { return *m_programExit; }
    // The executable's folder: help and flash pages lie there.
    const QString& programFolder() const { return m_programFolder; }

    // Draws for the tip of the day; tests hand in a seeded generator.
    QRandomGenerator& random() const { return *m_random; }
    void setRandom(QRandomGenerator* random) { m_random = random; }

private:
    Database& m_database;
    Messages& m_messages;
    Clock& m_clock;
    Session& m_session;
    QString m_programFolder;
    std::unique_ptr<Forms> m_forms;
    ProgramExit* m_programExit; // owned by m_forms
    QRandomGenerator* m_random;
};
