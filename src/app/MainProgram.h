#pragma once

#include "app/FormWindow.h"

#include <QMainWindow>
#include <QString>

class AppContext;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

// The frame window: menus, the two toolbars (exactly one visible), the status
// line and the area that holds the main menu screen and the section windows.
// Every command only opens, reloads or closes windows, by their names.
class MainProgram final : public QMainWindow, public FormWindow {
    Q_OBJECT

public:
    static QString nobodyLoggedOnText() { return QStringLiteral("Nobody is Logged On"); }
    static QString loggedOnSuffix() { return QStringLiteral(" is Logged On"); }

    explicit MainProgram(AppContext& context, QWidget* parent = nullptr);
    ~MainProgram() override;

    void formLoad() override;
    void formUnload() override;

    // The switches of the user the window was loaded for (0 with nobody logged on).
    int chkPopup() const { return m_chkPopup; }
    int chkMusic() const { return m_chkMusic; }
    int chkTips() const { return m_chkTips; }

    // Panel 1 of the status line.
    QString statusText() const;
    void setStatusText(const QString& text);
    // Panel 1 := user + " is Logged On".
    void setLoggedOnStatus(const QString& user);

    // Toolbar2 shown, Toolbar1 hidden, the account, action and main-menu menus enabled.
    void showLoggedInState();
    // Toolbar1 shown, Toolbar2 hidden, the commands that need a user disabled.
    void showNobodyLoggedOnState();

    // The hidden label modFlag, kept equal to the session's mode flag.
    QString modFlag() const;
    void setModFlag(const QString& flag);

    // Commands other windows run.
    void HealthNutrition_Click();
    void FitnessRelax_Click();
    void helpTopic_Click();
    void LoginDiffUser_Click();
    void ModAcct_Click();
    void NewAcct_Click();
    void mainmenu_Click();
    void killme();
    // The exit steps: every window of the run is unloaded, this one last.
    void Exit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbars();
    QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption,
                         void (MainProgram::*handler)());
    QAction* addSeparator(QMenu* menu, const QString& name);
    QAction* addToolButton(QToolBar* bar, const QString& tip, const QString& key,
                           const QString& icon);
    void Toolbar1_ButtonClick(QAction* button);
    void Toolbar2_ButtonClick(QAction* button);
    // The toolbars' "Exit Nutrova": the windows outside the main window go, then
    // the main window closes and runs the exit steps.
    void exitFromToolbar();
    void showAccountWindow(const QString& flag);
    void showModifyMenu();
    void loadAndShow(const QString& name, bool toFront);
    QAction* toolButton(QToolBar* bar, const QString& tip) const;
    void unloadContainedWindows();

    AppContext& m_context;
    QMdiArea* m_area = nullptr;
    QToolBar* m_toolbar1 = nullptr;
    QToolBar* m_toolbar2 = nullptr;
    QLabel* m_panel1 = nullptr;
    QLabel* m_modFlag = nullptr;
    QMenu* m_begin = nullptr;
    QMenu* m_actions = nullptr;
    QMenu* m_help = nullptr;
    QAction* m_modAcct = nullptr;
    QAction* m_mainmenu = nullptr;
    int m_chkPopup = 0;
    int m_chkMusic = 0;
    int m_chkTips = 0;
    bool m_exiting = false;
};
