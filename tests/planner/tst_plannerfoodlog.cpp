#include "PlannerFixture.h"

#include "data/FoodLogStore.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QtTest>

namespace {

const QString morningDuplicate = "You have already selected 'Apple' ";

void addTo(PlannerFixture& f, const QString& button, const QString& box, const QString& quantity)
{
    f.edit(box)->setText(quantity);
    QTest::mouseClick(f.button(button), Qt::LeftButton);
}

void logRow(PlannerFixture& f, MealSlot slot, const QString& food, double calories,
            const QDate& day = QDate(2006, 1, 5))
{
    ScheduleRow row;
    row.username = "ann";
    row.day = day;
    row.dateText = daytext::dateText(day);
    row.slot = slot;
    row.food = food;
    row.amount = "1";
    row.totals.calories = calories;
    QVERIFY(FoodLogStore(f.app().database()).add(row).ok());
}

QStringList totals(PlannerFixture& f)
{
    QStringList texts;
    for (const char* name :
         {"lblTotFat_Dis", "lblTotCal_Dis", "lblTotProteins_Dis", "lblTotCarbs_Dis",
          "lblTotFibre_Dis", "lblTotSodium_Dis", "lblTotCholest_Dis"})
        texts << f.labelText(QString::fromLatin1(name));
    return texts;
}

} // namespace

class PlannerFoodLogTest final : public QObject {
    Q_OBJECT

private slots:
    void addStoresTheFoodTimesTheQuantity();
    void quantities_data();
    void quantities();
    void duplicates();
    void headerLineAddsNothing();
    void limitQuestions_data();
    void limitQuestions();
    void sameFoodInEachMeal();
    void enterOnTheButtons();
    void remove();
    void editQuantity();
    void editOnADayWithoutTheFood();
    void editKeepsRowOfAVanishedFood();
    void editWorksForThePlannersUser();
    void quotesThroughTheWholeRoad();
    void dayTotals();
    void calendarDayClick();
};

void PlannerFoodLogTest::addStoresTheFoodTimesTheQuantity()
{
    PlannerFixture f;
    f.open();
    f.pickFood("Apple");
    addTo(f, "Com_Morning", "txtAmountMor", "2");
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(f.scheduleRows(), QStringList{"Apple|2|190|0.6"});
    QCOMPARE(f.scheduleRows("morning_food = 'Apple' AND midday_food IS NULL AND evening_food IS "
                            "NULL AND date = '1/05/2006' AND dRepDate = '2006-01-05' AND "
                            "username = 'ann' AND total_protein = 1 AND total_sodium = 4")
                 .size(),
             1);
    QCOMPARE(PlannerFixture::lines(f.list("List_Morning2")), QStringList{"2   -   Apple"});
    QCOMPARE(PlannerFixture::lines(f.list("List_Morning")), QStringList{"Apple"});
    QCOMPARE(PlannerFixture::lines(f.list("List_Cal_Sched_Mor")), QStringList{"2   -   Apple"});
    QCOMPARE(f.edit("txtAmountMor")->text(), QStringLiteral("1"));
}

void PlannerFoodLogTest::quantities_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("rows");
    const QString above0 = "Servings/Quantity value must be greater than 0 ";
    QTest::newRow("half") << "0.5" << QString() << QStringList{"Apple|0.5|47.5|0.15"};
    QTest::newRow("one and a half") << "1.5" << QString() << QStringList{"Apple|1.5|142.5|0.45"};
    QTest::newRow("point five") << ".5" << QString() << QStringList{"Apple|.5|47.5|0.15"};
    QTest::newRow("leading blank") << " 3" << QString() << QStringList{"Apple|3|285|0.9"};
    QTest::newRow("letters") << "abc"
                             << "You must enter a number for Servings/Quantity " << QStringList{};
    QTest::newRow("zero") << "0" << above0 << QStringList{};
    QTest::newRow("minus") << "-2" << above0 << QStringList{};
    QTest::newRow("plus") << "+2" << above0 << QStringList{};
    QTest::newRow("empty") << ""
                           << "Servings/Quantity value is required " << QStringList{};
}

