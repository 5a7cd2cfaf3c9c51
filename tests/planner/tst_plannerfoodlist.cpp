#include "PlannerFixture.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QTabWidget>
#include <QtTest>

namespace {

QString pad(int before, const QString& word, int after)
{
    return QString(before, u' ') + word + QString(after, u' ');
}

// The fixture dictionary as the whole list shows it.
QStringList wholeList(int before, bool gap)
{
    const QList<QPair<QString, QStringList>> groups{
        {"COMBINATION FOODS", {"Apple pie", "O'Brien Stew"}},
        {"DRINKS", {"Cola", "Tea"}},
        {"GRAIN PRODUCTS", {}},
        {"MEAT & ALTERNATIVES", {}},
        {"MILK PRODUCTS", {"Milk"}},
        {"OTHER FOODS", {}},
        {"VEGETABLES & FRUIT", {"Apple"}}};
    QStringList lines;
    for (const auto& [word, names] : groups) {
        lines << pad(before, word, 29);
        if (gap)
            lines << QString();
        lines << names << QString();
    }
    return lines;
}

} // namespace

class PlannerFoodListTest final : public QObject {
    Q_OBJECT

private slots:
    void opensOnToday();
    void listsAtLoadingAndDisplayAll();
    void searchByName_data();
    void searchByName();
    void emptySearchIsRefused();
    void searchByCategory_data();
    void searchByCategory();
    void pickedLineShowsOrHidesHint();
    void searchResultReplacedAtTabChange();
    void foodProperties();
    void rightClickKeepsThePick();
    void reportsTabClosesPlanner();
    void healthPageOpensPlanner();
};

void PlannerFoodListTest::opensOnToday()
{
    PlannerFixture f;
    frmAllShed* planner = f.open();
    QVERIFY(planner);
    QCOMPARE(planner->windowTitle(), QStringLiteral("Schedule Designer"));
    QCOMPARE(f.labelText("lblDayName_foodlog"), QStringLiteral("5"));
    QCOMPARE(f.labelText("lblMonthName_foodlog"), QStringLiteral("JANUARY"));
    QCOMPARE(f.labelText("lblYearName_foodlog"), QStringLiteral("2006"));
    QCOMPARE(planner->day().texts.dateText, QStringLiteral("1/05/2006"));
    QCOMPARE(planner->currentUser(), QStringLiteral("ann"));
    auto* tabs = f.control<QTabWidget>("SSTab1");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList{"Daily Food &Log ", "&Body Information", "Sc&hedule Summary",
                                    "Crea&te Nutritional Reports", "&Visual Weight Analyzer",
                                    "Create/Edit &Food", "Ca&lendar", "Create/Ed&it Recipe"}));
    QCOMPARE(f.edit("txtAmountMor")->text(), QStringLiteral("1"));
    QCOMPARE(f.edit("txtAmountEven")->text(), QStringLiteral("1"));
    QCOMPARE(f.control<QComboBox>("Combo_ComSearchByFdCat")->count(), 7);
    QCOMPARE(f.button("cmdSearch")->text(), QStringLiteral("&Search Food "));
    // The calendar is there from the start, though its tab has not been shown.
    auto* calendar = f.control<QCalendarWidget>("Diet_Calendar");
    QVERIFY(calendar);
    QCOMPARE(calendar->selectedDate(), QDate(2006, 1, 5));
}

void PlannerFoodListTest::listsAtLoadingAndDisplayAll()
{
    PlannerFixture f;
    f.open();
    QCOMPARE(f.foodLines(), wholeList(21, true));
    QCOMPARE(f.editorLines(), wholeList(20, true));
    QCOMPARE(f.view("List_Foods")->font().pointSize(), 7);

    f.edit("txtSearch")->setText("app");
    QTest::mouseClick(f.button("ComDisplayAllFoods"), Qt::LeftButton);
    QCOMPARE(f.foodLines(), wholeList(21, false));
    QCOMPARE(f.editorLines(), wholeList(20, false));
    QVERIFY(f.edit("txtSearch")->text().isEmpty());
}

