#pragma once

#include <QString>

#include <optional>

// The one place that says what the checks of every window mean by "empty",
// "numeric", "whole part" and "bad name", and how numbers are rounded and shown.
namespace text {

// Nothing at all; a text of blanks is not empty.
bool isEmpty(const QString& value);

// Leading and trailing blanks aside: an optional sign, digits with at most one
// decimal point, at least one digit. No exponent, grouping or currency.
bool isNumeric(const QString& value);

// The value of a numeric text; nothing for any other text.
std::optional<double> toNumber(const QString& value);

// The largest whole number not above the value (120.9 -> 120, 0.9 -> 0, -0.5 -> -1).
std::optional<qint64> wholePart(const QString& value);

// A name may hold only A-Z, a-z, 0-9 and the comma; an empty text is not bad.
bool isBadName(const QString& value);

bool containsDigit(const QString& value);

// Half rounds to the even neighbour (2.5 -> 2, 3.5 -> 4), on 64 bits so no
// figure a person types overflows.
qint64 roundHalfEven(double value);

// Character-by-character comparison, letter case counting: <0, 0 or >0.
int compareText(const QString& a, const QString& b);

// Every single quote doubled, for a text put between quotes in SQL text.
QString fixString(const QString& value);

// 1 for exactly "True", otherwise 0.
int checkConvert(const QString& value);

// "True" for 1, otherwise "False".
QString checkConvertBack(int value);

// The shortest decimal text that reads back to the same number, at most 15
// significant digits: 0.1 * 3 shows 0.3, 142.5 shows 142.5, 310 shows 310.
QString formatNumber(double value);

} // namespace text