void PlannerFoodLogTest::quantities()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, rows);
    PlannerFixture f;
    f.open();
    f.pickFood("Apple");
    f.edit("txtAmountMid")->setText("7");
    addTo(f, "Com_Morning", "txtAmountMor", typed);
    QCOMPARE(f.messages().last().text, message);
    QCOMPARE(f.scheduleRows(), rows);
    for (const char* box : {"txtAmountMor", "txtAmountMid", "txtAmountEven"})
        QCOMPARE(f.edit(QString::fromLatin1(box))->text(), QStringLiteral("1"));
}

void PlannerFoodLogTest::duplicates()
{
    PlannerFixture f;
    f.open();
    f.pickFood("Apple pie");
    addTo(f, "Com_Morning", "txtAmountMor", "1");
    // "Apple pie" selected in the meal does not keep Apple out.
    f.pickMealLine("List_Morning2", "Apple pie");
    f.pickFood("Apple");
    addTo(f, "Com_Morning", "txtAmountMor", "1");
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(f.scheduleRows(), (QStringList{"Apple pie|1|300|14", "Apple|1|95|0.3"}));

    // Apple again, nothing selected in the meal: the second duplicate message, and
    // the quantity stays as typed.
    addTo(f, "Com_Morning", "txtAmountMor", "3");
    QCOMPARE(f.messages().last().text, morningDuplicate);
    QCOMPARE(f.edit("txtAmountMor")->text(), QStringLiteral("3"));

    // Apple selected in the meal: the first duplicate message, the boxes reset.
    f.pickMealLine("List_Morning2", "Apple");
    f.pickFood("Apple");
    addTo(f, "Com_Morning", "txtAmountMor", "3");
    QCOMPARE(f.messages().last().text, QStringLiteral("You have already selected Apple "));
    QCOMPARE(f.edit("txtAmountMor")->text(), QStringLiteral("1"));
    QCOMPARE(f.scheduleRows().size(), 2);
}

void PlannerFoodLogTest::headerLineAddsNothing()
{
    PlannerFixture f;
    f.open();
    f.pickFood(QString(21, u' ') + "DRINKS" + QString(29, u' '));
    f.messages().clear();
    addTo(f, "Com_Evenning", "txtAmountEven", "1");
    QCOMPARE(f.messages().texts(), QStringList{"Please click on a food name."});
    QVERIFY(f.scheduleRows().isEmpty());

    // Nothing picked at all.
    f.chooseTab(frmAllShed::ScheduleSummary);
    f.chooseTab(frmAllShed::FoodLog);
    addTo(f, "Com_Evenning", "txtAmountEven", "1");
    QCOMPARE(f.messages().last().text,
             QStringLiteral("Please click on a food from the list of foods."));
    QVERIFY(f.scheduleRows().isEmpty());
}

void PlannerFoodLogTest::limitQuestions_data()
{
    QTest::addColumn<QString>("calorieLimit");
    QTest::addColumn<QString>("fatLimit");
    QTest::addColumn<double>("dayCalories");
    QTest::addColumn<QString>("food");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<bool>("stored");
    using A = MessageAnswer;
    const QStringList both{"Exceeded Calorie limit", "Exceeded Fat limit"};
    QTest::newRow("no limits") << ""
                               << "0" << 5000.0 << "Apple pie"
                               << "9" << QList<A>{} << QStringList{} << true;
    QTest::newRow("both exceeded, Yes then No") << "100"
                                                << "1" << 0.0 << "Apple pie"
                                                << "1" << QList<A>{A::Yes, A::No} << both << false;
    QTest::newRow("both exceeded, No then Yes") << "100"
                                                << "1" << 0.0 << "Apple pie"
                                                << "1" << QList<A>{A::No, A::Yes} << both << false;
    QTest::newRow("both exceeded, Yes twice") << "100"
                                              << "1" << 0.0 << "Apple pie"
                                              << "1" << QList<A>{A::Yes, A::Yes} << both << true;
    QTest::newRow("the day will pass the limit")
        << "2000"
        << "" << 1800.0 << "O'Brien Stew"
        << "2" << QList<A>{A::Yes} << QStringList{"Exceeded Calorie limit"} << true;
    QTest::newRow("No is the default")
        << "2000"
        << "" << 2100.0 << "Tea"
        << "1" << QList<A>{} << QStringList{"Exceeded Calorie limit"} << false;
    QTest::newRow("reaching it exactly") << "2000"
                                         << "" << 1650.0 << "O'Brien Stew"
                                         << "1" << QList<A>{} << QStringList{} << true;
}

