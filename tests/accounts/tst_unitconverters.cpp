#include "accounts/UnitConverters.h"

#include <QtTest>

Q_DECLARE_METATYPE(convert::Outcome)

class UnitConvertersTest final : public QObject {
    Q_OBJECT

private slots:
    void height_data();
    void height();
    void waist_data();
    void waist();
    void weight_data();
    void weight();
};

void UnitConvertersTest::height_data()
{
    QTest::addColumn<QString>("centimetres");
    QTest::addColumn<convert::Outcome>("outcome");
    QTest::addColumn<QString>("feet");
    QTest::addColumn<QString>("inches");

    using convert::Outcome;
    QTest::newRow("170") << "170" << Outcome::Converted << "5"
                         << "7";
    QTest::newRow("182 rounds up to 6 ft") << "182" << Outcome::Converted << "6"
                                           << "0";
    QTest::newRow("150") << "150" << Outcome::Converted << "4"
                         << "11";
    // 6.35 cm is exactly 2.5 inches: the half goes to the even neighbour.
    QTest::newRow("half to even") << "6.35" << Outcome::Converted << "0"
                                  << "2";
    QTest::newRow("blanks around") << " 170 " << Outcome::Converted << "5"
                                   << "7";
    QTest::newRow("letters") << "abc" << Outcome::NoDigit << ""
                             << "";
    QTest::newRow("nothing") << "" << Outcome::NoDigit << ""
                             << "";
    QTest::newRow("digit and letter") << "5a" << Outcome::NotANumber << ""
                                      << "";
    QTest::newRow("two points") << "1.2.3" << Outcome::NotANumber << ""
                                << "";
}

void UnitConvertersTest::height()
{
    QFETCH(QString, centimetres);
    QFETCH(convert::Outcome, outcome);
    QFETCH(QString, feet);
    QFETCH(QString, inches);

    const convert::Height result = convert::heightFromCentimetres(centimetres);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.feet, feet);
    QCOMPARE(result.inches, inches);
}

void UnitConvertersTest::waist_data()
{
    QTest::addColumn<QString>("centimetres");
    QTest::addColumn<convert::Outcome>("outcome");
    QTest::addColumn<QString>("inches");

    using convert::Outcome;
    QTest::newRow("80") << "80" << Outcome::Converted << "31";
    // 81.27 cm is 31.996 inches: the whole part, never rounded up.
    QTest::newRow("81.27 keeps 31") << "81.27" << Outcome::Converted << "31";
    QTest::newRow("letters") << "abc" << Outcome::NoDigit << "";
    QTest::newRow("nothing") << "" << Outcome::NoDigit << "";
    QTest::newRow("5a") << "5a" << Outcome::NotANumber << "";
    QTest::newRow("1.2.3") << "1.2.3" << Outcome::NotANumber << "";
}

void UnitConvertersTest::waist()
{
    QFETCH(QString, centimetres);
    QFETCH(convert::Outcome, outcome);
    QFETCH(QString, inches);

    const convert::Value result = convert::waistFromCentimetres(centimetres);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.text, inches);
}

void UnitConvertersTest::weight_data()
{
    QTest::addColumn<QString>("kilograms");
    QTest::addColumn<convert::Outcome>("outcome");
    QTest::addColumn<QString>("pounds");

    using convert::Outcome;
    QTest::newRow("70") << "70" << Outcome::Converted << "154";
    QTest::newRow("100") << "100" << Outcome::Converted << "220";
    QTest::newRow("largest the box takes") << "999" << Outcome::Converted << "2202";
    QTest::newRow("letters") << "abc" << Outcome::NoDigit << "";
    QTest::newRow("nothing") << "" << Outcome::NoDigit << "";
    QTest::newRow("5a") << "5a" << Outcome::NotANumber << "";
    QTest::newRow("1.2.3") << "1.2.3" << Outcome::NotANumber << "";
}

void UnitConvertersTest::weight()
{
    QFETCH(QString, kilograms);
    QFETCH(convert::Outcome, outcome);
    QFETCH(QString, pounds);

    const convert::Value result = convert::weightFromKilograms(kilograms);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.text, pounds);
}

QTEST_GUILESS_MAIN(UnitConvertersTest)
#include "tst_unitconverters.moc"
