#pragma once

#include <QDate>
#include <QString>

// The three text forms a day takes in the tables, and the planner's day labels.
namespace daytext {

// The pieces "Take the calendar day" sets from a calendar's date.
struct DayTexts {
    QString day;      // two digits: "05", "25"
    QString month;    // no leading zero: "1" to "12"
    QString year;     // four digits
    QString dateText; // month/day/year: "1/05/2006"
};

DayTexts takeDay(const QDate& date);

// "1/05/2006", "12/25/2005": the key of a day in schedule and calender_info.
QString dateText(const QDate& date);

// The stored form of a date value: "2006-01-05".
QString dateValue(const QDate& date);
QDate fromDateValue(const QString& value);

// The day as the system's locale writes a date in short form.
QString shortDateText(const QDate& date);

// "JANUARY" to "DECEMBER" for 1 to 12; an empty text for any other number.
QString convertMonthNo(int month);

} // namespace daytext
