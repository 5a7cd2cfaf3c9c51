#include "AccountFixture.h"
#include "accounts/AccountInfo.h"
#include "app/Login.h"
#include "app/MainProgram.h"
#include "core/Session.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>

using namespace fixture;

namespace {

const QString window = QStringLiteral("AccountInfo");
const QString saved = QStringLiteral("Account Information has been saved !");

MainProgram* loadMain(TestApp& app, const QString& user)
{
    app.session().setCurrentUser(user);
    app.forms().show(QStringLiteral("MainProgram"));
    return app.forms().find<MainProgram>(QStringLiteral("MainProgram"));
}

// As the main window opens it: the mode flag set, the window loaded afresh.
AccountInfo* open(TestApp& app, const QString& flag)
{
    if (auto* main = app.forms().find<MainProgram>(QStringLiteral("MainProgram")))
        main->setModFlag(flag);
    else
        app.session().setModFlag(flag);
    app.forms().unload(window);
    app.forms().show(window);
    return app.forms().find<AccountInfo>(window);
}

void save(TestApp& app)
{
    app.control<QPushButton>(window, QStringLiteral("btnCrtAccnt"))->click();
}

bool shown(TestApp& app, const QString& text, MessageIcon icon)
{
    for (const Message& m : app.messages().shown()) {
        if (m.text == text && m.icon == icon)
            return true;
    }
    return false;
}

} // namespace

class AccountInfoTest final : public QObject {
    Q_OBJECT

private slots:
    void addWhileLoggedInKeepsTheStatus();
    void addWhileNobodyLoggedOnLogsTheAccountIn();
    void tipFollowsThePreferencesSwitch_data();
    void tipFollowsThePreferencesSwitch();
    void takenNameRefusedInAnyCase();
    void changeShowsIdentityReadOnly();
    void changeWithEmptyPasswordBoxesKeepsPassword();
    void changeWithNewPasswordReplacesIt();
    void changeSwitchesBackOnAndKeepsEmptiedLimit();
    void storedMaleMaleReadsAsMaleAndIsRewritten();
    void renamedAccountKeepsItsRows();
    void closeWritesNothing();
    void failedSaveLeavesTheFormAsItWas();
    void converters_data();
    void converters();
    void waistChangeFillsEmptyInches();
    void typedSexShowsItsFrame();
};

void AccountInfoTest::addWhileLoggedInKeepsTheStatus()
{
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    add(app, woman(QStringLiteral("bob"), QStringLiteral("Bob")));
    QVERIFY(AccountStore(app.database()).markLastLogin(QStringLiteral("ann")).ok());
    MainProgram* main = loadMain(app, QStringLiteral("ann"));
    QVERIFY(main);
    open(app, QString());
    fillMan(app, window, QStringLiteral("carl"));
    save(app);

    QVERIFY(shown(app, saved, MessageIcon::Exclamation));
    const auto carl = find(app, QStringLiteral("carl"));
    QVERIFY(carl);
    QCOMPARE(carl->lastlogin, 1);
    QCOMPARE(find(app, QStringLiteral("ann"))->lastlogin, 0);
    QCOMPARE(find(app, QStringLiteral("bob"))->lastlogin, 0);
    QVERIFY(carl->passwordHash != QStringLiteral("secret123"));
    QVERIFY(password::verify(QStringLiteral("secret123"), carl->passwordHash));
    QCOMPARE(carl->goal, QStringLiteral("General Health"));
    QCOMPARE(carl->chest, QString());
    QCOMPARE(main->statusText(), QStringLiteral("ann is Logged On"));
    QCOMPARE(app.session().currentUser(), QStringLiteral("ann"));
    // Saved and hidden; the form emptied but for the women's goal and the waist.
    QVERIFY(app.forms().isLoaded(window));
    QVERIFY(!app.forms().find(window)->isVisible());
    QCOMPARE(text(app, window, QStringLiteral("txtUsername")), QString());
    QCOMPARE(text(app, window, QStringLiteral("txtWstSize")), QStringLiteral("34"));
}

void AccountInfoTest::addWhileNobodyLoggedOnLogsTheAccountIn()
{
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    MainProgram* main = loadMain(app, QString());
    QCOMPARE(main->statusText(), QStringLiteral("Nobody is Logged On"));
    open(app, QString());
    fillMan(app, window, QStringLiteral("carl"));
    save(app);

    QCOMPARE(main->statusText(), QStringLiteral("carl is Logged On"));
    QCOMPARE(app.session().currentUser(), QStringLiteral("carl"));
    QVERIFY(!main->findChild<QToolBar*>(QStringLiteral("Toolbar2"))->isHidden());
    QVERIFY(main->findChild<QToolBar*>(QStringLiteral("Toolbar1"))->isHidden());
}