void PlannerFoodLogTest::limitQuestions()
{
    QFETCH(QString, calorieLimit);
    QFETCH(QString, fatLimit);
    QFETCH(double, dayCalories);
    QFETCH(QString, food);
    QFETCH(QString, quantity);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QStringList, titles);
    QFETCH(bool, stored);
    PlannerFixture f;
    f.setLimits(calorieLimit, fatLimit);
    if (dayCalories > 0)
        logRow(f, MealSlot::Midday, "Earlier", dayCalories);
    f.open();
    f.pickFood(food);
    for (MessageAnswer a : answers)
        f.messages().queueAnswer(a);
    addTo(f, "Com_Evenning", "txtAmountEven", quantity);
    QStringList asked;
    for (const Message& m : f.messages().shown()) {
        asked << m.title;
        QCOMPARE(m.buttons, MessageButtons::YesNo);
        QCOMPARE(m.defaultAnswer, MessageAnswer::No);
        QCOMPARE(m.icon, MessageIcon::Exclamation);
    }
    QCOMPARE(asked, titles);
    if (!titles.isEmpty() && titles[0] == "Exceeded Calorie limit")
        QCOMPARE(f.messages().shown()[0].text,
                 " You have exceeded your DAILY CALORIES LIMIT, which is set to " + calorieLimit +
                     "g. Do you still want to proceed?");
    QCOMPARE(f.scheduleRows("evening_food IS NOT NULL").size(), stored ? 1 : 0);
    // Stored or not, the meal is rebuilt and the boxes reset.
    QCOMPARE(f.list("List_Evening2")->count(), stored ? 1 : 0);
    QCOMPARE(f.edit("txtAmountEven")->text(), QStringLiteral("1"));
}

void PlannerFoodLogTest::sameFoodInEachMeal()
{
    PlannerFixture f;
    f.open();
    f.pickFood("Milk");
    addTo(f, "Com_Morning", "txtAmountMor", "1");
    addTo(f, "Com_Midday", "txtAmountMid", "2");
    addTo(f, "Com_Evenning", "txtAmountEven", "3");
    QVERIFY(f.messages().shown().isEmpty());
    QCOMPARE(f.scheduleRows(), (QStringList{"Milk|1|120|2.5", "Milk|2|240|5", "Milk|3|360|7.5"}));
    QCOMPARE(PlannerFixture::lines(f.list("List_Midday2")), QStringList{"2   -   Milk"});
    QCOMPARE(PlannerFixture::lines(f.list("List_Cal_Sched_Eve")), QStringList{"3   -   Milk"});
}

void PlannerFoodLogTest::enterOnTheButtons()
{
    PlannerFixture f;
    f.open();
    f.pickFood("Tea");
    f.edit("txtAmountMid")->setText("2");
    QTest::keyClick(f.button("Com_Midday"), Qt::Key_Return);
    QCOMPARE(f.scheduleRows(), QStringList{"Tea|2|4|0"});

    f.pickMealLine("List_Midday2", "Tea");
    QTest::keyClick(f.button("Com_Midday_Edit"), Qt::Key_Enter);
    QVERIFY(f.app().forms().isLoaded("Mor_Edit_Qty"));
    f.app().forms().unload("Mor_Edit_Qty");

    f.messages().queueAnswer(MessageAnswer::Yes);
    QTest::keyClick(f.button("Com_Midday_Del"), Qt::Key_Return);
    QVERIFY(f.scheduleRows().isEmpty());
}

