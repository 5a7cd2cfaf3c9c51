#include "AccountFixture.h"

#include "app/Login.h"
#include "app/MainProgram.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

Q_DECLARE_METATYPE(UserSwitches)

bool operator==(const UserSwitches& a, const UserSwitches& b)
{
    return a.popstatus == b.popstatus && a.musstatus == b.musstatus && a.tipstatus == b.tipstatus;
}

char* toString(const UserSwitches& s)
{
    return QTest::toString(
        QStringLiteral("(%1, %2, %3)").arg(s.popstatus).arg(s.musstatus).arg(s.tipstatus));
}

namespace {

QCheckBox* box(TestApp& app, const char* name)
{
    return app.control<QCheckBox>(QStringLiteral("frmOptions"), QString::fromLatin1(name));
}

} // namespace

class TestPreferences final : public QObject {
    Q_OBJECT

private slots:
    void okWithoutChangesKeepsTheValues_data();
    void okWithoutChangesKeepsTheValues();
    void changesAreStoredForTheUser();
    void tipSwitchOffMeansNoTipAtNextLogin();
    void accountSavedLastStandsInForTheUser();
    void nobodyToWorkForWritesNothing();
    void cancelWritesNothing();
};

void TestPreferences::okWithoutChangesKeepsTheValues_data()
{
    QTest::addColumn<UserSwitches>("stored");
    QTest::newRow("all off") << UserSwitches{0, 0, 0};
    QTest::newRow("all on") << UserSwitches{1, 1, 1};
    QTest::newRow("reminders only") << UserSwitches{1, 0, 0};
    QTest::newRow("music only") << UserSwitches{0, 1, 0};
    QTest::newRow("tips only") << UserSwitches{0, 0, 1};
}

void TestPreferences::okWithoutChangesKeepsTheValues()
{
    QFETCH(UserSwitches, stored);
    TestApp app;
    addAccount(app.database(), QStringLiteral("amy"), QStringLiteral("Secret12"), stored);
    addAccount(app.database(), QStringLiteral("bob"), QStringLiteral("Hunter22"), {1, 0, 1});
    app.session().setCurrentUser(QStringLiteral("amy"));
    app.forms().show(QStringLiteral("frmOptions"));
    QCOMPARE(box(app, "chkPopup")->isChecked(), stored.popstatus != 0);
    QCOMPARE(box(app, "chkMusic")->isChecked(), stored.musstatus != 0);
    QCOMPARE(box(app, "chkTips")->isChecked(), stored.tipstatus != 0);

    app.control<QPushButton>(QStringLiteral("frmOptions"), QStringLiteral("OKButton"))->click();
    TestApp::settle();
    QCOMPARE(switchesOf(app.database(), QStringLiteral("amy")), stored);
    QCOMPARE(switchesOf(app.database(), QStringLiteral("bob")), (UserSwitches{1, 0, 1}));
    QVERIFY(!app.forms().isLoaded(QStringLiteral("frmOptions")));
    QVERIFY(app.messages().shown().isEmpty());
}

void TestPreferences::changesAreStoredForTheUser()
{
    TestApp app;
    addAccount(app.database(), QStringLiteral("amy"), QStringLiteral("Secret12"), {1, 1, 1});
    addAccount(app.database(), QStringLiteral("bob"), QStringLiteral("Hunter22"), {1, 1, 1});
    app.session().setCurrentUser(QStringLiteral("bob"));
    app.forms().show(QStringLiteral("frmOptions"));
    box(app, "chkPopup")->click();
    box(app, "chkTips")->click();
    app.control<QPushButton>(QStringLiteral("frmOptions"), QStringLiteral("OKButton"))->click();
    QCOMPARE(switchesOf(app.database(), QStringLiteral("bob")), (UserSwitches{0, 1, 0}));
    QCOMPARE(switchesOf(app.database(), QStringLiteral("amy")), (UserSwitches{1, 1, 1}));
}

