#include "calculators/BmiFormula.h"

#include "calculators/SmallNumber.h"

namespace {

constexpr double inchesPerMetre = 39.36;
constexpr double poundsPerKilogram = 2.2;

bool fits(qint64 value)
{
    return value >= smallnumber::minimum && value <= smallnumber::maximum;
}

} // namespace

std::optional<int> FigureBMI(qint64 feet, qint64 inches, qint64 pounds)
{
    if (!fits(feet) || !fits(inches) || !fits(pounds))
        return std::nullopt;
    const qint64 totalInches = feet * 12 + inches;
    if (!fits(totalInches) || totalInches == 0)
        return std::nullopt;
    const double metres = static_cast<double>(totalInches) / inchesPerMetre;
    const double kilograms = static_cast<double>(pounds) / poundsPerKilogram;
    return smallnumber::fromDouble(kilograms / (metres * metres));
}
