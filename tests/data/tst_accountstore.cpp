#include "data/AccountStore.h"
#include "support/TempProgramFolder.h"

#include <QSqlQuery>
#include <QtTest>

namespace {

UserProfile profile(const QString& username, const QString& lname = QStringLiteral("Smith"))
{
    UserProfile p;
    p.fname = QStringLiteral("Ann");
    p.lname = lname;
    p.username = username;
    p.passwordHash = QStringLiteral("$argon2id$stub");
    p.age = QStringLiteral("120.5");
    p.sex = QStringLiteral("Female");
    p.weight = QStringLiteral("150");
    return p;
}

int count(Database& db, const QString& statement)
{
    QSqlQuery q(db.connection());
    if (!q.exec(statement) || !q.next())
        return -1;
    return q.value(0).toInt();
}

} // namespace

class AccountStoreTest final : public QObject {
    Q_OBJECT

private slots:
    void addKeepsTypedTexts();
    void namesAreUniqueIgnoringCase();
    void lastLoginMarksOneAccount();
    void renameCarriesEveryRow();
    void removeTakesEveryRowAndOnlyThose();
    void quotesAndWildcardsAreBound();
};

void AccountStoreTest::addKeepsTypedTexts()
{
    TempProgramFolder folder;
    AccountStore store(folder.database());
    auto id = store.add(profile(QStringLiteral("ann")));
    QVERIFY(id.ok());
    auto found = store.find(QStringLiteral("ANN"));
    QVERIFY(found.ok() && found.value().has_value());
    QCOMPARE(found.value()->age, QStringLiteral("120.5"));
    QCOMPARE(found.value()->userId, id.value());
    QCOMPARE(store.count().value(), 1);
}

void AccountStoreTest::namesAreUniqueIgnoringCase()
{
    TempProgramFolder folder;
    AccountStore store(folder.database());
    const qint64 id = store.add(profile(QStringLiteral("ann"))).value();
    QVERIFY(store.nameTaken(QStringLiteral("ANN")).value());
    QVERIFY(!store.nameTaken(QStringLiteral("ANN"), id).value());
    QVERIFY(!store.nameTaken(QStringLiteral("bob")).value());
    auto second = store.add(profile(QStringLiteral("Ann")));
    QVERIFY(!second.ok());
    QVERIFY(!second.error().isEmpty());
}

void AccountStoreTest::lastLoginMarksOneAccount()
{
    TempProgramFolder folder;
    AccountStore store(folder.database());
    (void)store.add(profile(QStringLiteral("ann")));
    (void)store.add(profile(QStringLiteral("bob")));
    QVERIFY(store.markLastLogin(QStringLiteral("BOB")).ok());
    const auto entries = store.list().value();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].lastlogin, 0);
    QCOMPARE(entries[1].lastlogin, 1);
}

void AccountStoreTest::renameCarriesEveryRow()
{
    TempProgramFolder folder;
    Database& db = folder.database();
    AccountStore store(db);
    const qint64 id = store.add(profile(QStringLiteral("ann"))).value();
    QVERIFY(folder.exec("INSERT INTO schedule (username, date) VALUES ('ann', '1/05/2006')"));
    QVERIFY(folder.exec("INSERT INTO calender_info (UserName, date) VALUES ('ann', '1/05/2006')"));
    QVERIFY(folder.exec("INSERT INTO Dates (username, dDate) VALUES ('ann', '2006-01-05')"));
    UserProfile changed = store.findById(id).value().value();
    changed.username = QStringLiteral("annie");
    QVERIFY(store.update(changed).ok());
    QCOMPARE(count(db, "SELECT COUNT(*) FROM schedule WHERE username = 'annie'"), 1);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM calender_info WHERE UserName = 'annie'"), 1);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM Dates WHERE username = 'annie'"), 1);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM schedule WHERE username = 'ann'"), 0);
}

void AccountStoreTest::removeTakesEveryRowAndOnlyThose()
{
    TempProgramFolder folder;
    Database& db = folder.database();
    AccountStore store(db);
    const qint64 ann = store.add(profile(QStringLiteral("ann"))).value();
    (void)store.add(profile(QStringLiteral("bob")));
    for (const char* who : {"ann", "bob"}) {
        const QString w = QString::fromLatin1(who);
        QVERIFY(
            folder.exec(QStringLiteral("INSERT INTO schedule (username) VALUES ('%1')").arg(w)));
        QVERIFY(folder.exec(
            QStringLiteral("INSERT INTO calender_info (UserName) VALUES ('%1')").arg(w)));
        QVERIFY(folder.exec(QStringLiteral("INSERT INTO Dates (username) VALUES ('%1')").arg(w)));
        QVERIFY(folder.exec(QStringLiteral("INSERT INTO tTime (dID) SELECT MAX(dID) FROM Dates")));
    }
    QVERIFY(store.remove(ann).ok());
    QCOMPARE(count(db, "SELECT COUNT(*) FROM UserInfo"), 1);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM schedule"), 1);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM calender_info"), 1);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM Dates WHERE username = 'bob'"), 1);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM Dates"), 1);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM tTime"), 1);
    QCOMPARE(count(db, "SELECT COUNT(*) FROM tTime JOIN Dates ON Dates.dID = tTime.dID"), 1);
}

void AccountStoreTest::quotesAndWildcardsAreBound()
{
    TempProgramFolder folder;
    AccountStore store(folder.database());
    (void)store.add(profile(QStringLiteral("a_b"), QStringLiteral("O'Brien")));
    QVERIFY(!store.find(QStringLiteral("a%")).value().has_value());
    QCOMPARE(store.find(QStringLiteral("a_b")).value()->lname, QStringLiteral("O'Brien"));
}

QTEST_GUILESS_MAIN(AccountStoreTest)
#include "tst_accountstore.moc"