void AccountInfoTest::tipFollowsThePreferencesSwitch_data()
{
    QTest::addColumn<QString>("loggedOn");
    QTest::addColumn<int>("tipstatus");
    QTest::addColumn<bool>("tip");
    // The dialog reads the current user's switches, or, with nobody logged on,
    // those of the account just saved (always on after a save).
    QTest::newRow("nobody logged on") << QString() << 0 << true;
    QTest::newRow("user with tips on") << "ann" << 1 << true;
    QTest::newRow("user with tips off") << "ann" << 0 << false;
}

void AccountInfoTest::tipFollowsThePreferencesSwitch()
{
    QFETCH(QString, loggedOn);
    QFETCH(int, tipstatus);
    QFETCH(bool, tip);
    TestApp app;
    if (!app.forms().isRegistered(QStringLiteral("frmOptions")))
        QSKIP("no preferences dialog registered");
    UserProfile ann = woman(QStringLiteral("ann"));
    ann.tipstatus = tipstatus;
    add(app, ann);
    loadMain(app, loggedOn);
    app.forms().unload(QStringLiteral("frmTip"));
    TestApp::settle();
    open(app, QString());
    fillMan(app, window, QStringLiteral("carl"));
    save(app);

    QCOMPARE(app.forms().isLoaded(QStringLiteral("frmTip")), tip);
    QVERIFY(!app.forms().isLoaded(QStringLiteral("frmOptions")));
}

void AccountInfoTest::takenNameRefusedInAnyCase()
{
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    open(app, QString());
    fillMan(app, window, QStringLiteral("ANN"));
    save(app);

    QCOMPARE(app.messages().last().text,
             QStringLiteral("This username is already taken. Please choose another one"));
    QCOMPARE(app.messages().last().icon, MessageIcon::Exclamation);
    QCOMPARE(text(app, window, QStringLiteral("txtUsername")), QString());
    QCOMPARE(text(app, window, QStringLiteral("txtFname")), QStringLiteral("John"));
    QCOMPARE(count(app, QStringLiteral("SELECT COUNT(*) FROM UserInfo")), 1);
}

void AccountInfoTest::changeShowsIdentityReadOnly()
{
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    loadMain(app, QStringLiteral("ann"));
    AccountInfo* w = open(app, Session::modifyMode());
    QCOMPARE(w->mode(), AccountInfo::Mode::ChangeOwn);
    QCOMPARE(w->windowTitle(), QStringLiteral("Modify Account"));
    QCOMPARE(app.control<QPushButton>(window, QStringLiteral("btnCrtAccnt"))->text(),
             QStringLiteral("Modify Account"));
    for (const char* box : {"txtFname", "txtLname", "txtAge"})
        QVERIFY2(app.control<QLineEdit>(window, QString::fromLatin1(box))->isReadOnly(), box);
    QVERIFY(!app.control<QLineEdit>(window, QStringLiteral("txtUsername"))->isReadOnly());
    QVERIFY(app.control<QComboBox>(window, QStringLiteral("CmbSex"))->isHidden());
    auto* sexLabel = app.control<QLabel>(window, QStringLiteral("CmbSex2"));
    QVERIFY(!sexLabel->isHidden());
    QCOMPARE(sexLabel->text(), QStringLiteral("Female"));
    QVERIFY(!app.control<QGroupBox>(window, QStringLiteral("frmWomen"))->isHidden());
    QCOMPARE(text(app, window, QStringLiteral("CmbChest_f")), QStringLiteral("B"));
    QCOMPARE(text(app, window, QStringLiteral("txtFname")), QStringLiteral("Ann"));
    QCOMPARE(text(app, window, QStringLiteral("txtPassword1")), QString());
    QCOMPARE(text(app, window, QStringLiteral("txtPassword2")), QString());
}

