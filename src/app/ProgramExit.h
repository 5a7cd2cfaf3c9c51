#pragma once

#include <QObject>

class Forms;

// The program ends once no window is left loaded. After each unload this waits
// for the event loop to come round (a command may unload one window and load
// the next) and, if nothing is loaded then, tells whoever listens: the real
// program quits; tests watch the signal.
class ProgramExit final : public QObject {
    Q_OBJECT

public:
    explicit ProgramExit(Forms& forms);

    bool hasEnded() const { return m_ended; }

signals:
    void ended();

private:
    void checkSoon();
    void check();

    Forms& m_forms;
    bool m_checkPending = false;
    bool m_ended = false;
};