void PlannerFoodListTest::searchByName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("app") << "app"
                         << QStringList{pad(28, "COMBINATION FOODS", 36),  "Apple pie", "",
                                        pad(28, "VEGETABLES & FRUIT", 36), "Apple",     ""};
    QTest::newRow("three blanks list every food") << "   "
                                                  << QStringList{pad(28, "COMBINATION FOODS", 36),
                                                                 "Apple pie",
                                                                 "O'Brien Stew",
                                                                 "",
                                                                 pad(28, "DRINKS", 36),
                                                                 "Cola",
                                                                 "Tea",
                                                                 "",
                                                                 pad(28, "MILK PRODUCTS", 36),
                                                                 "Milk",
                                                                 "",
                                                                 pad(28, "VEGETABLES & FRUIT", 36),
                                                                 "Apple",
                                                                 ""};
    QTest::newRow("quote") << "o'b"
                           << QStringList{pad(28, "COMBINATION FOODS", 36), "O'Brien Stew", ""};
    QTest::newRow("percent is a letter")
        << "%" << QStringList{"          THERE WAS NO MATCH FOUND    "};
    QTest::newRow("no match") << "zz" << QStringList{"          THERE WAS NO MATCH FOUND    "};
}

void PlannerFoodListTest::searchByName()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    PlannerFixture f;
    f.open();
    f.edit("txtSearch")->setText(typed);
    QTest::mouseClick(f.button("cmdSearch"), Qt::LeftButton);
    QCOMPARE(f.foodLines(), expected);
    QCOMPARE(f.editorLines(), wholeList(20, true));
    QVERIFY(f.messages().shown().isEmpty());

    // Enter in the search box runs the same search.
    QTest::mouseClick(f.button("ComDisplayAllFoods"), Qt::LeftButton);
    f.edit("txtSearch")->setText(typed);
    f.edit("txtSearch")->setFocus();
    QTest::keyClick(f.edit("txtSearch"), Qt::Key_Return);
    QCOMPARE(f.foodLines(), expected);
}

void PlannerFoodListTest::emptySearchIsRefused()
{
    PlannerFixture f;
    f.open();
    QTest::mouseClick(f.button("cmdSearch"), Qt::LeftButton);
    QCOMPARE(f.messages().last().text, QStringLiteral("Food name is required"));
    QCOMPARE(f.messages().last().icon, MessageIcon::Exclamation);
    QCOMPARE(f.foodLines(), wholeList(21, true));
}

void PlannerFoodListTest::searchByCategory_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("listed") << "Drinks" << QString()
                            << QStringList{pad(21, "DRINKS", 35), "Cola", "Tea"};
    QTest::newRow("blanks around")
        << " Milk Products " << QString() << QStringList{pad(21, "MILK PRODUCTS", 35), "Milk"};
    QTest::newRow("empty category")
        << "Grain Products" << QString() << QStringList{pad(21, "GRAIN PRODUCTS", 35)};
    QTest::newRow("lower case") << "drinks"
                                << "Invalid food category name. Please choose from list"
                                << wholeList(21, true);
    QTest::newRow("empty") << ""
                           << "Food category name is required. Please choose from list"
                           << wholeList(21, true);
}

void PlannerFoodListTest::searchByCategory()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, expected);
    PlannerFixture f;
    f.open();
    f.edit("txtSearch")->setText("tea");
    f.control<QComboBox>("Combo_ComSearchByFdCat")->setEditText(typed);
    QTest::mouseClick(f.button("ComSearchByFdCat"), Qt::LeftButton);
    QCOMPARE(f.messages().last().text, message);
    QCOMPARE(f.foodLines(), expected);
    QVERIFY(f.edit("txtSearch")->text().isEmpty());
    QCOMPARE(f.planner()->focusWidget(),
             static_cast<QWidget*>(f.control<QComboBox>("Combo_ComSearchByFdCat")));
}

void PlannerFoodListTest::pickedLineShowsOrHidesHint()
{
    PlannerFixture f;
    f.open();
    auto* hint = f.control<QLabel>("lbl_Food_Properties");
    f.pickFood("Apple");
    QVERIFY(hint->isVisible());
    QVERIFY(f.messages().shown().isEmpty());

    f.pickFood(pad(21, "DRINKS", 29));
    QCOMPARE(f.messages().last().text, QStringLiteral("Please click on a food name."));
    QVERIFY(!hint->isVisible());

    f.messages().clear();
    PlannerFixture::clickLine(f.view("List_Foods"), 1); // the empty line under a header
    QCOMPARE(f.messages().last().text, QStringLiteral("Please click on a food name."));

    f.edit("txtSearch")->setText("zz");
    QTest::mouseClick(f.button("cmdSearch"), Qt::LeftButton);
    f.messages().clear();
    PlannerFixture::clickLine(f.view("List_Foods"), 0);
    QVERIFY(f.messages().shown().isEmpty());
    QVERIFY(hint->isVisible());
}

