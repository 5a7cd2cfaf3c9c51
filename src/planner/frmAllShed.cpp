#include "planner/frmAllShed.h"

#include "app/AppContext.h"
#include "app/Forms.h"
#include "core/Clock.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "data/FoodLogStore.h"
#include "data/FoodStore.h"
#include "planner/BodyInfoTab.h"
#include "planner/CalendarTab.h"
#include "planner/DayTotals.h"
#include "planner/FoodEditorTab.h"
#include "planner/FoodListBuilder.h"
#include "planner/FoodLogTab.h"
#include "planner/RecipeEditorTab.h"
#include "planner/ReportsTab.h"
#include "planner/SummaryTab.h"
#include "planner/SvgPicture.h"
#include "planner/WeightChartTab.h"

#include <QTabWidget>
#include <QVBoxLayout>

frmAllShed::frmAllShed(AppContext& context, QWidget* parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("frmAllShed"));
    setWindowTitle(QStringLiteral("Schedule Designer"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setAccessibleName(QStringLiteral("Schedule Designer Tabs"));
    layout->addWidget(m_tabs);

    m_foodLog = new FoodLogTab(m_context, m_day, m_tabs);
    m_bodyInfo = new BodyInfoTab(m_tabs);
    m_summary = new SummaryTab(m_tabs);
    m_reports = new ReportsTab(m_tabs);
    m_weightChart = new WeightChartTab(m_tabs);
    m_foodEditor = new FoodEditorTab(m_tabs);
    m_calendar = new CalendarTab(m_tabs);
    m_recipes = new RecipeEditorTab(m_tabs);
    m_tabs->addTab(m_foodLog, QStringLiteral("Daily Food &Log "));
    m_tabs->addTab(m_bodyInfo, QStringLiteral("&Body Information"));
    m_tabs->addTab(m_summary, QStringLiteral("Sc&hedule Summary"));
    m_tabs->addTab(m_reports, QStringLiteral("Crea&te Nutritional Reports"));
    m_tabs->addTab(m_weightChart, QStringLiteral("&Visual Weight Analyzer"));
    m_tabs->addTab(m_foodEditor, QStringLiteral("Create/Edit &Food"));
    m_tabs->addTab(m_calendar, QStringLiteral("Ca&lendar"));
    m_tabs->addTab(m_recipes, QStringLiteral("Create/Ed&it Recipe"));
    m_tabs->setCurrentIndex(FoodLog);

    // Pale pictures behind five of the pages, sized with the tab control.
    QWidget* const pages[] = {m_foodLog, m_bodyInfo, m_summary, m_weightChart, m_calendar};
    for (int i = 0; i < 5; ++i) {
        auto* picture =
            new SvgPicture(QStringLiteral(":/images/planner_bg%1.svg").arg(i + 1), pages[i]);
        picture->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        picture->lower();
        m_backgrounds.append(picture);
    }

    connect(m_foodLog, &FoodLogTab::takeCalendarDayRequested, this, &frmAllShed::takeCalendarDay);
    connect(m_foodLog, &FoodLogTab::displayAllRequested, this, [this] { fillFoodLists(false); });
    connect(m_foodLog, &FoodLogTab::mealChanged, m_calendar, &CalendarTab::setMeal);
    connect(m_calendar, &CalendarTab::dateClicked, this, [this] {
        takeCalendarDay();
        FoodLogStore log(m_context.database());
        for (MealSlot slot : allMealSlots) {
            const auto foods = log.meal(m_day.user, m_day.texts.dateText, slot);
            m_calendar->setMeal(slot, MealLines::of(foods.valueOr({})).visible);
        }
    });
}

frmAllShed::~frmAllShed()
{
    // The pages go after this object's own part: no refresh may run on it then.
    disconnect(m_tabs, nullptr, this, nullptr);
    disconnect(m_foodLog, nullptr, this, nullptr);
    disconnect(m_calendar, nullptr, this, nullptr);
}

void frmAllShed::formLoad()
{
    m_day.user = m_context.session().currentUser().trimmed();
    Forms& forms = m_context.forms();
    // One section window at a time.
    for (const char* other : {"WorkoutForm", "Nut_Reports", "introhealth", "introyoga"})
        forms.unload(QLatin1String(other));
    raise();

    m_calendar->setSelectedDate(m_context.clock().today());
    setDayLabels();
    m_foodLog->resetSearch();
    m_foodEditor->styleFoodList();
    fillFoodLists(true);
    takeCalendarDay();
    fillMeals();
    m_foodLog->fillCategoryBox();
    m_foodLog->setQuantities(QStringLiteral("1"));
    showDayTotals();

    m_shownTab = m_tabs->currentIndex();
    connect(m_tabs, &QTabWidget::currentChanged, this, &frmAllShed::tabChanged,
            Qt::UniqueConnection);
}

void frmAllShed::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int width = m_tabs->width();
    const int height = m_tabs->height();
    for (SvgPicture* picture : std::as_const(m_backgrounds))
        picture->setGeometry(0, 0, width - width * 2 / 100, height - height * 20 / 100);
}