void AccountInfoTest::changeWithEmptyPasswordBoxesKeepsPassword()
{
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    const QString before = find(app, QStringLiteral("ann"))->passwordHash;
    loadMain(app, QStringLiteral("ann"));
    open(app, Session::modifyMode());
    save(app);

    QVERIFY(shown(app, saved, MessageIcon::Exclamation));
    QCOMPARE(find(app, QStringLiteral("ann"))->passwordHash, before);

    // The kept password still opens the account at the login window.
    app.session().setCurrentUser(QString());
    auto* login = dynamic_cast<Login*>(app.forms().load(QStringLiteral("Login")));
    QVERIFY(login);
    QVERIFY(login->selectUser(QStringLiteral("ann")));
    login->setPassword(QStringLiteral("secret123"));
    app.messages().clear();
    login->Enter_Click();
    QVERIFY2(app.messages().shown().isEmpty(), qPrintable(app.messages().texts().join(u'|')));
    QCOMPARE(app.session().currentUser(), QStringLiteral("ann"));
}

void AccountInfoTest::changeWithNewPasswordReplacesIt()
{
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    loadMain(app, QStringLiteral("ann"));
    open(app, Session::modifyMode());
    setText(app, window, QStringLiteral("txtPassword1"), QStringLiteral("newpass99"));
    setText(app, window, QStringLiteral("txtPassword2"), QStringLiteral("newpass99"));
    save(app);

    const QString stored = find(app, QStringLiteral("ann"))->passwordHash;
    QVERIFY(password::verify(QStringLiteral("newpass99"), stored));
    QVERIFY(!password::verify(QStringLiteral("secret123"), stored));
}

void AccountInfoTest::changeSwitchesBackOnAndKeepsEmptiedLimit()
{
    TestApp app;
    UserProfile ann = woman(QStringLiteral("ann"));
    ann.popstatus = ann.musstatus = ann.tipstatus = 0;
    ann.calorieLimit = QStringLiteral("2000");
    ann.fatLimit = QStringLiteral("60");
    add(app, ann);
    loadMain(app, QStringLiteral("ann"));
    open(app, Session::modifyMode());
    QCOMPARE(text(app, window, QStringLiteral("txtCal")), QStringLiteral("2000"));
    setText(app, window, QStringLiteral("txtCal"), QString());
    setText(app, window, QStringLiteral("txtFat"), QStringLiteral("70"));
    save(app);

    const auto stored = find(app, QStringLiteral("ann"));
    QCOMPARE(stored->popstatus, 1);
    QCOMPARE(stored->musstatus, 1);
    QCOMPARE(stored->tipstatus, 1);
    QCOMPARE(stored->calorieLimit, QStringLiteral("2000"));
    QCOMPARE(stored->fatLimit, QStringLiteral("70"));
    QCOMPARE(stored->lastlogin, 1);
}

void AccountInfoTest::storedMaleMaleReadsAsMaleAndIsRewritten()
{
    TestApp app;
    UserProfile bob = woman(QStringLiteral("bob"), QStringLiteral("Bob"));
    bob.sex = QStringLiteral("MaleMale");
    bob.bodytype = QStringLiteral("Slim");
    bob.bodytypeDesired = QStringLiteral("Built");
    bob.goal = QStringLiteral("Build Bulk");
    bob.stomach = QStringLiteral("Flat Stomach");
    bob.arms = QStringLiteral("Large");
    add(app, bob);
    loadMain(app, QStringLiteral("bob"));
    open(app, Session::modifyMode());

    QCOMPARE(app.control<QLabel>(window, QStringLiteral("CmbSex2"))->text(),
             QStringLiteral("Male"));
    QVERIFY(!app.control<QGroupBox>(window, QStringLiteral("frmMen"))->isHidden());
    QVERIFY(app.control<QGroupBox>(window, QStringLiteral("frmWomen"))->isHidden());
    QCOMPARE(text(app, window, QStringLiteral("CmbBodyType_m")), QStringLiteral("Slim"));
    QCOMPARE(find(app, QStringLiteral("bob"))->sex, QStringLiteral("Male"));
    save(app);
    QVERIFY(shown(app, saved, MessageIcon::Exclamation));
    // A man's save leaves the women's columns as they were.
    QCOMPARE(find(app, QStringLiteral("bob"))->chest, QStringLiteral("B"));
}

