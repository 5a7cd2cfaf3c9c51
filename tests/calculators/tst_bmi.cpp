#include "calculators/BmiCalculation.h"
#include "calculators/BmiFormula.h"

#include <QtTest>

Q_DECLARE_METATYPE(BmiBox)

namespace {

const QString weightMessage =
    QStringLiteral("You must enter a number for your weight. Example 10, 241, etc");
const QString feetMessage =
    QStringLiteral("You must enter a number for the feet portion of your Height.");
const QString inchMessage =
    QStringLiteral("You must enter a number for the inch portion of your Height.");
const QString normal = QStringLiteral("Your BMI is normal.");

} // namespace

class BmiTest final : public QObject {
    Q_OBJECT

private slots:
    void formula_data();
    void formula();
    void results_data();
    void results();
    void checks_data();
    void checks();
    void advice_data();
    void advice();
};

void BmiTest::formula_data()
{
    QTest::addColumn<qint64>("feet");
    QTest::addColumn<qint64>("inches");
    QTest::addColumn<qint64>("pounds");
    QTest::addColumn<int>("bmi"); // -1: no result

    QTest::newRow("5 ft 10, 170 lb") << qint64(5) << qint64(10) << qint64(170) << 24;
    QTest::newRow("5 ft 4, 154 lb") << qint64(5) << qint64(4) << qint64(154) << 26;
    QTest::newRow("5 ft 4, 155 lb") << qint64(5) << qint64(4) << qint64(155) << 27;
    QTest::newRow("6 ft 0, 250 lb") << qint64(6) << qint64(0) << qint64(250) << 34;
    QTest::newRow("weight 0") << qint64(5) << qint64(10) << qint64(0) << 0;
    // 2.2046 pounds per kilogram would give 28; 39.37 inches per metre would give 32.
    QTest::newRow("2.2 pounds a kilogram") << qint64(5) << qint64(0) << qint64(146) << 29;
    QTest::newRow("39.36 inches a metre") << qint64(5) << qint64(0) << qint64(161) << 31;
    QTest::newRow("largest weight") << qint64(6) << qint64(0) << qint64(32767) << 4451;
    QTest::newRow("weight beyond 16 bits") << qint64(6) << qint64(0) << qint64(32768) << -1;
    QTest::newRow("BMI just fits") << qint64(1) << qint64(0) << qint64(6700) << 32764;
    QTest::newRow("BMI beyond 16 bits") << qint64(1) << qint64(0) << qint64(6701) << -1;
    QTest::newRow("no height") << qint64(0) << qint64(0) << qint64(150) << -1;
    QTest::newRow("feet beyond 16 bits") << qint64(40000) << qint64(0) << qint64(150) << -1;
    QTest::newRow("total inches beyond 16 bits") << qint64(3000) << qint64(0) << qint64(150) << -1;
}

void BmiTest::formula()
{
    QFETCH(qint64, feet);
    QFETCH(qint64, inches);
    QFETCH(qint64, pounds);
    QFETCH(int, bmi);
    const auto result = FigureBMI(feet, inches, pounds);
    if (bmi < 0) {
        QVERIFY(!result.has_value());
    } else {
        QVERIFY(result.has_value());
        QCOMPARE(*result, bmi);
    }
}

