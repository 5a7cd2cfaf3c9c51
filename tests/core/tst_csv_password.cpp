#include "core/Csv.h"
#include "core/PasswordHash.h"

#include <QtTest>

class CsvPasswordTest final : public QObject {
    Q_OBJECT

private slots:
    void csvQuotedFields();
    void passwordHash();
};

void CsvPasswordTest::csvQuotedFields()
{
    const auto rows = csv::parse(QStringLiteral(
        "name,desc\n\"Bread, whole wheat\",\"He said \"\"hi\"\"\"\nApple,\n\"two\nlines\",x\n"));
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[1], QStringList({"Bread, whole wheat", "He said \"hi\""}));
    QCOMPARE(rows[2], QStringList({"Apple", ""}));
    QCOMPARE(rows[3], QStringList({"two\nlines", "x"}));
}

void CsvPasswordTest::passwordHash()
{
    const QString stored = password::hash(QStringLiteral("secret12"));
    QVERIFY(stored.startsWith(QStringLiteral("$argon2id$")));
    QVERIFY(!stored.contains(QStringLiteral("secret12")));
    QVERIFY(password::verify(QStringLiteral("secret12"), stored));
    QVERIFY(!password::verify(QStringLiteral("SECRET12"), stored));
    QVERIFY(!password::verify(QStringLiteral("secret12"), QStringLiteral("secret12")));
    QVERIFY(!password::verify(QStringLiteral(""), QString()));
}

QTEST_GUILESS_MAIN(CsvPasswordTest)
#include "tst_csv_password.moc"
