#include "planner/CalendarTab.h"

#include "ui_CalendarTab.h"

#include "planner/PlannerLists.h"

#include <QCalendarWidget>

CalendarTab::CalendarTab(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::CalendarTab>())
{
    m_ui->setupUi(this);
    // Other windows and tests find the calendar by name as soon as the planner
    // is loaded, so it is made with the tab, not when the tab is first shown.
    calendar();
}

CalendarTab::~CalendarTab() = default;

QCalendarWidget* CalendarTab::calendar()
{
    if (!m_calendar) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setObjectName(QStringLiteral("Diet_Calendar"));
        m_calendar->setAccessibleName(QStringLiteral("Calendar"));
        m_calendar->setGridVisible(true);
        if (m_date.isValid())
            m_calendar->setSelectedDate(m_date);
        m_ui->calendarLayout->insertWidget(0, m_calendar);
        setTabOrder(m_calendar, m_ui->List_Cal_Sched_Mor);
        connect(m_calendar, &QCalendarWidget::clicked, this, &CalendarTab::dateClicked);
        // Made while the page is being shown: it has to be shown by hand.
        if (isVisible()) {
            m_calendar->show();
            m_ui->calendarLayout->activate();
        }
    }
    return m_calendar;
}

void CalendarTab::showEvent(QShowEvent* event)
{
    calendar();
    QWidget::showEvent(event);
}

QDate CalendarTab::selectedDate() const
{
    return m_calendar ? m_calendar->selectedDate() : m_date;
}

void CalendarTab::setSelectedDate(const QDate& date)
{
    m_date = date;
    if (m_calendar)
        m_calendar->setSelectedDate(date);
}

void CalendarTab::setMeal(MealSlot slot, const QStringList& lines)
{
    QListWidget* const lists[] = {m_ui->List_Cal_Sched_Mor, m_ui->List_Cal_Sched_Mid,
                                  m_ui->List_Cal_Sched_Eve};
    PlannerLists::fill(lists[static_cast<int>(slot)], lines);
}