void BmiTest::results_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("feet");
    QTest::addColumn<QString>("inches");
    QTest::addColumn<int>("bmi");
    QTest::addColumn<bool>("high");
    QTest::addColumn<QString>("inchesAfter");

    QTest::newRow("5 ft 10, 170 lb") << "170"
                                     << "5"
                                     << "10" << 24 << false << "10";
    QTest::newRow("5 ft 4, 154 lb") << "154"
                                    << "5"
                                    << "4" << 26 << false << "4";
    QTest::newRow("5 ft 4, 155 lb") << "155"
                                    << "5"
                                    << "4" << 27 << true << "4";
    QTest::newRow("6 ft 0, 250 lb") << "250"
                                    << "6"
                                    << "0" << 34 << true << "0";
    QTest::newRow("empty inches become 0") << "150"
                                           << "5"
                                           << "" << 29 << true << "0";
    QTest::newRow("weight 0 is normal") << "0"
                                        << "5"
                                        << "10" << 0 << false << "10";
    // 15.6 passes the range on its whole part, then counts as 16 (15 would give 22).
    QTest::newRow("feet 15.6 count as 16") << "1000"
                                           << "15.6"
                                           << "0" << 19 << false << "0";
    // 5 ft 11 would give 24, 6 ft 1 would give 22.
    QTest::newRow("inches 11.5 count as 12") << "170"
                                             << "5"
                                             << "11.5" << 23 << false << "11.5";
    QTest::newRow("inches 12.5 count as 12") << "170"
                                             << "5"
                                             << "12.5" << 23 << false << "12.5";
    QTest::newRow("inches 12.9 pass, count as 13") << "170"
                                                   << "5"
                                                   << "12.9" << 22 << false << "12.9";
    QTest::newRow("blanks around numbers") << " 170 "
                                           << " 5"
                                           << "10 " << 24 << false << "10 ";
    QTest::newRow("largest weight") << "32767"
                                    << "6"
                                    << "0" << 4451 << true << "0";
}

void BmiTest::results()
{
    QFETCH(QString, weight);
    QFETCH(QString, feet);
    QFETCH(QString, inches);
    QFETCH(int, bmi);
    QFETCH(bool, high);
    QFETCH(QString, inchesAfter);
    const BmiOutcome outcome = calculateBmi(BmiEntry{weight, feet, inches});
    QVERIFY2(!outcome.failure, qPrintable(outcome.failure ? outcome.failure->message : ""));
    QCOMPARE(outcome.bmi, bmi);
    QCOMPARE(outcome.advice.higherThanNormal, high);
    QCOMPARE(outcome.inches, inchesAfter);
}

void BmiTest::checks_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("feet");
    QTest::addColumn<QString>("inches");
    QTest::addColumn<int>("check");
    QTest::addColumn<QString>("message");
    QTest::addColumn<BmiBox>("cleared");
    QTest::addColumn<QString>("inchesAfter");

    const BmiBox none = BmiBox::None;
    QTest::newRow("1 all empty") << ""
                                 << ""
                                 << "" << 1 << "You cannot leave all fields empty" << none << "";
    QTest::newRow("2 weight empty") << ""
                                    << "5"
                                    << "10" << 2 << "Weight is required!" << none << "10";
    QTest::newRow("2 only inches typed") << ""
                                         << ""
                                         << "3" << 2 << "Weight is required!" << none << "3";
    QTest::newRow("3 weight 150kg") << "150kg"
                                    << "5"
                                    << "10" << 3 << weightMessage << BmiBox::Weight << "10";
    QTest::newRow("3 weight of blanks") << "  "
                                        << "5"
                                        << "10" << 3 << weightMessage << BmiBox::Weight << "10";
    QTest::newRow("3 before feet") << "abc"
                                   << ""
                                   << "" << 3 << weightMessage << BmiBox::Weight << "";
    QTest::newRow("4 weight -150") << "-150"
                                   << "5"
                                   << "10" << 4 << weightMessage << BmiBox::Weight << "10";
    QTest::newRow("4 weight +150") << "+150"
                                   << "5"
                                   << "10" << 4 << weightMessage << BmiBox::Weight << "10";
    QTest::newRow("5 feet empty, inches kept empty")
        << "150"
        << ""
        << "" << 5 << "Please enter a number for the feet portion of your Height." << none << "";
    QTest::newRow("6 feet five") << "150"
                                 << "five"
                                 << "10" << 6 << feetMessage << none << "10";
    QTest::newRow("6 before inches") << "150"
                                     << "5'"
                                     << "x" << 6 << feetMessage << none << "x";
    QTest::newRow("7 feet 0.9") << "150"
                                << "0.9"
                                << "10" << 7 << "Feet value must be between 1 and 15 feet"
                                << BmiBox::Feet << "10";
    QTest::newRow("7 feet 16") << "150"
                               << "16"
                               << "0" << 7 << "Feet value must be between 1 and 15 feet"
                               << BmiBox::Feet << "0";
    QTest::newRow("7 feet -5, range before sign")
        << "150"
        << "-5"
        << "10" << 7 << "Feet value must be between 1 and 15 feet" << BmiBox::Feet << "10";
    QTest::newRow("7 feet far too large")
        << "150"
        << "99999999999999999999999"
        << "10" << 7 << "Feet value must be between 1 and 15 feet" << BmiBox::Feet << "10";
    QTest::newRow("8 feet +5") << "150"
                               << "+5"
                               << "10" << 8 << feetMessage << none << "10";
    QTest::newRow("9 inches ten") << "150"
                                  << "5"
                                  << "ten" << 9 << inchMessage << none << "ten";
    QTest::newRow("11 inches 13") << "150"
                                  << "5"
                                  << "13" << 11 << "Inch value must be between 0 and 12 inches"
                                  << BmiBox::Inches << "13";
    QTest::newRow("11 inches -1") << "150"
                                  << "5"
                                  << "-1" << 11 << "Inch value must be between 0 and 12 inches"
                                  << BmiBox::Inches << "-1";
    QTest::newRow("12 inches +3") << "150"
                                  << "5"
                                  << "+3" << 12 << inchMessage << none << "+3";
    QTest::newRow("12 inches -0") << "150"
                                  << "5"
                                  << "-0" << 12 << inchMessage << none << "-0";
    QTest::newRow("13 weight beyond 16 bits")
        << "32768"
        << "5"
        << "10" << 13 << weightMessage << BmiBox::Weight << "10";
    QTest::newRow("13 weight rounds beyond 16 bits")
        << "32767.5"
        << "5"
        << "10" << 13 << weightMessage << BmiBox::Weight << "10";
    QTest::newRow("13 huge weight") << "1000000000000000000000"
                                    << "5"
                                    << "10" << 13 << weightMessage << BmiBox::Weight << "10";
    QTest::newRow("13 BMI beyond 16 bits, inches filled")
        << "30000"
        << "1"
        << "" << 13 << weightMessage << BmiBox::Weight << "0";
}

