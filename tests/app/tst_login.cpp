#include "AccountFixture.h"

#include "app/Login.h"
#include "app/MainProgram.h"
#include "app/ProgramExit.h"
#include "support/TestApp.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>
#include <QtTest>

namespace {

QString loginSelection(TestApp& app)
{
    auto* list = app.control<QListWidget>(QStringLiteral("Login"), QStringLiteral("txtUser"));
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

bool selectInList(TestApp& app, const QString& name)
{
    auto* list = app.control<QListWidget>(QStringLiteral("Login"), QStringLiteral("txtUser"));
    const auto items = list->findItems(name, Qt::MatchExactly);
    if (items.isEmpty())
        return false;
    list->setCurrentItem(items.first());
    return true;
}

} // namespace

class TestLogin final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listIsOrderedByNameWithFirstSelected();
    void loginSucceeds_data();
    void loginSucceeds();
    void loginRefused_data();
    void loginRefused();
    void accountsGoneAfterTheListWasFilled_data();
    void accountsGoneAfterTheListWasFilled();
    void backgroundClickSelectsFirstAccount();
    void hiddenWindowLogsInFromCode();
    void secondLoginReplacesMainWindow();

private:
    std::unique_ptr<TestApp> m_app;
};

void TestLogin::init()
{
    m_app = std::make_unique<TestApp>();
    Database& db = m_app->database();
    // Made in this order on purpose: the list orders by name, letter case ignored.
    addAccount(db, QStringLiteral("zed"), QStringLiteral("Zebra999"), {1, 1, 0});
    addAccount(db, QStringLiteral("bob"), QStringLiteral("Hunter22"), {1, 1, 0});
    addAccount(db, QStringLiteral("Amy"), QStringLiteral("Secret12"), {1, 1, 0}, 1);
    m_app->forms().show(QStringLiteral("Login"));
}

void TestLogin::cleanup()
{
    m_app.reset();
}

void TestLogin::listIsOrderedByNameWithFirstSelected()
{
    auto* list = m_app->control<QListWidget>(QStringLiteral("Login"), QStringLiteral("txtUser"));
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    QCOMPARE(names, (QStringList{"Amy", "bob", "zed"}));
    QCOMPARE(loginSelection(*m_app), QStringLiteral("Amy"));
    // Selecting a name is not logging in.
    QVERIFY(m_app->session().currentUser().isEmpty());
}

void TestLogin::loginSucceeds_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("login button") << "button";
    QTest::newRow("Enter in the password box") << "password";
    QTest::newRow("Enter in the list") << "list";
}

void TestLogin::loginSucceeds()
{
    QFETCH(QString, how);
    TestApp& app = *m_app;
    QVERIFY(selectInList(app, QStringLiteral("bob")));
    auto* pwd = app.control<QLineEdit>(QStringLiteral("Login"), QStringLiteral("txtPwd"));
    QTest::keyClicks(pwd, QStringLiteral("Hunter22"));
    if (how == QLatin1String("button"))
        app.control<QPushButton>(QStringLiteral("Login"), QStringLiteral("Enter"))->click();
    else if (how == QLatin1String("password"))
        QTest::keyClick(pwd, Qt::Key_Return);
    else
        QTest::keyClick(
            app.control<QListWidget>(QStringLiteral("Login"), QStringLiteral("txtUser")),
            Qt::Key_Return);
    TestApp::settle();

    QVERIFY(app.messages().shown().isEmpty());
    QCOMPARE(app.session().currentUser(), QStringLiteral("bob"));
    QWidget* login = app.forms().find(QStringLiteral("Login"));
    QVERIFY(login);
    QVERIFY(!login->isVisible());
    QCOMPARE(loginSelection(app), QStringLiteral("bob"));
    auto* main = app.forms().find<MainProgram>(QStringLiteral("MainProgram"));
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QCOMPARE(main->statusText(), QStringLiteral("bob is Logged On"));
    QVERIFY(main->findChild<QToolBar*>(QStringLiteral("Toolbar2"))->isVisible());
    QVERIFY(!main->findChild<QToolBar*>(QStringLiteral("Toolbar1"))->isVisible());
    QVERIFY(app.forms().isLoaded(QStringLiteral("bgForm")));
    // The last-login mark moves to the account that logged in, and only there.
    QCOMPARE(lastLoginOf(app.database(), QStringLiteral("bob")), 1);
    QCOMPARE(lastLoginOf(app.database(), QStringLiteral("Amy")), 0);
    QCOMPARE(lastLoginOf(app.database(), QStringLiteral("zed")), 0);
}

