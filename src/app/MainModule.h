#pragma once

class AppContext;
class Forms;
class QWidget;

// Routines the whole program shares.
namespace mainmodule {

// Ends the program through the main window's exit steps.
void endProgram(AppContext& context);

// The exit steps: unloads the start-up, login, reminder and help windows and
// then the main window, whose contained windows close with it.
void runExitSteps(Forms& forms);

// Makes a dialog a window of the main window, so it stays above it and
// closes with it.
void keepAbove(QWidget* dialog, QWidget* mainWindow);

// Puts a window in the middle of the screen it is on.
void centerOnScreen(QWidget* window);

// The reminder switch while the preferences dialog is open.
int popupSwitch();
void setPopupSwitch(int value);

} // namespace mainmodule
