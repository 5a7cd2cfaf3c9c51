#include "data/FoodLogStore.h"
#include "data/FoodStore.h"
#include "support/TempProgramFolder.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace {

void addFood(TempProgramFolder& folder, const QString& name, const QString& type, double calories)
{
    QSqlQuery q(folder.database().connection());
    q.prepare("INSERT INTO food_Dictionary (name, food_type, fat, calories) VALUES (?, ?, 1, ?)");
    q.addBindValue(name);
    q.addBindValue(type);
    q.addBindValue(calories);
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
}

// A dictionary of a few foods whose names hold the characters SQL treats specially.
void smallDictionary(TempProgramFolder& folder)
{
    QVERIFY(folder.exec("DELETE FROM food_Dictionary"));
    addFood(folder, "50% Cream", "Milk Products", 50);
    addFood(folder, "500 g Steak", "Meat & Alternatives", 500);
    addFood(folder, "O'Brien Stew", "Combination Foods", 300);
    addFood(folder, "a_b Bar", "Other Foods", 10);
    addFood(folder, "axb Bar", "Other Foods", 11);
    addFood(folder, "apple", "Vegetables & Fruit", 95);
    addFood(folder, "Apple pie", "Combination Foods", 400);
}

QStringList names(const QList<FoodName>& foods)
{
    QStringList out;
    for (const FoodName& f : foods)
        out << f.name;
    return out;
}

ScheduleRow row(const QString& user, const QDate& day, MealSlot slot, const QString& food,
                const QString& amount, double calories)
{
    ScheduleRow r;
    r.username = user;
    r.day = day;
    r.dateText = QStringLiteral("%1/%2/%3")
                     .arg(day.month())
                     .arg(day.day(), 2, 10, QLatin1Char('0'))
                     .arg(day.year());
    r.slot = slot;
    r.food = food;
    r.amount = amount;
    r.totals.calories = calories;
    r.totals.fat = 0.1;
    return r;
}

} // namespace

class FoodStoresTest final : public QObject {
    Q_OBJECT

private slots:
    void prefixSearchTakesTextAsTyped_data();
    void prefixSearchTakesTextAsTyped();
    void wholeDictionarySorted();
    void findFood();
    void mealsKeepToTheirSlot();
    void removeTakesOneFoodOfOneMeal();
    void editFindsTheRowByItsDay();
    void daySums();
    void daySumsUseTheIndex();
};

void FoodStoresTest::prefixSearchTakesTextAsTyped_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("percent") << "50%" << QStringList{"50% Cream"};
    QTest::newRow("digits") << "50" << QStringList{"50% Cream", "500 g Steak"};
    QTest::newRow("quote") << "o'b" << QStringList{"O'Brien Stew"};
    QTest::newRow("underscore") << "a_" << QStringList{"a_b Bar"};
    QTest::newRow("letter case ignored") << "APP" << QStringList{"Apple pie", "apple"};
    QTest::newRow("backslash") << "\\" << QStringList{};
    QTest::newRow("empty lists all")
        << "" << QStringList{"Apple pie", "O'Brien Stew", "500 g Steak", "50% Cream",
                             "a_b Bar",   "axb Bar",      "apple"};
}

void FoodStoresTest::prefixSearchTakesTextAsTyped()
{
    QFETCH(QString, prefix);
    QFETCH(QStringList, found);
    TempProgramFolder folder;
    smallDictionary(folder);
    const auto result = FoodStore(folder.database()).namesStartingWith(prefix);
    QVERIFY(result.ok());
    // Within a category the names sort ignoring letter case.
    QStringList got = names(result.value());
    QCOMPARE(QSet<QString>(got.begin(), got.end()), QSet<QString>(found.begin(), found.end()));
    if (prefix.isEmpty())
        QCOMPARE(got, found);
}

void FoodStoresTest::wholeDictionarySorted()
{
    TempProgramFolder folder;
    smallDictionary(folder);
    QVERIFY(folder.exec("INSERT INTO food_Dictionary (name, food_type) VALUES "
                        "('Zest', 'other foods'), ('Ale', 'Drinks ')"));
    const auto all = FoodStore(folder.database())
                         .namesByCategory({"Combination Foods", "Drinks", "Other Foods"});
    QVERIFY(all.ok());
    QCOMPARE(all.value(), (QList<QStringList>{
                              {"Apple pie", "O'Brien Stew"}, {}, {"a_b Bar", "axb Bar", "Zest"}}));
    const auto drinks = FoodStore(folder.database()).namesInCategoryStartingWith("Other Foods");
    QCOMPARE(names(drinks.value()), (QStringList{"a_b Bar", "axb Bar", "Zest"}));
}

void FoodStoresTest::findFood()
{
    TempProgramFolder folder;
    smallDictionary(folder);
    FoodStore store(folder.database());
    const auto stew = store.find("o'brien stew");
    QVERIFY(stew.ok() && stew.value());
    QCOMPARE(stew.value()->name, QStringLiteral("O'Brien Stew"));
    QCOMPARE(stew.value()->perServing.calories, 300.0);
    QVERIFY(!store.find("O'Brien").value());
}

