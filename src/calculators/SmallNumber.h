#pragma once

#include <QString>

#include <optional>

// The calculators keep their figures in 16 bits: a value is rounded to the
// nearest whole number (a half to the even neighbour) and must lie within
// -32768..32767, or there is no value.
namespace smallnumber {

inline constexpr int minimum = -32768;
inline constexpr int maximum = 32767;

std::optional<int> fromDouble(double value);

// The rounded value of a numeric text; nothing for other texts or for a value
// that does not fit.
std::optional<int> fromText(const QString& value);

} // namespace smallnumber
