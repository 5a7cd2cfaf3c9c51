#include "AccountFixture.h"

#include "app/Login.h"
#include "app/MainProgram.h"
#include "app/ProgramExit.h"
#include "app/bgForm.h"
#include "support/TestApp.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>
#include <QtTest>

namespace {

QAction* toolButton(MainProgram* main, const QString& bar, const QString& tip)
{
    const auto buttons = main->findChild<QToolBar*>(bar)->actions();
    for (QAction* button : buttons) {
        if (!button->isSeparator() && button->toolTip() == tip)
            return button;
    }
    return nullptr;
}

QAction* menuItem(MainProgram* main, const QString& name)
{
    const auto menus = main->findChildren<QMenu*>();
    for (QMenu* menu : menus) {
        const auto items = menu->actions();
        for (QAction* item : items) {
            if (item->objectName() == name)
                return item;
        }
    }
    return nullptr;
}

QStringList tipsOf(MainProgram* main, const QString& bar)
{
    QStringList tips;
    const auto buttons = main->findChild<QToolBar*>(bar)->actions();
    for (QAction* button : buttons)
        tips << (button->isSeparator() ? QStringLiteral("-") : button->toolTip());
    return tips;
}

} // namespace

class TestMainProgram final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void toolbarsCarryTheirTips();
    void manageAccountsOpensNobodyLoggedOn();
    void tipWindowFollowsTheTipSwitch_data();
    void tipWindowFollowsTheTipSwitch();
    void exitStepsAreTheSameEverywhere_data();
    void exitStepsAreTheSameEverywhere();
    void loginAsDifferentUserWithNoAccountLeft();
    void commandsSetTheModeFlag_data();
    void commandsSetTheModeFlag();
    void menuScreenLivesInTheMainArea();

private:
    MainProgram* logIn(const QString& user, const QString& plain);

    std::unique_ptr<TestApp> m_app;
};

void TestMainProgram::init()
{
    m_app = std::make_unique<TestApp>();
    addAccount(m_app->database(), QStringLiteral("amy"), QStringLiteral("Secret12"), {0, 1, 0});
    addAccount(m_app->database(), QStringLiteral("bob"), QStringLiteral("Hunter22"), {0, 1, 1});
}

void TestMainProgram::cleanup()
{
    m_app.reset();
}

MainProgram* TestMainProgram::logIn(const QString& user, const QString& plain)
{
    auto* login = dynamic_cast<Login*>(m_app->forms().load(QStringLiteral("Login")));
    if (!login || !login->selectUser(user))
        return nullptr;
    login->setPassword(plain);
    login->Enter_Click();
    TestApp::settle();
    return m_app->forms().find<MainProgram>(QStringLiteral("MainProgram"));
}

void TestMainProgram::toolbarsCarryTheirTips()
{
    MainProgram* main = logIn(QStringLiteral("amy"), QStringLiteral("Secret12"));
    QVERIFY(main);
    QCOMPARE(
        tipsOf(main, QStringLiteral("Toolbar2")),
        (QStringList{"Health / Nutrition", "Fitness / Relaxation", "-", "Food / Workout Reports",
                     "Main Menu", "-", "Calculate BMI", "Target Heart Rate", "-", "Options",
                     "Modify Account", "New Account", "-", "Help Library", "Exit Nutrova"}));
    QCOMPARE(tipsOf(main, QStringLiteral("Toolbar1")),
             (QStringList{"New Account", "Modify Account", "Delete Account", "-", "Options", "-",
                          "Help Library", "-", "Exit Nutrova"}));
}