void TestLogin::loginRefused_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("password in other letter case") << "bob"
                                                   << "hunter22"
                                                   << "Sorry you have entered invalid password !"
                                                   << "";
    QTest::newRow("another account's password") << "bob"
                                                << "Secret12"
                                                << "Sorry you have entered invalid password !"
                                                << "";
    QTest::newRow("empty password") << "bob"
                                    << ""
                                    << "Please enter a password !"
                                    << "txtPwd";
    QTest::newRow("no name chosen") << ""
                                    << "Hunter22"
                                    << "Please enter a username !"
                                    << "txtUser";
}

void TestLogin::loginRefused()
{
    QFETCH(QString, user);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    TestApp& app = *m_app;
    auto* list = app.control<QListWidget>(QStringLiteral("Login"), QStringLiteral("txtUser"));
    if (user.isEmpty())
        list->clearSelection();
    else
        QVERIFY(selectInList(app, user));
    auto* pwd = app.control<QLineEdit>(QStringLiteral("Login"), QStringLiteral("txtPwd"));
    QTest::keyClicks(pwd, typed);
    QWidget* login = app.forms().find(QStringLiteral("Login"));
    login->activateWindow();

    for (int attempt = 1; attempt <= 2; ++attempt) {
        app.control<QPushButton>(QStringLiteral("Login"), QStringLiteral("Enter"))->click();
        TestApp::settle();
        // One message per attempt, with the critical icon and the program's title.
        QCOMPARE(app.messages().texts(), QStringList(QList<QString>(attempt, message)));
        QCOMPARE(app.messages().last().icon, MessageIcon::Critical);
    }
    QVERIFY(!focus.isEmpty() ? app.control<QWidget>(QStringLiteral("Login"), focus)->hasFocus()
                             : true);
    QCOMPARE(pwd->text(), typed);
    QVERIFY(login->isVisible());
    QVERIFY(!app.forms().isLoaded(QStringLiteral("MainProgram")));
    QVERIFY(app.session().currentUser().isEmpty());
    QCOMPARE(lastLoginOf(app.database(), QStringLiteral("Amy")), 1);
    QCOMPARE(lastLoginOf(app.database(), QStringLiteral("bob")), 0);
}

void TestLogin::accountsGoneAfterTheListWasFilled_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("the chosen account removed")
        << "DELETE FROM UserInfo WHERE username = 'bob'"
        << "Hunter22" << QStringList{"Sorry the username you have entered does not exist !"};
    QTest::newRow("every account removed")
        << "DELETE FROM UserInfo"
        << "Hunter22" << QStringList{"Sorry, but there is no accounts created !"};
    // The missing-password message does not silence the no-account one.
    QTest::newRow("every account removed, no password")
        << "DELETE FROM UserInfo"
        << ""
        << QStringList{"Please enter a password !", "Sorry, but there is no accounts created !"};
}

void TestLogin::accountsGoneAfterTheListWasFilled()
{
    QFETCH(QString, statement);
    QFETCH(QString, typed);
    QFETCH(QStringList, messages);
    TestApp& app = *m_app;
    QVERIFY(selectInList(app, QStringLiteral("bob")));
    QVERIFY(app.folder().exec(statement));
    auto* login = app.forms().find<Login>(QStringLiteral("Login"));
    login->setPassword(typed);
    login->Enter_Click();
    QCOMPARE(app.messages().texts(), messages);
    QVERIFY(!app.forms().isLoaded(QStringLiteral("MainProgram")));
    QVERIFY(app.session().currentUser().isEmpty());
}

