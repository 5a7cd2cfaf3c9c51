#include "core/DayText.h"

#include <QtTest>

class DayTextTest final : public QObject {
    Q_OBJECT

private slots:
    void dateText_data();
    void dateText();
    void monthNames_data();
    void monthNames();
    void dateValueRoundTrip();
};

void DayTextTest::dateText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::newRow("january") << QDate(2006, 1, 5) << "1/05/2006"
                             << "05"
                             << "1";
    QTest::newRow("christmas") << QDate(2005, 12, 25) << "12/25/2005"
                               << "25"
                               << "12";
    QTest::newRow("october first") << QDate(2006, 10, 1) << "10/01/2006"
                                   << "01"
                                   << "10";
}

void DayTextTest::dateText()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QFETCH(QString, day);
    QFETCH(QString, month);
    const daytext::DayTexts texts = daytext::takeDay(date);
    QCOMPARE(texts.dateText, text);
    QCOMPARE(texts.day, day);
    QCOMPARE(texts.month, month);
    QCOMPARE(texts.year, QString::number(date.year()));
    QCOMPARE(daytext::dateText(date), text);
}

void DayTextTest::monthNames_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("name");
    QTest::newRow("1") << 1 << "JANUARY";
    QTest::newRow("9") << 9 << "SEPTEMBER";
    QTest::newRow("12") << 12 << "DECEMBER";
    QTest::newRow("0") << 0 << "";
    QTest::newRow("13") << 13 << "";
    QTest::newRow("-1") << -1 << "";
}

void DayTextTest::monthNames()
{
    QFETCH(int, month);
    QFETCH(QString, name);
    QCOMPARE(daytext::convertMonthNo(month), name);
}

void DayTextTest::dateValueRoundTrip()
{
    const QDate day(2006, 1, 5);
    QCOMPARE(daytext::dateValue(day), QStringLiteral("2006-01-05"));
    QCOMPARE(daytext::fromDateValue(daytext::dateValue(day)), day);
    QVERIFY(!daytext::shortDateText(day).isEmpty());
}

QTEST_GUILESS_MAIN(DayTextTest)
#include "tst_daytext.moc"