void FoodStoresTest::mealsKeepToTheirSlot()
{
    TempProgramFolder folder;
    FoodLogStore log(folder.database());
    const QDate day(2006, 1, 5);
    QVERIFY(log.add(row("ann", day, MealSlot::Morning, "Apple", "1", 95)).ok());
    QVERIFY(log.add(row("ann", day, MealSlot::Morning, "Apple", "1", 95)).ok());
    QVERIFY(log.add(row("ann", day, MealSlot::Morning, "O'Brien Stew", "2", 600)).ok());
    QVERIFY(log.add(row("ann", day, MealSlot::Evening, "Apple", "3", 285)).ok());
    QVERIFY(log.add(row("bob", day, MealSlot::Morning, "Tea", "1", 1)).ok());
    QVERIFY(log.add(row("ann", day.addDays(1), MealSlot::Morning, "Tea", "1", 1)).ok());

    const auto morning = log.meal("ann", "1/05/2006", MealSlot::Morning);
    QCOMPARE(morning.value().size(), 2);
    QCOMPARE(morning.value()[0].food, QStringLiteral("Apple"));
    QCOMPARE(morning.value()[1].food, QStringLiteral("O'Brien Stew"));
    QCOMPARE(morning.value()[1].amount, QStringLiteral("2"));
    QCOMPARE(log.meal("ann", "1/05/2006", MealSlot::Morning, true).value().size(), 3);
    QCOMPARE(log.meal("ann", "1/05/2006", MealSlot::Midday).value().size(), 0);
    QCOMPARE(log.meal("ann", "1/05/2006", MealSlot::Evening).value()[0].amount,
             QStringLiteral("3"));

    QSqlQuery q(folder.database().connection());
    QVERIFY(q.exec("SELECT dRepDate, midday_food IS NULL, evening_food IS NULL FROM schedule "
                   "WHERE schedule_number = 1") &&
            q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("2006-01-05"));
    QVERIFY(q.value(1).toBool() && q.value(2).toBool());
}

void FoodStoresTest::removeTakesOneFoodOfOneMeal()
{
    TempProgramFolder folder;
    FoodLogStore log(folder.database());
    const QDate day(2006, 1, 5);
    for (MealSlot slot : allMealSlots)
        QVERIFY(log.add(row("ann", day, slot, "O'Brien Stew", "1", 300)).ok());
    QVERIFY(log.add(row("ann", day, MealSlot::Morning, "O'Brien Stew", "2", 600)).ok());
    QVERIFY(log.add(row("ann", day, MealSlot::Morning, "Apple", "1", 95)).ok());
    QCOMPARE(log.remove("ann", "1/05/2006", MealSlot::Morning, "O'Brien Stew").value(), 2);
    QCOMPARE(log.meal("ann", "1/05/2006", MealSlot::Morning).value().size(), 1);
    QCOMPARE(log.meal("ann", "1/05/2006", MealSlot::Midday).value().size(), 1);
    QCOMPARE(log.meal("ann", "1/05/2006", MealSlot::Evening).value().size(), 1);
}

void FoodStoresTest::editFindsTheRowByItsDay()
{
    TempProgramFolder folder;
    FoodLogStore log(folder.database());
    const QDate day(2006, 1, 5);
    const qint64 id = log.add(row("ann", day, MealSlot::Midday, "Apple", "1", 95)).value();
    QVERIFY(!log.findByDay("ann", day, MealSlot::Morning, "Apple").value());
    QVERIFY(!log.findByDay("ann", day.addDays(1), MealSlot::Midday, "Apple").value());
    QVERIFY(!log.findByDay("bob", day, MealSlot::Midday, "Apple").value());
    QCOMPARE(log.findByDay("ann", day, MealSlot::Midday, "apple").value().value_or(0), id);
    QVERIFY(log.changeQuantity(id, "3", Nutrients{0.9, 285, 1.5, 13.2, 75.3, 6, 0}).ok());
    const auto midday = log.meal("ann", "1/05/2006", MealSlot::Midday).value();
    QCOMPARE(midday[0].amount, QStringLiteral("3"));
    QCOMPARE(log.daySums("ann", "1/05/2006").value().calories.value_or(0), 285.0);
}

void FoodStoresTest::daySums()
{
    TempProgramFolder folder;
    FoodLogStore log(folder.database());
    const DaySums empty = log.daySums("ann", "1/05/2006").value();
    QVERIFY(!empty.fat && !empty.calories && !empty.cholesterol);
    const QDate day(2006, 1, 5);
    QVERIFY(log.add(row("ann", day, MealSlot::Morning, "Apple", "2", 190)).ok());
    QVERIFY(log.add(row("ann", day, MealSlot::Evening, "Milk", "1", 120)).ok());
    QVERIFY(log.add(row("ann", day.addDays(1), MealSlot::Evening, "Milk", "1", 120)).ok());
    const DaySums sums = log.daySums("ANN", "1/05/2006").value();
    QCOMPARE(sums.calories.value_or(0), 310.0);
    QCOMPARE(sums.protein.value_or(-1), 0.0);
}

void FoodStoresTest::daySumsUseTheIndex()
{
    TempProgramFolder folder;
    QSqlQuery q(folder.database().connection());
    QVERIFY(q.exec("EXPLAIN QUERY PLAN SELECT SUM(total_fat) FROM schedule "
                   "WHERE username = 'ann' AND date = '1/05/2006'"));
    QString plan;
    while (q.next())
        plan += q.value(3).toString();
    QVERIFY2(plan.contains("schedule_user_date"), qPrintable(plan));
}

QTEST_GUILESS_MAIN(FoodStoresTest)
#include "tst_foodstores.moc"
