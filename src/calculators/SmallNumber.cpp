#include "calculators/SmallNumber.h"

#include "core/TextRules.h"

#include <cmath>

namespace smallnumber {

std::optional<int> fromDouble(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // Compared before rounding, so a value far out of range cannot wrap around.
    if (value < minimum - 1.0 || value > maximum + 1.0)
        return std::nullopt;
    const qint64 rounded = text::roundHalfEven(value);
    if (rounded < minimum || rounded > maximum)
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::optional<int> fromText(const QString& value)
{
    const auto number = text::toNumber(value);
    if (!number)
        return std::nullopt;
    return fromDouble(*number);
}

} // namespace smallnumber
