#include "app/ProgramExit.h"

#include "app/Forms.h"

#include <QTimer>
#include <QWidget>

ProgramExit::ProgramExit(Forms& forms) : QObject(&forms), m_forms(forms)
{
    connect(&forms, &Forms::windowUnloaded, this, [this] { checkSoon(); });
    // A window that deletes itself when closed leaves the registry without an unload.
    connect(&forms, &Forms::windowLoaded, this, [this](const QString& name) {
        if (QWidget* window = m_forms.find(name))
            connect(window, &QObject::destroyed, this, [this] { checkSoon(); });
    });
}

void ProgramExit::checkSoon()
{
    if (m_checkPending || m_ended)
        return;
    m_checkPending = true;
    QTimer::singleShot(0, this, [this] { check(); });
}

void ProgramExit::check()
{
    m_checkPending = false;
    if (m_ended || !m_forms.loadedNames().isEmpty())
        return;
    m_ended = true;
    emit ended();
}
