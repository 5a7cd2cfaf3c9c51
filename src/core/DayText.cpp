#include "core/DayText.h"

#include <QLocale>

namespace daytext {

DayTexts takeDay(const QDate& date)
{
    DayTexts texts;
    texts.day = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
    texts.month = QString::number(date.month());
    texts.year = QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
    texts.dateText = texts.month + u'/' + texts.day + u'/' + texts.year;
    return texts;
}

QString dateText(const QDate& date)
{
    return takeDay(date).dateText;
}

QString dateValue(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

QDate fromDateValue(const QString& value)
{
    return QDate::fromString(value.left(10), Qt::ISODate);
}

QString shortDateText(const QDate& date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

QString convertMonthNo(int month)
{
    static const char* const names[] = {"JANUARY",   "FEBRUARY", "MARCH",    "APRIL",
                                        "MAY",       "JUNE",     "JULY",     "AUGUST",
                                        "SEPTEMBER", "OCTOBER",  "NOVEMBER", "DECEMBER"};
    if (month < 1 || month > 12)
        return QString();
    return QString::fromLatin1(names[month - 1]);
}

} // namespace daytext