void PlannerFoodLogTest::remove()
{
    PlannerFixture f;
    logRow(f, MealSlot::Morning, "Apple", 95);
    logRow(f, MealSlot::Morning, "Apple", 95);
    logRow(f, MealSlot::Morning, "Tea", 2);
    logRow(f, MealSlot::Midday, "Apple", 95);
    logRow(f, MealSlot::Evening, "Apple", 95);
    f.open();
    QCOMPARE(PlannerFixture::lines(f.list("List_Morning2")),
             (QStringList{"1   -   Apple", "1   -   Tea"}));

    const QString none = "You must select food from your %1 food list to delete ";
    QTest::mouseClick(f.button("Com_Morning_Del"), Qt::LeftButton);
    QCOMPARE(f.messages().last().text, none.arg("morning"));
    QTest::mouseClick(f.button("Com_Evening_Del"), Qt::LeftButton);
    QCOMPARE(f.messages().last().text, none.arg("evening"));
    QTest::mouseClick(f.button("Com_Midday_Edit"), Qt::LeftButton);
    QCOMPARE(f.messages().last().text,
             QStringLiteral("You must select food from your midday food list to edit "));

    f.pickMealLine("List_Morning2", "Apple");
    f.messages().clear();
    f.messages().queueAnswer(MessageAnswer::No);
    QTest::mouseClick(f.button("Com_Morning_Del"), Qt::LeftButton);
    const Message asked = f.messages().last();
    QCOMPARE(asked.text, QStringLiteral(" You are about to delete 'Apple' permanently. Are you "
                                        "sure you want to do this?"));
    QCOMPARE(asked.title, QStringLiteral("Deleting Food"));
    QCOMPARE(asked.defaultAnswer, MessageAnswer::No);
    QCOMPARE(f.scheduleRows().size(), 5);

    f.messages().queueAnswer(MessageAnswer::Yes);
    QTest::mouseClick(f.button("Com_Morning_Del"), Qt::LeftButton);
    QCOMPARE(f.scheduleRows(), (QStringList{"Tea|1|2|0", "Apple|1|95|0", "Apple|1|95|0"}));
    QCOMPARE(PlannerFixture::lines(f.list("List_Morning2")), QStringList{"1   -   Tea"});
    QCOMPARE(PlannerFixture::lines(f.list("List_Cal_Sched_Mor")), QStringList{"1   -   Tea"});
    QCOMPARE(PlannerFixture::lines(f.list("List_Midday2")), QStringList{"1   -   Apple"});
    QCOMPARE(PlannerFixture::lines(f.list("List_Evening2")), QStringList{"1   -   Apple"});
}

void PlannerFoodLogTest::editQuantity()
{
    PlannerFixture f;
    f.open();
    f.pickFood("Apple");
    addTo(f, "Com_Morning", "txtAmountMor", "1");
    f.pickMealLine("List_Morning2", "Apple");
    QTest::mouseClick(f.button("Com_Morning_Edit"), Qt::LeftButton);
    auto* dialog = f.app().forms().find<QDialog>("Mor_Edit_Qty");
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Editing Quantity Value"));
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    QCOMPARE(dialog->findChild<QLabel*>("LabelTest")->text(), QStringLiteral("Apple"));
    QCOMPARE(dialog->findChild<QLabel*>("lblquery_flag")->text(), QStringLiteral("Edit_Mor"));
    QCOMPARE(dialog->findChild<QLabel*>("edit_user")->text(), QStringLiteral("ann"));
    QCOMPARE(dialog->findChild<QCalendarWidget*>("Edit_Qty_Calendar")->selectedDate(),
             QDate(2006, 1, 5));

    auto* box = dialog->findChild<QLineEdit*>("txtNew_Qty");
    const QList<QPair<QString, QString>> refused{{"", "Please enter a number"},
                                                 {"0", "You must enter number greater than 0 "},
                                                 {"+2", "You must enter a number"},
                                                 {"2-1", "You must enter a number"}};
    for (const auto& [typed, message] : refused) {
        box->setText(typed);
        QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        QCOMPARE(f.messages().last().text, message);
        QCOMPARE(box->text(), typed);
    }
    box->setText("3");
    QTest::keyClick(box, Qt::Key_Return);
    TestApp::settle();
    QVERIFY(!f.app().forms().isLoaded("Mor_Edit_Qty"));
    QCOMPARE(f.scheduleRows(), QStringList{"Apple|3|285|0.9"});
    QCOMPARE(f.scheduleRows("total_protein = 1.5 AND total_sodium = 6").size(), 1);
    QCOMPARE(PlannerFixture::lines(f.list("List_Morning2")), QStringList{"3   -   Apple"});
    // The dialog's refresh brings the totals too.
    QCOMPARE(f.labelText("lblTotCal_Dis"), QStringLiteral("285"));
}

