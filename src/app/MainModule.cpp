#include "app/MainModule.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "app/HelpViewer.h"
#include "app/MainProgram.h"

#include <QScreen>
#include <QWidget>

namespace {

// The reminder switch of the preferences dialog; one for the whole run.
int g_popupSwitch = 0;

} // namespace

namespace mainmodule {

void endProgram(AppContext& context)
{
    Forms& forms = context.forms();
    if (auto* main = forms.find<MainProgram>(QStringLiteral("MainProgram")))
        main->killme();
    else
        runExitSteps(forms);
}

void runExitSteps(Forms& forms)
{
    const QStringList order = {
        QStringLiteral("Intro"),
        QStringLiteral("popupMsg"),
        QStringLiteral("Login"),
        QStringLiteral("disclaimer"),
        QStringLiteral("FirstAccountInfo"),
        QStringLiteral("frmAbout"),
        QStringLiteral("frmloginHelp"),
        HelpViewer::windowName(),
        QStringLiteral("MainProgram"),
    };
    for (const QString& name : order)
        forms.unload(name);
}

void keepAbove(QWidget* dialog, QWidget* mainWindow)
{
    if (!dialog || !mainWindow || dialog->parentWidget() == mainWindow)
        return;
    const bool visible = dialog->isVisible();
    dialog->setParent(mainWindow, Qt::Dialog);
    if (visible)
        dialog->show();
}

void centerOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

int popupSwitch()
{
    return g_popupSwitch;
}

void setPopupSwitch(int value)
{
    g_popupSwitch = value;
}

} // namespace mainmodule