void BmiTest::checks()
{
    QFETCH(QString, weight);
    QFETCH(QString, feet);
    QFETCH(QString, inches);
    QFETCH(int, check);
    QFETCH(QString, message);
    QFETCH(BmiBox, cleared);
    QFETCH(QString, inchesAfter);
    const BmiOutcome outcome = calculateBmi(BmiEntry{weight, feet, inches});
    QVERIFY(outcome.failure.has_value());
    QCOMPARE(outcome.failure->check, check);
    QCOMPARE(outcome.failure->message, message);
    QCOMPARE(outcome.failure->clearAndFocus, cleared);
    QCOMPARE(outcome.inches, inchesAfter);
}

void BmiTest::advice_data()
{
    QTest::addColumn<int>("bmi");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");

    const QString high =
        QStringLiteral("Your BMI is higher than normal. Remember, you can have a high BMI and a "
                       "low body fat percentage. BMI is only one measure of your health. Body "
                       "fat percentage, blood pressure, resting heart rate, cholesterol and "
                       "other measurements are at least as important as BMI. You need to get "
                       "the whole picture. You should research the subject and be evaluated "
                       "professionally for a complete and accurate picture of your health.");
    QTest::newRow("0") << 0 << normal << 192 << 255 << 255;
    QTest::newRow("26") << 26 << normal << 192 << 255 << 255;
    QTest::newRow("27") << 27 << high << 255 << 128 << 128;
    QTest::newRow("40") << 40 << high << 255 << 128 << 128;
}

void BmiTest::advice()
{
    QFETCH(int, bmi);
    QFETCH(QString, text);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    const BmiAdvice advice = bmiAdvice(bmi);
    QCOMPARE(advice.text, text);
    QCOMPARE(advice.colour, (BmiColour{red, green, blue}));
    QCOMPARE(advice.higherThanNormal, bmi > 26);
}

QTEST_GUILESS_MAIN(BmiTest)
#include "tst_bmi.moc"