void TestMainProgram::manageAccountsOpensNobodyLoggedOn()
{
    TestApp& app = *m_app;
    app.forms().show(QStringLiteral("Login"));
    app.control<QPushButton>(QStringLiteral("Login"), QStringLiteral("Command1"))->click();
    TestApp::settle();

    auto* main = app.forms().find<MainProgram>(QStringLiteral("MainProgram"));
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QVERIFY(!app.forms().find(QStringLiteral("Login"))->isVisible());
    QVERIFY(app.session().currentUser().isEmpty());
    QVERIFY(app.control<QListWidget>(QStringLiteral("Login"), QStringLiteral("txtUser"))
                ->selectedItems()
                .isEmpty());
    QCOMPARE(main->statusText(), QStringLiteral("Nobody is Logged On"));
    QVERIFY(main->findChild<QToolBar*>(QStringLiteral("Toolbar1"))->isVisible());
    QVERIFY(!main->findChild<QToolBar*>(QStringLiteral("Toolbar2"))->isVisible());
    QVERIFY(!toolButton(main, QStringLiteral("Toolbar1"), QStringLiteral("Modify Account"))
                 ->isEnabled());
    QVERIFY(!toolButton(main, QStringLiteral("Toolbar1"), QStringLiteral("Options"))->isEnabled());
    QVERIFY(
        toolButton(main, QStringLiteral("Toolbar1"), QStringLiteral("New Account"))->isEnabled());
    QVERIFY(!menuItem(main, QStringLiteral("ModAcct"))->isEnabled());
    QVERIFY(!menuItem(main, QStringLiteral("mainmenu"))->isEnabled());
    QVERIFY(!main->findChild<QMenu*>(QStringLiteral("actions"))->menuAction()->isEnabled());
    QVERIFY(!app.forms().isLoaded(QStringLiteral("bgForm")));
    QVERIFY(!app.forms().isLoaded(QStringLiteral("frmTip")));
}

void TestMainProgram::tipWindowFollowsTheTipSwitch_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<bool>("tipShown");
    QTest::newRow("tipstatus 0") << "amy"
                                 << "Secret12" << false;
    QTest::newRow("tipstatus 1") << "bob"
                                 << "Hunter22" << true;
}

void TestMainProgram::tipWindowFollowsTheTipSwitch()
{
    QFETCH(QString, user);
    QFETCH(QString, plain);
    QFETCH(bool, tipShown);
    QStringList asked;
    QObject guard;
    connect(&m_app->forms(), &Forms::windowLoaded, &guard,
            [&](const QString& name) { asked << name; });
    MainProgram* main = logIn(user, plain);
    QVERIFY(main);
    QCOMPARE(main->chkTips(), tipShown ? 1 : 0);
    QCOMPARE(asked.contains(QStringLiteral("frmTip")), tipShown);
    QCOMPARE(m_app->forms().isLoaded(QStringLiteral("frmTip")), tipShown);
}

void TestMainProgram::exitStepsAreTheSameEverywhere_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("menu E&xit") << "menu";
    QTest::newRow("menu screen EXIT") << "EXIT";
    QTest::newRow("toolbar Exit Nutrova") << "toolbar";
    QTest::newRow("closing the main window") << "close";
}