void PlannerFoodListTest::searchResultReplacedAtTabChange()
{
    PlannerFixture f;
    f.open();
    f.edit("txtSearch")->setText("app");
    QTest::mouseClick(f.button("cmdSearch"), Qt::LeftButton);
    f.pickFood("Apple");
    f.chooseTab(frmAllShed::ScheduleSummary);
    QCOMPARE(f.foodLines(), wholeList(21, true));
    QVERIFY(f.edit("txtSearch")->text().isEmpty());
    QVERIFY(!f.control<QLabel>("lbl_Food_Properties")->isVisibleTo(f.planner()));
    QVERIFY(f.messages().shown().isEmpty());
}

void PlannerFoodListTest::foodProperties()
{
    PlannerFixture f;
    f.open();
    f.pickFood("Apple pie");
    auto* hint = f.control<QLabel>("lbl_Food_Properties");
    QTest::mouseClick(hint, Qt::LeftButton);
    QWidget* window = f.app().forms().find("frmFoodProperties");
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Food Properties"));
    auto text = [&](const char* name) {
        return f.app().control<QLabel>("frmFoodProperties", QString::fromLatin1(name))->text();
    };
    QCOMPARE(text("lblname"), QStringLiteral("Apple pie"));
    QCOMPARE(text("fat"), QStringLiteral("14"));
    QCOMPARE(text("calories"), QStringLiteral("300"));
    QCOMPARE(text("food_type"), QStringLiteral("Combination Foods"));
    QCOMPARE(text("lblscale"), QStringLiteral("slice"));
    QCOMPARE(text("Healthy_Check"), QStringLiteral("No"));

    QTest::mouseClick(f.app().control<QPushButton>("frmFoodProperties", "Com_Close"),
                      Qt::LeftButton);
    QVERIFY(!f.app().forms().isLoaded("frmFoodProperties"));
    QVERIFY(!hint->isVisible());

    // An empty healthy mark reads as healthy.
    f.pickFood("O'Brien Stew");
    QTest::mouseClick(hint, Qt::LeftButton);
    QCOMPARE(text("Healthy_Check"), QStringLiteral("Yes"));
}

void PlannerFoodListTest::rightClickKeepsThePick()
{
    PlannerFixture f;
    f.open();
    QListView* foods = f.view("List_Foods");
    QTest::mouseClick(foods->viewport(), Qt::RightButton, {},
                      PlannerFixture::lineRect(foods, 2).center());
    QVERIFY(!f.app().forms().isLoaded("frmFoodProperties"));

    f.pickFood("Milk");
    QTest::mousePress(foods->viewport(), Qt::RightButton, {},
                      PlannerFixture::lineRect(foods, 2).center());
    QCOMPARE(foods->currentIndex().data().toString(), QStringLiteral("Milk"));
    QCOMPARE(f.app().control<QLabel>("frmFoodProperties", "lblname")->text(),
             QStringLiteral("Milk"));
}

void PlannerFoodListTest::reportsTabClosesPlanner()
{
    PlannerFixture f;
    f.open();
    if (!f.app().forms().isRegistered("Nut_Reports"))
        QSKIP("the reports window does not exist yet");
    f.chooseTab(frmAllShed::Reports);
    TestApp::settle();
    QVERIFY(f.app().forms().isLoaded("Nut_Reports"));
    QVERIFY(!f.app().forms().isLoaded("frmAllShed"));
}

void PlannerFoodListTest::healthPageOpensPlanner()
{
    PlannerFixture f;
    Forms& forms = f.app().forms();
    forms.show("introhealth");
    QWidget* page = forms.find("introhealth");
    QVERIFY(page);
    for (int i = 2; i <= 12; ++i) {
        auto* picture = page->findChild<QWidget*>(QStringLiteral("Image%1").arg(i));
        QVERIFY(picture);
        QCOMPARE(picture->toolTip(),
                 QStringLiteral("Click here to proceed to the Health and Nutrition Section"));
        QCOMPARE(picture->cursor().shape(), Qt::PointingHandCursor);
    }
    QVERIFY(!page->grab().isNull()); // every picture drawn
    QTest::mouseClick(page->findChild<QWidget*>("Image7"), Qt::LeftButton);
    TestApp::settle();
    QVERIFY(forms.isLoaded("frmAllShed"));
    QVERIFY(!forms.isLoaded("introhealth"));
    QCOMPARE(f.labelText("lblDayName_foodlog"), QStringLiteral("5"));

    // Opening the page again closes the planner; CLOSE closes the page.
    forms.show("introhealth");
    TestApp::settle();
    QVERIFY(!forms.isLoaded("frmAllShed"));
    QTest::mouseClick(forms.find("introhealth")->findChild<QPushButton*>("btnCloseNut"),
                      Qt::LeftButton);
    TestApp::settle();
    QVERIFY(!forms.isLoaded("introhealth"));
}

QTEST_MAIN(PlannerFoodListTest)
#include "tst_plannerfoodlist.moc"