void TestPreferences::tipSwitchOffMeansNoTipAtNextLogin()
{
    TestApp app;
    addAccount(app.database(), QStringLiteral("amy"), QStringLiteral("Secret12"), {0, 1, 1});
    auto* login = dynamic_cast<Login*>(app.forms().load(QStringLiteral("Login")));
    QVERIFY(login->selectUser(QStringLiteral("amy")));
    login->setPassword(QStringLiteral("Secret12"));
    login->Enter_Click();
    TestApp::settle();
    QVERIFY(app.forms().isLoaded(QStringLiteral("frmTip")));
    app.forms().unload(QStringLiteral("frmTip"));

    auto* main = app.forms().find<MainProgram>(QStringLiteral("MainProgram"));
    QAction* preferences = main->findChild<QAction*>(QStringLiteral("Options"));
    QVERIFY(preferences);
    preferences->trigger();
    QVERIFY(box(app, "chkTips")->isChecked());
    box(app, "chkTips")->click();
    app.control<QPushButton>(QStringLiteral("frmOptions"), QStringLiteral("OKButton"))->click();
    TestApp::settle();
    // The running main window keeps its copy until the next login.
    QCOMPARE(main->chkTips(), 1);

    main->LoginDiffUser_Click();
    QVERIFY(login->selectUser(QStringLiteral("amy")));
    login->setPassword(QStringLiteral("Secret12"));
    login->Enter_Click();
    TestApp::settle();
    main = app.forms().find<MainProgram>(QStringLiteral("MainProgram"));
    QVERIFY(main);
    QCOMPARE(main->chkTips(), 0);
    QVERIFY(!app.forms().isLoaded(QStringLiteral("frmTip")));
}

void TestPreferences::accountSavedLastStandsInForTheUser()
{
    TestApp app;
    addAccount(app.database(), QStringLiteral("amy"), QStringLiteral("Secret12"), {1, 1, 1});
    addAccount(app.database(), QStringLiteral("bob"), QStringLiteral("Hunter22"), {1, 0, 1});
    app.session().setLastSavedUser(QStringLiteral("bob"));
    app.forms().show(QStringLiteral("frmOptions"));
    QVERIFY(!box(app, "chkMusic")->isChecked());
    box(app, "chkMusic")->click();
    app.control<QPushButton>(QStringLiteral("frmOptions"), QStringLiteral("OKButton"))->click();
    QCOMPARE(switchesOf(app.database(), QStringLiteral("bob")), (UserSwitches{1, 1, 1}));
}

void TestPreferences::nobodyToWorkForWritesNothing()
{
    TestApp app;
    addAccount(app.database(), QStringLiteral("amy"), QStringLiteral("Secret12"), {1, 1, 1});
    app.forms().show(QStringLiteral("frmOptions"));
    QVERIFY(!box(app, "chkPopup")->isChecked());
    QVERIFY(!box(app, "chkMusic")->isChecked());
    QVERIFY(!box(app, "chkTips")->isChecked());
    app.control<QPushButton>(QStringLiteral("frmOptions"), QStringLiteral("OKButton"))->click();
    TestApp::settle();
    QCOMPARE(switchesOf(app.database(), QStringLiteral("amy")), (UserSwitches{1, 1, 1}));
    QVERIFY(!app.forms().isLoaded(QStringLiteral("frmOptions")));
    QVERIFY(app.messages().shown().isEmpty());
}

void TestPreferences::cancelWritesNothing()
{
    TestApp app;
    addAccount(app.database(), QStringLiteral("amy"), QStringLiteral("Secret12"), {1, 0, 1});
    app.session().setCurrentUser(QStringLiteral("amy"));
    app.forms().show(QStringLiteral("frmOptions"));
    box(app, "chkPopup")->click();
    box(app, "chkMusic")->click();
    app.control<QPushButton>(QStringLiteral("frmOptions"), QStringLiteral("CancelButton"))->click();
    TestApp::settle();
    QCOMPARE(switchesOf(app.database(), QStringLiteral("amy")), (UserSwitches{1, 0, 1}));
    QVERIFY(!app.forms().isLoaded(QStringLiteral("frmOptions")));
}

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
