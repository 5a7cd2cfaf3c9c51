#include "AccountFixture.h"
#include "accounts/AccountInfo.h"
#include "core/Session.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace fixture;

namespace {

QListWidget* list(TestApp& app, const QString& picker)
{
    return app.control<QListWidget>(picker, QStringLiteral("List1"));
}

QStringList entries(TestApp& app, const QString& picker)
{
    QStringList texts;
    for (int i = 0; i < list(app, picker)->count(); ++i)
        texts << list(app, picker)->item(i)->text();
    return texts;
}

// Picks the entry at `row` in the picker and confirms it with the password.
void pickAndConfirm(TestApp& app, const QString& picker, int row, const QString& password)
{
    const QString confirmation = picker == QLatin1String("ModifyMenu")
                                     ? QStringLiteral("ValidUser")
                                     : QStringLiteral("ValidUser2");
    list(app, picker)->setCurrentRow(row);
    app.control<QPushButton>(picker, QStringLiteral("Command1"))->click();
    auto* box = app.control<QLineEdit>(confirmation, QStringLiteral("txtPassword"));
    QVERIFY(box);
    box->setText(password);
    QTest::keyClick(box, Qt::Key_Return);
    TestApp::settle();
    // One attempt per confirmation window, whatever the outcome.
    QVERIFY(!app.forms().isLoaded(confirmation));
}

void addRows(TestApp& app, const QString& user)
{
    QVERIFY(app.folder().exec(
        QStringLiteral("INSERT INTO schedule (username, date) VALUES ('%1', '1/05/2006')")
            .arg(user)));
    QVERIFY(app.folder().exec(
        QStringLiteral("INSERT INTO calender_info (UserName, date) VALUES ('%1', 'x')").arg(user)));
    QVERIFY(app.folder().exec(
        QStringLiteral("INSERT INTO Dates (username, dDate) VALUES ('%1', '2006-01-05')")
            .arg(user)));
    QVERIFY(
        app.folder().exec(QStringLiteral("INSERT INTO tTime (dID) SELECT MAX(dID) FROM Dates")));
}

int rowsOf(TestApp& app, const QString& user)
{
    int total = 0;
    for (const char* statement :
         {"SELECT COUNT(*) FROM UserInfo WHERE username = '%1'",
          "SELECT COUNT(*) FROM schedule WHERE username = '%1'",
          "SELECT COUNT(*) FROM calender_info WHERE UserName = '%1'",
          "SELECT COUNT(*) FROM Dates WHERE username = '%1'",
          "SELECT COUNT(*) FROM tTime WHERE dID IN (SELECT dID FROM Dates WHERE username = '%1')"})
        total += count(app, QString::fromLatin1(statement).arg(user));
    return total;
}

} // namespace

class AccountPickersTest final : public QObject {
    Q_OBJECT

private slots:
    void noSelectionAsksForOne_data();
    void noSelectionAsksForOne();
    void doubleClickIsTheButton_data();
    void doubleClickIsTheButton();
    void passwordInOtherCaseRefused_data();
    void passwordInOtherCaseRefused();
    void rightPasswordOpensThePickedAccount();
    void sameNamesTheFirstCounts();
    void deletionRemovesEverythingOfTheAccount();
    void failedDeletionChangesNothing();
};

void AccountPickersTest::noSelectionAsksForOne_data()
{
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("message");
    QTest::newRow("modify") << "ModifyMenu"
                            << "Please select one of the accounts listed";
    QTest::newRow("delete") << "DeleteAccount"
                            << "Please select one of the UserInfo listed";
}

void AccountPickersTest::noSelectionAsksForOne()
{
    QFETCH(QString, picker);
    QFETCH(QString, message);
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    app.forms().show(picker);
    QCOMPARE(entries(app, picker), QStringList{QStringLiteral("Lee, Ann")});
    app.control<QPushButton>(picker, QStringLiteral("Command1"))->click();
    QCOMPARE(app.messages().last().text, message);
    QCOMPARE(app.messages().last().icon, MessageIcon::Information);
    QVERIFY(!app.forms().isLoaded(QStringLiteral("ValidUser")));
    QVERIFY(!app.forms().isLoaded(QStringLiteral("ValidUser2")));
}

void AccountPickersTest::doubleClickIsTheButton_data()
{
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("confirmation");
    QTest::newRow("modify") << "ModifyMenu"
                            << "ValidUser";
    QTest::newRow("delete") << "DeleteAccount"
                            << "ValidUser2";
}