void AccountInfoTest::renamedAccountKeepsItsRows()
{
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    add(app, woman(QStringLiteral("bob"), QStringLiteral("Bob")));
    for (const char* user : {"ann", "ann", "bob"}) {
        QVERIFY(app.folder().exec(
            QStringLiteral("INSERT INTO schedule (username, date) VALUES ('%1', '1/05/2006')")
                .arg(QLatin1String(user))));
    }
    QVERIFY(app.folder().exec("INSERT INTO calender_info (UserName, date) VALUES ('ann', 'x')"));
    QVERIFY(app.folder().exec("INSERT INTO Dates (username, dDate) VALUES ('ann', '2006-01-05')"));
    MainProgram* main = loadMain(app, QStringLiteral("ann"));
    open(app, Session::modifyMode());
    setText(app, window, QStringLiteral("txtUsername"), QStringLiteral("annie"));
    save(app);

    QVERIFY(shown(app, saved, MessageIcon::Exclamation));
    QCOMPARE(count(app, "SELECT COUNT(*) FROM schedule WHERE username = 'annie'"), 2);
    QCOMPARE(count(app, "SELECT COUNT(*) FROM calender_info WHERE UserName = 'annie'"), 1);
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Dates WHERE username = 'annie'"), 1);
    for (const char* statement : {"SELECT COUNT(*) FROM UserInfo WHERE username = 'ann'",
                                  "SELECT COUNT(*) FROM schedule WHERE username = 'ann'",
                                  "SELECT COUNT(*) FROM calender_info WHERE UserName = 'ann'",
                                  "SELECT COUNT(*) FROM Dates WHERE username = 'ann'"})
        QVERIFY2(count(app, QString::fromLatin1(statement)) == 0, statement);
    QCOMPARE(count(app, "SELECT COUNT(*) FROM schedule WHERE username = 'bob'"), 1);
    QCOMPARE(app.session().currentUser(), QStringLiteral("annie"));
    QCOMPARE(main->statusText(), QStringLiteral("annie is Logged On"));
}

void AccountInfoTest::closeWritesNothing()
{
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    add(app, woman(QStringLiteral("bob"), QStringLiteral("Bob")));
    QVERIFY(AccountStore(app.database()).markLastLogin(QStringLiteral("bob")).ok());
    open(app, QString());
    fillMan(app, window, QStringLiteral("carl"));
    app.control<QPushButton>(window, QStringLiteral("Comclose"))->click();
    TestApp::settle();

    QVERIFY(!app.forms().isLoaded(window));
    QCOMPARE(count(app, "SELECT COUNT(*) FROM UserInfo"), 2);
    QCOMPARE(find(app, QStringLiteral("bob"))->lastlogin, 1);
    QCOMPARE(find(app, QStringLiteral("ann"))->lastlogin, 0);
    QVERIFY(app.messages().shown().isEmpty());
}

void AccountInfoTest::failedSaveLeavesTheFormAsItWas()
{
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    QVERIFY(AccountStore(app.database()).markLastLogin(QStringLiteral("ann")).ok());
    QVERIFY(app.folder().exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON UserInfo BEGIN SELECT RAISE(FAIL, 'disk is "
        "full'); END"));
    open(app, QString());
    fillMan(app, window, QStringLiteral("carl"));
    save(app);

    QCOMPARE(app.messages().last().icon, MessageIcon::Critical);
    QVERIFY2(app.messages().last().text.contains(QStringLiteral("disk is full")),
             qPrintable(app.messages().last().text));
    QVERIFY(!shown(app, saved, MessageIcon::Exclamation));
    QVERIFY(app.forms().find(window)->isVisible());
    QCOMPARE(text(app, window, QStringLiteral("txtUsername")), QStringLiteral("carl"));
    QCOMPARE(text(app, window, QStringLiteral("txtPassword2")), QStringLiteral("secret123"));
    // The last-login mark did not move either: the whole save was rolled back.
    QCOMPARE(find(app, QStringLiteral("ann"))->lastlogin, 1);
}

