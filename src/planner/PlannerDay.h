#pragma once

#include "core/DayText.h"

#include <QDate>
#include <QString>

// What the planner keeps while it is open: whose log it shows and the picked day
// in its text forms.
struct PlannerDay {
    QString user;
    QDate date;
    daytext::DayTexts texts;

    void take(const QDate& picked)
    {
        date = picked;
        texts = daytext::takeDay(picked);
    }
    // The day text holds a day of the month (not empty, not 0).
    bool holdsDay() const { return !texts.day.isEmpty() && texts.day.toInt() != 0; }
};