void TestMainProgram::exitStepsAreTheSameEverywhere()
{
    QFETCH(QString, how);
    TestApp& app = *m_app;
    QSignalSpy ended(&app.context().programExit(), &ProgramExit::ended);
    MainProgram* main = logIn(QStringLiteral("bob"), QStringLiteral("Hunter22"));
    QVERIFY(main);
    app.forms().show(QStringLiteral("frmAbout"));
    app.forms().show(QStringLiteral("frmloginHelp"));
    QVERIFY(app.forms().isLoaded(QStringLiteral("bgForm")));
    QVERIFY(app.forms().isLoaded(QStringLiteral("frmTip")));

    QStringList unloaded;
    QObject guard;
    connect(&app.forms(), &Forms::windowUnloaded, &guard,
            [&](const QString& name) { unloaded << name; });
    if (how == QLatin1String("menu")) {
        menuItem(main, QStringLiteral("Exit"))->trigger();
    } else if (how == QLatin1String("EXIT")) {
        auto* exitLabel = app.control<QLabel>(QStringLiteral("bgForm"), QStringLiteral("lblExit"));
        QVERIFY(exitLabel);
        QCOMPARE(exitLabel->text(), QStringLiteral("EXIT"));
        QTest::mouseClick(exitLabel, Qt::LeftButton);
    } else if (how == QLatin1String("toolbar")) {
        emit main->findChild<QToolBar*>(QStringLiteral("Toolbar2"))
            ->actionTriggered(
                toolButton(main, QStringLiteral("Toolbar2"), QStringLiteral("Exit Nutrova")));
    } else {
        main->close();
    }
    TestApp::settle();

    // The login window, the about box and the login help go in the listed
    // order, the main window last, after the windows it holds.
    QStringList order;
    for (const QString& name : std::as_const(unloaded)) {
        if (QStringList{"Login", "frmAbout", "frmloginHelp", "MainProgram"}.contains(name))
            order << name;
    }
    QCOMPARE(order, (QStringList{"Login", "frmAbout", "frmloginHelp", "MainProgram"}));
    QVERIFY(unloaded.indexOf(QStringLiteral("bgForm")) < unloaded.indexOf("MainProgram"));
    QVERIFY(unloaded.indexOf(QStringLiteral("frmTip")) < unloaded.indexOf("MainProgram"));
    QVERIFY(app.forms().loadedNames().isEmpty());
    QCOMPARE(ended.count(), 1);
}

void TestMainProgram::loginAsDifferentUserWithNoAccountLeft()
{
    TestApp& app = *m_app;
    MainProgram* main = logIn(QStringLiteral("amy"), QStringLiteral("Secret12"));
    QVERIFY(main);
    QVERIFY(app.folder().exec(QStringLiteral("DELETE FROM UserInfo")));

    menuItem(main, QStringLiteral("LoginDiffUser"))->trigger();
    TestApp::settle();

    QVERIFY(app.session().currentUser().isEmpty());
    QVERIFY(main->isVisible());
    QVERIFY(!app.forms().find(QStringLiteral("Login"))->isVisible());
    QCOMPARE(app.control<QListWidget>(QStringLiteral("Login"), QStringLiteral("txtUser"))->count(),
             0);
    QVERIFY(menuItem(main, QStringLiteral("ModAcct"))->isEnabled());
    if (app.forms().isRegistered(QStringLiteral("AccountInfo"))) {
        QWidget* account = app.forms().find(QStringLiteral("AccountInfo"));
        QVERIFY(account);
        QVERIFY(account->isVisible());
    }
    QVERIFY(!app.context().programExit().hasEnded());
}

void TestMainProgram::commandsSetTheModeFlag_data()
{
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("window");
    QTest::newRow("Toolbar2 New Account") << true << "Toolbar2"
                                          << "New Account"
                                          << ""
                                          << "AccountInfo";
    QTest::newRow("Toolbar2 Modify Account") << true << "Toolbar2"
                                             << "Modify Account"
                                             << "MainModify"
                                             << "AccountInfo";
    QTest::newRow("Toolbar1 New Account") << false << "Toolbar1"
                                          << "New Account"
                                          << ""
                                          << "AccountInfo";
    QTest::newRow("Toolbar1 Delete Account") << false << "Toolbar1"
                                             << "Delete Account"
                                             << ""
                                             << "DeleteAccount";
}