void TestLogin::backgroundClickSelectsFirstAccount()
{
    TestApp& app = *m_app;
    QVERIFY(selectInList(app, QStringLiteral("zed")));
    QWidget* login = app.forms().find(QStringLiteral("Login"));
    QTest::mouseClick(login, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(loginSelection(app), QStringLiteral("Amy"));
}

void TestLogin::hiddenWindowLogsInFromCode()
{
    // How the first-account window logs its new account in: the login window
    // loaded but never shown, its list and password box set, its button pressed.
    TestApp app;
    addAccount(app.database(), QStringLiteral("newbie"), QStringLiteral("Fresh123"));
    auto* login = dynamic_cast<Login*>(app.forms().load(QStringLiteral("Login")));
    QVERIFY(login);
    bool everShown = false;
    QObject::connect(&app.forms(), &Forms::windowLoaded, login,
                     [&] { everShown = everShown || login->isVisible(); });
    QVERIFY(login->selectUser(QStringLiteral("newbie")));
    login->setPassword(QStringLiteral("Fresh123"));
    app.control<QPushButton>(QStringLiteral("Login"), QStringLiteral("Enter"))->click();
    TestApp::settle();

    QVERIFY(!everShown);
    QVERIFY(!login->isVisible());
    QCOMPARE(app.session().currentUser(), QStringLiteral("newbie"));
    auto* main = app.forms().find<MainProgram>(QStringLiteral("MainProgram"));
    QVERIFY(main && main->isVisible());
    QCOMPARE(main->statusText(), QStringLiteral("newbie is Logged On"));
    QCOMPARE(lastLoginOf(app.database(), QStringLiteral("newbie")), 1);
}

void TestLogin::secondLoginReplacesMainWindow()
{
    TestApp& app = *m_app;
    QSignalSpy ended(&app.context().programExit(), &ProgramExit::ended);
    QVERIFY(selectInList(app, QStringLiteral("bob")));
    auto* login = app.forms().find<Login>(QStringLiteral("Login"));
    login->setPassword(QStringLiteral("Hunter22"));
    login->Enter_Click();
    TestApp::settle();
    QPointer<MainProgram> first = app.forms().find<MainProgram>(QStringLiteral("MainProgram"));
    QVERIFY(first);

    first->LoginDiffUser_Click();
    TestApp::settle();
    QVERIFY(login->isVisible());
    QVERIFY(!first->isVisible());
    QVERIFY(loginSelection(app).isEmpty());
    QVERIFY(app.session().currentUser().isEmpty());
    auto* pwd = app.control<QLineEdit>(QStringLiteral("Login"), QStringLiteral("txtPwd"));
    QVERIFY(pwd->text().isEmpty());

    QStringList unloaded;
    QObject guard;
    QObject::connect(&app.forms(), &Forms::windowUnloaded, &guard,
                     [&](const QString& name) { unloaded << name; });
    QVERIFY(selectInList(app, QStringLiteral("Amy")));
    QTest::keyClicks(pwd, QStringLiteral("Secret12"));
    QTest::keyClick(pwd, Qt::Key_Return);
    TestApp::settle();

    // A replacement: the old main window and its menu screen go, the login
    // window and its selection stay, and the program goes on.
    QVERIFY(first.isNull());
    auto* second = app.forms().find<MainProgram>(QStringLiteral("MainProgram"));
    QVERIFY(second);
    QCOMPARE(second->statusText(), QStringLiteral("Amy is Logged On"));
    QVERIFY(!unloaded.contains(QStringLiteral("Login")));
    QVERIFY(unloaded.contains(QStringLiteral("MainProgram")));
    QVERIFY(app.forms().isLoaded(QStringLiteral("Login")));
    QCOMPARE(loginSelection(app), QStringLiteral("Amy"));
    QCOMPARE(ended.count(), 0);
    QCOMPARE(lastLoginOf(app.database(), QStringLiteral("Amy")), 1);
    QCOMPARE(lastLoginOf(app.database(), QStringLiteral("bob")), 0);
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
