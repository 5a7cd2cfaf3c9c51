#pragma once

#include "app/FormWindow.h"
#include "planner/PlannerDay.h"

#include <QList>
#include <QWidget>

class AppContext;
class BodyInfoTab;
class CalendarTab;
class FoodEditorTab;
class FoodLogTab;
class QTabWidget;
class RecipeEditorTab;
class ReportsTab;
class SummaryTab;
class SvgPicture;
class WeightChartTab;

// "Schedule Designer": the diet planner. It works for one user on the day picked
// in its calendar; its eight tabs are built by their own classes, and this window
// keeps the day, loads everything when it opens and refreshes at each tab change.
class frmAllShed final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    enum Tab {
        FoodLog,
        BodyInformation,
        ScheduleSummary,
        Reports,
        WeightAnalyzer,
        FoodEditor,
        Calendar,
        RecipeEditor
    };

    explicit frmAllShed(AppContext& context, QWidget* parent = nullptr);
    ~frmAllShed() override;

    void formLoad() override;

    // The refresh run when a tab is chosen; the quantity dialog runs it too.
    void SSTab1_Click(int previousTab = -1);

    const QString& currentUser() const { return m_day.user; }
    const PlannerDay& day() const { return m_day; }

    // Take the calendar day: the day texts follow the calendar's selected date.
    void takeCalendarDay();

    QString pickedFoodLine() const;
    void hideFoodPropertiesHint();

    void PopMorningfood();
    void PopMiddayfood();
    void PopEveningfood();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fillFoodLists(bool emptyAfterHeader);
    void fillMeals();
    void showDayTotals();
    void setDayLabels();
    void tabChanged(int index);

    AppContext& m_context;
    PlannerDay m_day;
    QTabWidget* m_tabs = nullptr;
    FoodLogTab* m_foodLog = nullptr;
    BodyInfoTab* m_bodyInfo = nullptr;
    SummaryTab* m_summary = nullptr;
    ReportsTab* m_reports = nullptr;
    WeightChartTab* m_weightChart = nullptr;
    FoodEditorTab* m_foodEditor = nullptr;
    CalendarTab* m_calendar = nullptr;
    RecipeEditorTab* m_recipes = nullptr;
    QList<SvgPicture*> m_backgrounds;
    int m_shownTab = 0;
};