void frmAllShed::tabChanged(int index)
{
    const int previous = m_shownTab;
    m_shownTab = index;
    SSTab1_Click(previous);
}

void frmAllShed::SSTab1_Click(int previousTab)
{
    Q_UNUSED(previousTab);
    if (m_tabs->currentIndex() == Reports) {
        // The reports window's loading closes this window.
        m_context.forms().show(QStringLiteral("Nut_Reports"));
        return;
    }
    if (!m_day.holdsDay()) {
        m_context.messages().inform(QStringLiteral("You must choose a day from the calender tab"),
                                    MessageIcon::Exclamation);
        return;
    }
    m_foodLog->resetSearch();
    setDayLabels();
    m_foodEditor->styleFoodList();
    fillFoodLists(true);
    repaint();
    takeCalendarDay();
    fillMeals();
    showDayTotals();
}

void frmAllShed::takeCalendarDay()
{
    m_day.take(m_calendar->selectedDate());
}

QString frmAllShed::pickedFoodLine() const
{
    return m_foodLog->pickedFoodLine();
}

void frmAllShed::hideFoodPropertiesHint()
{
    m_foodLog->hideHint();
}

void frmAllShed::PopMorningfood()
{
    m_foodLog->PopMorningfood();
}

void frmAllShed::PopMiddayfood()
{
    m_foodLog->PopMiddayfood();
}

void frmAllShed::PopEveningfood()
{
    m_foodLog->PopEveningfood();
}

void frmAllShed::setDayLabels()
{
    m_foodLog->setDayLabels(m_calendar->selectedDate());
}

void frmAllShed::fillFoodLists(bool emptyAfterHeader)
{
    const auto foods =
        FoodStore(m_context.database()).namesByCategory(FoodListBuilder::categories());
    const QList<QStringList> names = foods.valueOr({});
    m_foodLog->setFoodList(
        FoodListBuilder::whole(names, FoodListBuilder::Target::FoodLog, emptyAfterHeader));
    m_foodEditor->setFoodList(
        FoodListBuilder::whole(names, FoodListBuilder::Target::Editor, emptyAfterHeader));
}

void frmAllShed::fillMeals()
{
    FoodLogStore log(m_context.database());
    for (MealSlot slot : allMealSlots) {
        const auto foods = log.meal(m_day.user, m_day.texts.dateText, slot);
        const MealLines lines = MealLines::of(foods.valueOr({}));
        m_foodLog->setMeal(slot, lines);
        m_calendar->setMeal(slot, lines.visible);
    }
}

void frmAllShed::showDayTotals()
{
    const auto sums = FoodLogStore(m_context.database()).daySums(m_day.user, m_day.texts.dateText);
    m_summary->showTotals(DayTotals::texts(sums.valueOr({})));
}
