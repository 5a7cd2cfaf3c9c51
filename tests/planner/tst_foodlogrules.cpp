#include "planner/DayTotals.h"
#include "planner/FoodLogChecks.h"
#include "planner/LimitCheck.h"

#include <QtTest>

namespace {

const QString required = "Servings/Quantity value is required ";
const QString notAbove0 = "Servings/Quantity value must be greater than 0 ";
const QString notNumber = "You must enter a number for Servings/Quantity ";

Nutrients calories(double value)
{
    Nutrients n;
    n.calories = value;
    return n;
}

} // namespace

class FoodLogRulesTest final : public QObject {
    Q_OBJECT

private slots:
    void addChecks_data();
    void addChecks();
    void newQuantity_data();
    void newQuantity();
    void limitQuestions_data();
    void limitQuestions();
    void limitShownAsStoredInLaterMeals_data();
    void limitShownAsStoredInLaterMeals();
    void dayTotals_data();
    void dayTotals();
};

void FoodLogRulesTest::addChecks_data()
{
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("selected"); // "-" for nothing selected
    QTest::addColumn<QStringList>("meal");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("reset");

    const QStringList none;
    QTest::newRow("nothing picked")
        << ""
        << "1"
        << "-" << none << "Please click on a food from the list of foods." << false;
    QTest::newRow("asterisk") << "Apple*"
                              << "1"
                              << "-" << none << "Please click on a food from the list of foods."
                              << false;
    QTest::newRow("header line") << QString(21, u' ') + "DRINKS" + QString(29, u' ') << "1"
                                 << "-" << none << "Please click on a food name." << false;
    QTest::newRow("no-match line") << "          THERE WAS NO MATCH FOUND    "
                                   << "1"
                                   << "-" << none << "Please click on a food name." << false;
    QTest::newRow("empty quantity") << "Apple"
                                    << ""
                                    << "-" << none << required << true;
    QTest::newRow("half") << "Apple"
                          << "0.5"
                          << "-" << none << QString() << false;
    QTest::newRow("point five") << "Apple"
                                << ".5"
                                << "-" << none << QString() << false;
    QTest::newRow("leading blank") << "Apple"
                                   << " 3"
                                   << "-" << none << QString() << false;
    QTest::newRow("one and a half") << "Apple"
                                    << "1.5"
                                    << "-" << none << QString() << false;
    QTest::newRow("ten") << "Apple"
                         << "10"
                         << "-" << none << QString() << false;
    QTest::newRow("zero") << "Apple"
                          << "0"
                          << "-" << none << notAbove0 << true;
    QTest::newRow("zero point zero") << "Apple"
                                     << "0.0"
                                     << "-" << none << notAbove0 << true;
    QTest::newRow("minus") << "Apple"
                           << "-2"
                           << "-" << none << notAbove0 << true;
    QTest::newRow("plus") << "Apple"
                          << "+2"
                          << "-" << none << notAbove0 << true;
    QTest::newRow("letters") << "Apple"
                             << "abc"
                             << "-" << none << notNumber << true;
    QTest::newRow("blanks") << "Apple"
                            << "  "
                            << "-" << none << notNumber << true;
    QTest::newRow("two points") << "Apple"
                                << "1.2.3"
                                << "-" << none << notNumber << true;
    QTest::newRow("selected is the food")
        << "Apple"
        << "1"
        << "Apple" << QStringList{"Apple"} << "You have already selected Apple " << true;
    QTest::newRow("selected only contains the food")
        << "Apple"
        << "1"
        << "Apple pie" << QStringList{"Apple pie"} << QString() << false;
    QTest::newRow("already in the meal") << "Apple"
                                         << "2"
                                         << "-" << QStringList{"Apple pie", "Apple"}
                                         << "You have already selected 'Apple' " << false;
    QTest::newRow("letter case counts") << "Apple"
                                        << "2"
                                        << "-" << QStringList{"apple"} << QString() << false;
    QTest::newRow("quote in the name") << "O'Brien Stew"
                                       << "1"
                                       << "-" << QStringList{"O'Brien Stew"}
                                       << "You have already selected 'O'Brien Stew' " << false;
}

void FoodLogRulesTest::addChecks()
{
    QFETCH(QString, picked);
    QFETCH(QString, quantity);
    QFETCH(QString, selected);
    QFETCH(QStringList, meal);
    QFETCH(QString, message);
    QFETCH(bool, reset);
    const auto refused = FoodLogChecks::checkAdd(
        {picked, quantity, selected == "-" ? std::nullopt : std::optional<QString>(selected),
         meal});
    QCOMPARE(refused.has_value(), !message.isEmpty());
    if (refused) {
        QCOMPARE(refused->message, message);
        QCOMPARE(refused->resetQuantities, reset);
    }
}

void FoodLogRulesTest::newQuantity_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString above0 = "You must enter number greater than 0 ";
    const QString number = "You must enter a number";
    QTest::newRow("empty") << ""
                           << "Please enter a number";
    QTest::newRow("half") << "0.5" << QString();
    QTest::newRow("one and a half") << "1.5" << QString();
    QTest::newRow("trimmed") << " 3 " << QString();
    QTest::newRow("zero") << "0" << above0;
    QTest::newRow("minus") << "-2" << above0;
    QTest::newRow("plus") << "+2" << number;
    QTest::newRow("sum") << "2-1" << number;
    QTest::newRow("letters") << "abc" << number;
}

void FoodLogRulesTest::newQuantity()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QCOMPARE(FoodLogChecks::checkNewQuantity(typed).value_or(QString()), message);
}