void TestMainProgram::commandsSetTheModeFlag()
{
    QFETCH(bool, loggedIn);
    QFETCH(QString, bar);
    QFETCH(QString, tip);
    QFETCH(QString, flag);
    QFETCH(QString, window);
    TestApp& app = *m_app;
    MainProgram* main = nullptr;
    if (loggedIn) {
        main = logIn(QStringLiteral("amy"), QStringLiteral("Secret12"));
    } else {
        app.forms().load(QStringLiteral("Login"));
        app.forms().find<Login>(QStringLiteral("Login"))->Command1_Click();
        main = app.forms().find<MainProgram>(QStringLiteral("MainProgram"));
    }
    QVERIFY(main);
    main->setModFlag(QStringLiteral("stale"));
    QAction* button = toolButton(main, bar, tip);
    QVERIFY(button);
    emit main->findChild<QToolBar*>(bar)->actionTriggered(button);
    TestApp::settle();

    if (window != QLatin1String("DeleteAccount")) {
        QCOMPARE(main->modFlag(), flag);
        QCOMPARE(main->findChild<QLabel*>(QStringLiteral("modFlag"))->text(), flag);
        QCOMPARE(app.session().modFlag(), flag);
    }
    if (app.forms().isRegistered(window))
        QVERIFY(app.forms().isLoaded(window));
}

void TestMainProgram::menuScreenLivesInTheMainArea()
{
    TestApp& app = *m_app;
    MainProgram* main = logIn(QStringLiteral("amy"), QStringLiteral("Secret12"));
    QVERIFY(main);
    QPointer<QWidget> menu = app.forms().find(QStringLiteral("bgForm"));
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    QVERIFY(main->isAncestorOf(menu));
    QCOMPARE(app.control<QLabel>(QStringLiteral("bgForm"), QStringLiteral("lblNewAcct"))->text(),
             QStringLiteral("   Create New    User Account"));
    QCOMPARE(app.control<QLabel>(QStringLiteral("bgForm"), QStringLiteral("lblPref"))->text(),
             QStringLiteral("                   Preferences"));
    QCOMPARE(
        app.control<QLabel>(QStringLiteral("bgForm"), QStringLiteral("lblHN"))->cursor().shape(),
        Qt::PointingHandCursor);

    // Back to the menu after it was closed: loaded afresh inside the main area.
    app.forms().unload(QStringLiteral("bgForm"));
    TestApp::settle();
    QVERIFY(menu.isNull());
    menuItem(main, QStringLiteral("mainmenu"))->trigger();
    QWidget* again = app.forms().find(QStringLiteral("bgForm"));
    QVERIFY(again);
    QVERIFY(main->isAncestorOf(again));
    QVERIFY(again->isVisible());

    // A section window opened over it, then "Main Menu": the menu screen comes
    // back on top of the main area.
    app.forms().registerWindow(
        QStringLiteral("someSection"), [](AppContext&) -> QWidget* { return new QWidget; },
        Forms::Placement::Child);
    app.forms().show(QStringLiteral("someSection"));
    auto* area = main->findChild<QMdiArea*>();
    QVERIFY(area);
    QCOMPARE(area->subWindowList(QMdiArea::StackingOrder).last()->widget(),
             app.forms().find(QStringLiteral("someSection")));
    emit main->findChild<QToolBar*>(QStringLiteral("Toolbar2"))
        ->actionTriggered(
            toolButton(main, QStringLiteral("Toolbar2"), QStringLiteral("Main Menu")));
    QCOMPARE(area->subWindowList(QMdiArea::StackingOrder).last()->widget(), again);
    QVERIFY(again->parentWidget()->isMaximized());

    // Its Preferences label opens the preferences of the logged-in user.
    QTest::mouseClick(app.control<QLabel>(QStringLiteral("bgForm"), QStringLiteral("lblPref")),
                      Qt::LeftButton);
    QVERIFY(app.forms().isLoaded(QStringLiteral("frmOptions")));
    QVERIFY(!app.control<QCheckBox>(QStringLiteral("frmOptions"), QStringLiteral("chkTips"))
                 ->isChecked());
    QVERIFY(app.control<QCheckBox>(QStringLiteral("frmOptions"), QStringLiteral("chkMusic"))
                ->isChecked());
}

QTEST_MAIN(TestMainProgram)
#include "tst_mainprogram.moc"