void AccountInfoTest::converters_data()
{
    QTest::addColumn<QString>("converter");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("expected"); // box=text after Enter

    const QString cm = QStringLiteral("Please enter a numerical value for CM in the blue box");
    const QString kg = QStringLiteral("Please enter a numerical value for KG in the blue box");
    QTest::newRow("height 170") << "txtCmCnv"
                                << "170" << QString()
                                << QStringList{"txtHeight1=5", "txtHeight2=7", "txtCmCnv="};
    QTest::newRow("height letters")
        << "txtCmCnv"
        << "abc" << cm << QStringList{"txtHeight1=5", "txtHeight2=10", "txtCmCnv=abc"};
    QTest::newRow("height 5a") << "txtCmCnv"
                               << "5a" << cm << QStringList{"txtHeight1=5", "txtHeight2=10"};
    QTest::newRow("waist 80") << "txtCmCnv2"
                              << "80" << QString() << QStringList{"txtWstSize=31", "txtCmCnv2="};
    QTest::newRow("waist letters empties waist")
        << "txtCmCnv2"
        << "abc" << cm << QStringList{"txtWstSize=", "txtCmCnv2=abc"};
    QTest::newRow("waist nothing empties waist") << "txtCmCnv2"
                                                 << "" << cm << QStringList{"txtWstSize="};
    // The box takes three characters: "1.." is as near to "1.2.3" as one can type.
    QTest::newRow("waist 1.. changes nothing")
        << "txtCmCnv2"
        << "1.." << cm << QStringList{"txtWstSize=34", "txtCmCnv2=1.."};
    QTest::newRow("weight 70") << "txtKgCnv"
                               << "70" << QString() << QStringList{"txtWeight=154", "txtKgCnv="};
    QTest::newRow("weight nothing") << "txtKgCnv"
                                    << "" << kg << QStringList{"txtWeight=180"};
}

void AccountInfoTest::converters()
{
    QFETCH(QString, converter);
    QFETCH(QString, input);
    QFETCH(QString, message);
    QFETCH(QStringList, expected);

    TestApp app;
    open(app, QString());
    setText(app, window, QStringLiteral("txtWeight"), QStringLiteral("180"));
    setText(app, window, QStringLiteral("txtHeight1"), QStringLiteral("5"));
    setText(app, window, QStringLiteral("txtHeight2"), QStringLiteral("10"));
    setText(app, window, QStringLiteral("txtWstSize"), QStringLiteral("34"));
    auto* box = app.control<QLineEdit>(window, converter);
    box->setText(input);
    QTest::keyClick(box, Qt::Key_A); // any other key just types
    box->setText(input);
    QVERIFY(app.messages().shown().isEmpty());
    QTest::keyClick(box, Qt::Key_Return);

    QCOMPARE(app.messages().last().text, message);
    if (!message.isEmpty())
        QCOMPARE(app.messages().last().icon, MessageIcon::Exclamation);
    for (const QString& pair : expected) {
        const QString name = pair.section(u'=', 0, 0);
        QCOMPARE(text(app, window, name), pair.section(u'=', 1));
        if (message.isEmpty() && !name.contains(QLatin1String("Cnv")))
            QCOMPARE(app.control<QLineEdit>(window, name)->palette().color(QPalette::Text),
                     QColor(255, 0, 0));
    }
}

void AccountInfoTest::waistChangeFillsEmptyInches()
{
    TestApp app;
    open(app, QString());
    QCOMPARE(text(app, window, QStringLiteral("txtHeight2")), QString());
    setText(app, window, QStringLiteral("txtWstSize"), QStringLiteral("3"));
    QCOMPARE(text(app, window, QStringLiteral("txtHeight2")), QStringLiteral("0"));
    setText(app, window, QStringLiteral("txtHeight2"), QStringLiteral("4"));
    setText(app, window, QStringLiteral("txtWstSize"), QStringLiteral("33"));
    QCOMPARE(text(app, window, QStringLiteral("txtHeight2")), QStringLiteral("4"));
}

void AccountInfoTest::typedSexShowsItsFrame()
{
    TestApp app;
    open(app, QString());
    auto* sex = app.control<QComboBox>(window, QStringLiteral("CmbSex"));
    QCOMPARE(sex->currentText(), QStringLiteral("Male"));
    QVERIFY(!app.control<QGroupBox>(window, QStringLiteral("frmMen"))->isHidden());
    sex->lineEdit()->clear();
    QTest::keyClicks(sex->lineEdit(), QStringLiteral("Female"));
    QCOMPARE(sex->currentText(), QStringLiteral("Female"));
    QVERIFY(app.control<QGroupBox>(window, QStringLiteral("frmMen"))->isHidden());
    QVERIFY(!app.control<QGroupBox>(window, QStringLiteral("frmWomen"))->isHidden());
    // The account window's drop-downs keep typed text, to be judged by the checks.
    QTest::keyClicks(app.control<QComboBox>(window, QStringLiteral("CmbArms_f"))->lineEdit(),
                     QStringLiteral("Huge"));
    QCOMPARE(text(app, window, QStringLiteral("CmbArms_f")), QStringLiteral("Huge"));
}

QTEST_MAIN(AccountInfoTest)
#include "tst_accountinfo.moc"