void PlannerFoodLogTest::editOnADayWithoutTheFood()
{
    PlannerFixture f;
    logRow(f, MealSlot::Evening, "Apple", 95);
    f.open();
    f.pickMealLine("List_Evening2", "Apple");
    QTest::mouseClick(f.button("Com_Evening_Edit"), Qt::LeftButton);
    auto* dialog = f.app().forms().find<QDialog>("Mor_Edit_Qty");
    QVERIFY(dialog);
    dialog->findChild<QCalendarWidget*>("Edit_Qty_Calendar")->setSelectedDate(QDate(2006, 1, 6));
    dialog->findChild<QLineEdit*>("txtNew_Qty")->setText("2");
    QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    TestApp::settle();
    QCOMPARE(f.messages().last().text, QStringLiteral("Food item not found"));
    QVERIFY(!f.app().forms().isLoaded("Mor_Edit_Qty"));
    QCOMPARE(f.scheduleRows(), QStringList{"Apple|1|95|0"});
}

void PlannerFoodLogTest::editKeepsRowOfAVanishedFood()
{
    PlannerFixture f;
    logRow(f, MealSlot::Morning, "Dodo Egg", 400);
    f.open();
    f.pickMealLine("List_Morning2", "Dodo Egg");
    QTest::mouseClick(f.button("Com_Morning_Edit"), Qt::LeftButton);
    auto* dialog = f.app().forms().find<QDialog>("Mor_Edit_Qty");
    QVERIFY(dialog);
    dialog->findChild<QLineEdit*>("txtNew_Qty")->setText("2");
    QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    TestApp::settle();
    QCOMPARE(f.messages().last().text, QStringLiteral("Food item not found"));
    QVERIFY(!f.app().forms().isLoaded("Mor_Edit_Qty"));
    QCOMPARE(f.scheduleRows(), QStringList{"Dodo Egg|1|400|0"});
}

void PlannerFoodLogTest::editWorksForThePlannersUser()
{
    PlannerFixture f;
    logRow(f, MealSlot::Morning, "Apple", 95);
    ScheduleRow bob;
    bob.username = "bob";
    bob.day = QDate(2006, 1, 5);
    bob.dateText = "1/05/2006";
    bob.food = "Apple";
    bob.amount = "1";
    bob.totals.calories = 95;
    QVERIFY(FoodLogStore(f.app().database()).add(bob).ok());
    f.app().session().setLastSavedUser("bob");
    f.open();
    f.pickMealLine("List_Morning2", "Apple");
    QTest::mouseClick(f.button("Com_Morning_Edit"), Qt::LeftButton);
    auto* dialog = f.app().forms().find<QDialog>("Mor_Edit_Qty");
    QVERIFY(dialog);
    QCOMPARE(dialog->findChild<QLabel*>("edit_user")->text(), QStringLiteral("ann"));
    dialog->findChild<QLineEdit*>("txtNew_Qty")->setText("4");
    QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    QCOMPARE(f.scheduleRows("username = 'ann'"), QStringList{"Apple|4|380|1.2"});
    QCOMPARE(f.scheduleRows("username = 'bob'"), QStringList{"Apple|1|95|0"});
}

