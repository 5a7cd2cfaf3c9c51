#pragma once

#include <QtGlobal>

#include <optional>

// The body-mass index of a height in feet and inches and a weight in pounds, as
// a whole number: kilograms (pounds / 2.2) over the square of metres (inches /
// 39.36), a half rounded to the even neighbour. Both calculator windows and the
// diet planner's body panel use this one formula.
//
// The figures are kept in 16 bits: no result when an argument, the total of
// inches or the BMI lies outside -32768..32767, and none for a height of zero,
// so every caller can tell a figure that cannot be worked out from a real one.
std::optional<int> FigureBMI(qint64 feet, qint64 inches, qint64 pounds);
