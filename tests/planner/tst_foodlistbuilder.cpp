#include "planner/FoodListBuilder.h"

#include <QtTest>

namespace {

QString pad(int before, const QString& word, int after)
{
    return QString(before, u' ') + word + QString(after, u' ');
}

FoodName food(const char* type, const char* name)
{
    return FoodName{QString::fromUtf8(type), QString::fromUtf8(name)};
}

} // namespace

class FoodListBuilderTest final : public QObject {
    Q_OBJECT

private slots:
    void wholeList_data();
    void wholeList();
    void nameSearch_data();
    void nameSearch();
    void categoryList();
    void pickedLine_data();
    void pickedLine();
    void categoryProblem_data();
    void categoryProblem();
};

void FoodListBuilderTest::wholeList_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("gap");
    QTest::addColumn<int>("before");
    QTest::newRow("food log at loading") << int(FoodListBuilder::Target::FoodLog) << true << 21;
    QTest::newRow("editor at loading") << int(FoodListBuilder::Target::Editor) << true << 20;
    QTest::newRow("food log, display all") << int(FoodListBuilder::Target::FoodLog) << false << 21;
    QTest::newRow("editor, display all") << int(FoodListBuilder::Target::Editor) << false << 20;
}

void FoodListBuilderTest::wholeList()
{
    QFETCH(int, target);
    QFETCH(bool, gap);
    QFETCH(int, before);
    const QList<QStringList> names{{"Apple pie"}, {"Cola", "Tea"}, {}, {}, {}, {}, {"Apple"}};
    const QStringList lines = FoodListBuilder::whole(names, FoodListBuilder::Target(target), gap);
    QStringList expected;
    const QStringList words{"COMBINATION FOODS",   "DRINKS",        "GRAIN PRODUCTS",
                            "MEAT & ALTERNATIVES", "MILK PRODUCTS", "OTHER FOODS",
                            "VEGETABLES & FRUIT"};
    for (int i = 0; i < 7; ++i) {
        expected << pad(before, words[i], 29);
        if (gap)
            expected << QString();
        expected << names[i] << QString();
    }
    QCOMPARE(lines, expected);
}

void FoodListBuilderTest::nameSearch_data()
{
    QTest::addColumn<QList<FoodName>>("matches");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two categories")
        << QList<FoodName>{food("Combination Foods", "Apple pie"),
                           food("Vegetables & Fruit", "Apple")}
        << QStringList{pad(28, "COMBINATION FOODS", 36),  "Apple pie", "",
                       pad(28, "VEGETABLES & FRUIT", 36), "Apple",     ""};
    QTest::newRow("header from the stored category")
        << QList<FoodName>{food("drinks", "Cola")}
        << QStringList{pad(28, "DRINKS", 36), "Cola", ""};
    QTest::newRow("nothing") << QList<FoodName>{}
                             << QStringList{"          THERE WAS NO MATCH FOUND    "};
    QTest::newRow("only outside the seven")
        << QList<FoodName>{food("Weird", "Stray")} << QStringList{FoodListBuilder::noMatchLine()};
}

void FoodListBuilderTest::nameSearch()
{
    QFETCH(QList<FoodName>, matches);
    QFETCH(QStringList, expected);
    QCOMPARE(FoodListBuilder::nameSearch(matches), expected);
}

void FoodListBuilderTest::categoryList()
{
    const QStringList lines =
        FoodListBuilder::category("Drinks", {food("Drinks", "Cola"), food("Drinks", "Tea")});
    QCOMPARE(lines, (QStringList{pad(21, "DRINKS", 35), "Cola", "Tea"}));
}

void FoodListBuilderTest::pickedLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("food");
    QTest::newRow("food") << "Apple" << true;
    QTest::newRow("empty line") << "" << false;
    QTest::newRow("blanks") << "   " << false;
    QTest::newRow("loading header") << pad(21, "MILK PRODUCTS", 29) << false;
    QTest::newRow("search header") << pad(28, "VEGETABLES & FRUIT", 36) << false;
    QTest::newRow("header word in other case is a name") << "Drinks" << true;
    QTest::newRow("no-match line") << FoodListBuilder::noMatchLine() << true;
}

void FoodListBuilderTest::pickedLine()
{
    QFETCH(QString, line);
    QFETCH(bool, food);
    QCOMPARE(FoodListBuilder::isFoodLine(line), food);
}

void FoodListBuilderTest::categoryProblem_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString required = "Food category name is required. Please choose from list";
    const QString invalid = "Invalid food category name. Please choose from list";
    QTest::newRow("empty") << "" << required;
    QTest::newRow("blanks") << "  " << invalid;
    QTest::newRow("lower case") << "drinks" << invalid;
    QTest::newRow("exact") << "Drinks" << QString();
    QTest::newRow("surrounding blanks") << " Milk Products " << QString();
    QTest::newRow("prefix only") << "Drink" << invalid;
}

void FoodListBuilderTest::categoryProblem()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QCOMPARE(FoodListBuilder::categoryProblem(typed).value_or(QString()), message);
}

QTEST_APPLESS_MAIN(FoodListBuilderTest)
#include "tst_foodlistbuilder.moc"
