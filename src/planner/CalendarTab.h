#pragma once

#include "data/MealSlot.h"

#include <QDate>
#include <QWidget>

#include <memory>

class QCalendarWidget;

namespace Ui {
class CalendarTab;
}

// The "Ca&lendar" tab: the calendar that picks the planner's day, and the day's
// three meals, read-only.
class CalendarTab final : public QWidget {
    Q_OBJECT

public:
    explicit CalendarTab(QWidget* parent = nullptr);
    ~CalendarTab() override;

    QDate selectedDate() const;
    void setSelectedDate(const QDate& date);
    void setMeal(MealSlot slot, const QStringList& lines);

    // The month calendar Diet_Calendar.
    QCalendarWidget* calendar();

signals:
    // The user clicked a day.
    void dateClicked(const QDate& date);

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::CalendarTab> m_ui;
    // The picked day, kept beside the calendar.
    QCalendarWidget* m_calendar = nullptr;
    QDate m_date;
};
