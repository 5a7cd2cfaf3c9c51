#include "calculators/HeartRate.h"

#include <QtTest>

class HeartRateTest final : public QObject {
    Q_OBJECT

private slots:
    void beginners_data();
    void beginners();
    void profileAge_data();
    void profileAge();
    void advanced_data();
    void advanced();
};

void HeartRateTest::beginners_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");

    QTest::newRow("30") << 30 << 190 << 114 << 152;
    QTest::newRow("45") << 45 << 175 << 105 << 140;
    QTest::newRow("41") << 41 << 179 << 107 << 143;
    QTest::newRow("120") << 120 << 100 << 60 << 80;
}

void HeartRateTest::beginners()
{
    QFETCH(int, age);
    QFETCH(int, maximum);
    QFETCH(int, low);
    QFETCH(int, high);
    QCOMPARE(beginnerRates(age), (HeartRates{maximum, low, high}));
}

void HeartRateTest::profileAge_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("age"); // -1: none

    QTest::newRow("whole") << "30" << 30;
    QTest::newRow("half to even below") << "120.5" << 120;
    QTest::newRow("half to even above") << "41.5" << 42;
    QTest::newRow("decimal") << "44.6" << 45;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("not a number") << "abc" << -1;
    QTest::newRow("beyond 16 bits") << "40000" << -1;
}

void HeartRateTest::profileAge()
{
    QFETCH(QString, text);
    QFETCH(int, age);
    const auto result = heartRateAge(text);
    if (age < 0) {
        QVERIFY(!result.has_value());
    } else {
        QVERIFY(result.has_value());
        QCOMPARE(*result, age);
    }
}

void HeartRateTest::advanced_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");

    const QString range = QStringLiteral("Plese enter a valid number");
    const QString number = QStringLiteral("Please enter a valid number");
    QTest::newRow("30, rest 60") << 30 << "60"
                                 << "" << 190 << 138 << 164;
    QTest::newRow("45, rest 72") << 45 << "72"
                                 << "" << 175 << 134 << 154;
    QTest::newRow("rest 51 accepted") << 30 << "51"
                                      << "" << 190 << 134 << 162;
    QTest::newRow("rest 249 accepted") << 30 << "249"
                                       << "" << 190 << 214 << 202;
    QTest::newRow("rest 50.5 accepted") << 30 << "50.5"
                                        << "" << 190 << 134 << 162;
    QTest::newRow("rest 51.25, half to even") << 30 << "51.25"
                                              << "" << 190 << 134 << 162;
    QTest::newRow("blanks around rest") << 30 << " 60 "
                                        << "" << 190 << 138 << 164;
    QTest::newRow("rest 50 refused") << 30 << "50" << range << 0 << 0 << 0;
    QTest::newRow("rest 250 refused") << 30 << "250" << range << 0 << 0 << 0;
    QTest::newRow("rest -60 refused") << 30 << "-60" << range << 0 << 0 << 0;
    QTest::newRow("rest abc refused") << 30 << "abc" << number << 0 << 0 << 0;
    QTest::newRow("rest empty refused") << 30 << "" << number << 0 << 0 << 0;
    QTest::newRow("rest 60 bpm refused") << 30 << "60 bpm" << number << 0 << 0 << 0;
}

void HeartRateTest::advanced()
{
    QFETCH(int, age);
    QFETCH(QString, rest);
    QFETCH(QString, message);
    QFETCH(int, maximum);
    QFETCH(int, low);
    QFETCH(int, high);
    const AdvancedRates result = advancedRates(age, rest);
    if (!message.isEmpty()) {
        QVERIFY(result.message.has_value());
        QCOMPARE(*result.message, message);
        return;
    }
    QVERIFY2(!result.message, qPrintable(result.message.value_or(QString())));
    QCOMPARE(result.rates, (HeartRates{maximum, low, high}));
}

QTEST_GUILESS_MAIN(HeartRateTest)
#include "tst_heartrate.moc"