void FoodLogRulesTest::limitQuestions_data()
{
    QTest::addColumn<QString>("limit");
    QTest::addColumn<double>("day");
    QTest::addColumn<double>("food");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<bool>("asks");
    QTest::newRow("no limit") << "" << 5000.0 << 500.0 << 1.0 << false;
    QTest::newRow("limit 0") << "0" << 5000.0 << 500.0 << 1.0 << false;
    QTest::newRow("the day will pass it") << "2000" << 1800.0 << 350.0 << 2.0 << true;
    QTest::newRow("already past") << "2000" << 2100.0 << 1.0 << 1.0 << true;
    QTest::newRow("reaching it exactly") << "2000" << 1650.0 << 350.0 << 1.0 << false;
    QTest::newRow("one serving equal to it") << "350" << 0.0 << 350.0 << 1.0 << false;
    QTest::newRow("half rounds to even, down") << "2000" << 2000.0 << 0.5 << 1.0 << false;
    QTest::newRow("half rounds to even, up") << "2000" << 2000.0 << 1.5 << 1.0 << true;
    QTest::newRow("limit rounds to even") << "2000.5" << 2000.0 << 0.6 << 1.0 << true;
    QTest::newRow("far beyond 16 bits") << "40000" << 39000.0 << 600.0 << 2.0 << true;
    QTest::newRow("half a serving") << "2000" << 1800.0 << 350.0 << 0.5 << false;
}

void FoodLogRulesTest::limitQuestions()
{
    QFETCH(QString, limit);
    QFETCH(double, day);
    QFETCH(double, food);
    QFETCH(double, quantity);
    QFETCH(bool, asks);
    LimitCheck::Input input;
    input.limits.calories = limit;
    input.daySoFar = calories(day);
    input.perServing = calories(food);
    input.quantity = quantity;
    const auto questions = LimitCheck::questions(input);
    QCOMPARE(questions.size(), asks ? 1 : 0);
    if (asks) {
        QCOMPARE(questions[0].title, QStringLiteral("Exceeded Calorie limit"));
        const qint64 rounded = qRound64(limit.toDouble() - 0.1); // 2000.5 shows 2000
        QCOMPARE(questions[0].text,
                 " You have exceeded your DAILY CALORIES LIMIT, which is set to " +
                     QString::number(rounded) + "g. Do you still want to proceed?");
    }
}

void FoodLogRulesTest::limitShownAsStoredInLaterMeals_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QStringList>("texts");
    const QString lead = " You have exceeded your DAILY ";
    const QString tail = "g. Do you still want to proceed?";
    QTest::newRow("morning rounds every limit")
        << int(MealSlot::Morning)
        << QStringList{lead + "CALORIES LIMIT, which is set to 10" + tail,
                       lead + "FAT LIMIT, which is set to 10" + tail,
                       lead + "PROTEIN LIMIT, which is set to 12" + tail,
                       lead + "CARBYHYDRATE LIMIT, which is set to 8" + tail};
    QTest::newRow("midday shows three as stored")
        << int(MealSlot::Midday)
        << QStringList{lead + "CALORIES LIMIT, which is set to 10" + tail,
                       lead + "FAT LIMIT, which is set to 10.4" + tail,
                       lead + "PROTEIN LIMIT, which is set to 11.5" + tail,
                       lead + "CARBYHYDRATE LIMIT, which is set to 8.0" + tail};
    QTest::newRow("evening the same")
        << int(MealSlot::Evening)
        << QStringList{lead + "CALORIES LIMIT, which is set to 10" + tail,
                       lead + "FAT LIMIT, which is set to 10.4" + tail,
                       lead + "PROTEIN LIMIT, which is set to 11.5" + tail,
                       lead + "CARBYHYDRATE LIMIT, which is set to 8.0" + tail};
}

void FoodLogRulesTest::limitShownAsStoredInLaterMeals()
{
    QFETCH(int, slot);
    QFETCH(QStringList, texts);
    LimitCheck::Input input;
    input.limits = {"10.4", "10.4", "11.5", "8.0"};
    input.perServing = {100, 100, 100, 100, 100, 100, 100};
    input.slot = MealSlot(slot);
    QStringList asked;
    QStringList titles;
    for (const LimitQuestion& q : LimitCheck::questions(input)) {
        asked << q.text;
        titles << q.title;
    }
    QCOMPARE(asked, texts);
    QCOMPARE(titles, (QStringList{"Exceeded Calorie limit", "Exceeded Fat limit",
                                  "Exceeded Protein limit", "Exceeded Carbohydrate limit"}));
}

void FoodLogRulesTest::dayTotals_data()
{
    QTest::addColumn<double>("sum");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole") << 310.0 << "310";
    QTest::newRow("half") << 142.5 << "142.5";
    QTest::newRow("binary fraction") << 0.1 * 3 << "0.3";
    QTest::newRow("sum of tenths") << 0.3 * 2 + 2.5 << "3.1";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("no exponent") << 1e-7 << "0.0000001";
}

void FoodLogRulesTest::dayTotals()
{
    QFETCH(double, sum);
    QFETCH(QString, shown);
    DaySums sums;
    sums.calories = sum;
    const QStringList texts = DayTotals::texts(sums);
    QCOMPARE(texts.size(), 7);
    QCOMPARE(texts[1], shown);
    for (int i : {0, 2, 3, 4, 5, 6})
        QVERIFY(texts[i].isEmpty());
}

QTEST_APPLESS_MAIN(FoodLogRulesTest)
#include "tst_foodlogrules.moc"