void PlannerFoodLogTest::quotesThroughTheWholeRoad()
{
    PlannerFixture f;
    f.open();
    f.edit("txtSearch")->setText("O'");
    QTest::mouseClick(f.button("cmdSearch"), Qt::LeftButton);
    f.pickFood("O'Brien Stew");
    addTo(f, "Com_Midday", "txtAmountMid", "1");
    QCOMPARE(PlannerFixture::lines(f.list("List_Midday2")), QStringList{"1   -   O'Brien Stew"});

    f.pickMealLine("List_Midday2", "O'Brien Stew");
    QTest::mouseClick(f.button("Com_Midday_Edit"), Qt::LeftButton);
    auto* dialog = f.app().forms().find<QDialog>("Mor_Edit_Qty");
    QVERIFY(dialog);
    dialog->findChild<QLineEdit*>("txtNew_Qty")->setText("2");
    QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    TestApp::settle();
    QCOMPARE(f.scheduleRows(), QStringList{"O'Brien Stew|2|700|24"});

    f.pickMealLine("List_Midday2", "O'Brien Stew");
    f.messages().queueAnswer(MessageAnswer::Yes);
    QTest::mouseClick(f.button("Com_Midday_Del"), Qt::LeftButton);
    QVERIFY(f.scheduleRows().isEmpty());
    QCOMPARE(f.list("List_Midday2")->count(), 0);
}

void PlannerFoodLogTest::dayTotals()
{
    PlannerFixture f;
    f.open();
    QCOMPARE(totals(f), QStringList(7, QString()));

    f.pickFood("Apple");
    addTo(f, "Com_Morning", "txtAmountMor", "2");
    f.pickFood("Milk");
    addTo(f, "Com_Evenning", "txtAmountEven", "1");
    // An add does not refresh the summary; choosing a tab does.
    QCOMPARE(totals(f), QStringList(7, QString()));
    f.chooseTab(frmAllShed::ScheduleSummary);
    QCOMPARE(totals(f), (QStringList{"3.1", "310", "9", "62.2", "8.8", "104", "10"}));

    f.chooseTab(frmAllShed::FoodLog);
    f.pickMealLine("List_Morning2", "Apple");
    f.messages().queueAnswer(MessageAnswer::Yes);
    QTest::mouseClick(f.button("Com_Morning_Del"), Qt::LeftButton);
    f.pickFood("Apple");
    addTo(f, "Com_Midday", "txtAmountMid", "1.5");
    f.chooseTab(frmAllShed::Calendar);
    QCOMPARE(f.labelText("lblTotCal_Dis"), QStringLiteral("262.5"));
}

void PlannerFoodLogTest::calendarDayClick()
{
    PlannerFixture f;
    logRow(f, MealSlot::Morning, "Tea", 2, QDate(2006, 1, 6));
    f.open();
    f.chooseTab(frmAllShed::Calendar);
    auto* calendar = f.control<QCalendarWidget>("Diet_Calendar");
    QVERIFY(calendar && calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), QDate(2006, 1, 5));
    calendar->setSelectedDate(QDate(2006, 1, 6));
    emit calendar->clicked(QDate(2006, 1, 6));
    QCOMPARE(f.planner()->day().texts.dateText, QStringLiteral("1/06/2006"));
    QCOMPARE(PlannerFixture::lines(f.list("List_Cal_Sched_Mor")), QStringList{"1   -   Tea"});
    // The food log follows at the next tab change; an add already goes to the new day.
    QCOMPARE(f.labelText("lblDayName_foodlog"), QStringLiteral("5"));
    QCOMPARE(f.list("List_Morning2")->count(), 0);
    f.chooseTab(frmAllShed::FoodLog);
    QCOMPARE(f.labelText("lblDayName_foodlog"), QStringLiteral("6"));
    QCOMPARE(PlannerFixture::lines(f.list("List_Morning2")), QStringList{"1   -   Tea"});
    f.pickFood("Apple");
    addTo(f, "Com_Evenning", "txtAmountEven", "1");
    QCOMPARE(f.scheduleRows("date = '1/06/2006' AND dRepDate = '2006-01-06'").size(), 2);
}

QTEST_MAIN(PlannerFoodLogTest)
#include "tst_plannerfoodlog.moc"