void AccountPickersTest::doubleClickIsTheButton()
{
    QFETCH(QString, picker);
    QFETCH(QString, confirmation);
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    add(app, woman(QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("Ray")));
    app.forms().show(picker);
    QListWidget* accounts = list(app, picker);
    QVERIFY(QTest::qWaitForWindowExposed(accounts->window()));
    const QRect rect = accounts->visualItemRect(accounts->item(1));
    // A double click is a press and a release, then the second press.
    QTest::mouseClick(accounts->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(accounts->viewport(), Qt::LeftButton, {}, rect.center());
    QVERIFY(app.messages().shown().isEmpty());
    QWidget* confirm = app.forms().find(confirmation);
    QVERIFY(confirm && confirm->isVisible());
    QCOMPARE(accounts->currentItem()->text(), QStringLiteral("Ray, Bob"));
}

void AccountPickersTest::passwordInOtherCaseRefused_data()
{
    QTest::addColumn<QString>("picker");
    QTest::newRow("modify") << "ModifyMenu";
    QTest::newRow("delete") << "DeleteAccount";
}

void AccountPickersTest::passwordInOtherCaseRefused()
{
    QFETCH(QString, picker);
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    app.forms().show(picker);
    pickAndConfirm(app, picker, 0, QStringLiteral("Secret123"));

    QCOMPARE(app.messages().last().text, QStringLiteral("You have not entered a correct password"));
    QCOMPARE(app.messages().last().icon, MessageIcon::Critical);
    QVERIFY(!app.forms().isLoaded(QStringLiteral("AccountInfo")));
    QCOMPARE(count(app, QStringLiteral("SELECT COUNT(*) FROM UserInfo")), 1);
}

void AccountPickersTest::rightPasswordOpensThePickedAccount()
{
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    add(app, woman(QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("Ray")));
    // An account window left loaded and hidden in the add mode.
    app.session().setModFlag(QString());
    app.forms().load(QStringLiteral("AccountInfo"));
    app.session().setModFlag(Session::deleteMode());
    app.forms().show(QStringLiteral("ModifyMenu"));
    pickAndConfirm(app, QStringLiteral("ModifyMenu"), 1, QStringLiteral("secret123"));

    QVERIFY(app.messages().shown().isEmpty());
    auto* account = app.forms().find<AccountInfo>(QStringLiteral("AccountInfo"));
    QVERIFY(account && account->isVisible());
    QCOMPARE(account->mode(), AccountInfo::Mode::ChangePicked);
    QCOMPARE(text(app, QStringLiteral("AccountInfo"), QStringLiteral("txtUsername")),
             QStringLiteral("bob"));
    // The picker stays open behind the account window until a save hides it.
    QVERIFY(app.forms().find(QStringLiteral("ModifyMenu"))->isVisible());
    setText(app, QStringLiteral("AccountInfo"), QStringLiteral("txtWeight"), QStringLiteral("150"));
    app.control<QPushButton>(QStringLiteral("AccountInfo"), QStringLiteral("btnCrtAccnt"))->click();
    QCOMPARE(find(app, QStringLiteral("bob"))->weight, QStringLiteral("150"));
    QCOMPARE(find(app, QStringLiteral("ann"))->weight, QStringLiteral("140"));
    QVERIFY(!app.forms().find(QStringLiteral("ModifyMenu"))->isVisible());
}

void AccountPickersTest::sameNamesTheFirstCounts()
{
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    UserProfile twin = woman(QStringLiteral("ann2"));
    twin.passwordHash = password::hash(QStringLiteral("other9999"));
    add(app, twin);
    const QString picker = QStringLiteral("DeleteAccount");
    app.forms().show(picker);
    QCOMPARE(entries(app, picker),
             (QStringList{QStringLiteral("Lee, Ann"), QStringLiteral("Lee, Ann")}));

    // Whichever entry is picked, the first account's password is the one tested.
    pickAndConfirm(app, picker, 1, QStringLiteral("other9999"));
    QCOMPARE(app.messages().last().text, QStringLiteral("You have not entered a correct password"));
    pickAndConfirm(app, picker, 1, QStringLiteral("secret123"));
    QCOMPARE(app.messages().last().text, QStringLiteral("This account has been deleted"));
    QVERIFY(!find(app, QStringLiteral("ann")));
    QVERIFY(find(app, QStringLiteral("ann2")));
    QCOMPARE(entries(app, picker), QStringList{QStringLiteral("Lee, Ann")});
}

void AccountPickersTest::deletionRemovesEverythingOfTheAccount()
{
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    add(app, woman(QStringLiteral("bob"), QStringLiteral("Bob"), QStringLiteral("Ray")));
    addRows(app, QStringLiteral("ann"));
    addRows(app, QStringLiteral("bob"));
    app.session().setLastSavedUser(QStringLiteral("ann"));
    const QString picker = QStringLiteral("DeleteAccount");
    app.forms().show(picker);
    const QWidget* before = app.forms().find(picker);
    pickAndConfirm(app, picker, 0, QStringLiteral("secret123"));

    QCOMPARE(app.messages().last().text, QStringLiteral("This account has been deleted"));
    QCOMPARE(app.messages().last().icon, MessageIcon::Information);
    QCOMPARE(rowsOf(app, QStringLiteral("ann")), 0);
    QCOMPARE(rowsOf(app, QStringLiteral("bob")), 5);
    QCOMPARE(count(app, QStringLiteral("SELECT COUNT(*) FROM tTime")), 1);
    // The picker was loaded afresh and shows what is left.
    QWidget* after = app.forms().find(picker);
    QVERIFY(after && after != before && after->isVisible());
    QCOMPARE(entries(app, picker), QStringList{QStringLiteral("Ray, Bob")});
    QCOMPARE(app.session().lastSavedUser(), QString());
}

void AccountPickersTest::failedDeletionChangesNothing()
{
    TestApp app;
    add(app, woman(QStringLiteral("ann")));
    addRows(app, QStringLiteral("ann"));
    // The last statement of the deletion fails: what went before is rolled back.
    QVERIFY(app.folder().exec(
        "CREATE TRIGGER refuse BEFORE DELETE ON UserInfo BEGIN SELECT RAISE(FAIL, 'database "
        "is locked'); END"));
    const QString picker = QStringLiteral("DeleteAccount");
    app.forms().show(picker);
    const QWidget* before = app.forms().find(picker);
    pickAndConfirm(app, picker, 0, QStringLiteral("secret123"));

    QCOMPARE(app.messages().last().icon, MessageIcon::Critical);
    QVERIFY(app.messages().last().text.contains(QStringLiteral("database is locked")));
    QCOMPARE(rowsOf(app, QStringLiteral("ann")), 5);
    QCOMPARE(app.forms().find(picker), before);
    QCOMPARE(entries(app, picker), QStringList{QStringLiteral("Lee, Ann")});
}

QTEST_MAIN(AccountPickersTest)
#include "tst_accountpickers.moc"
