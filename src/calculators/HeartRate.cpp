#include "calculators/HeartRate.h"

#include "calculators/SmallNumber.h"
#include "core/TextRules.h"

namespace {

constexpr int ageLimit = 220;
constexpr double lowShare = 0.6;
constexpr double highShare = 0.8;
// Both bounds are refused: a resting rate must lie strictly between them.
constexpr double lowestRest = 50.0;
constexpr double highestRest = 250.0;

} // namespace

std::optional<int> heartRateAge(const QString& profileAge)
{
    return smallnumber::fromText(profileAge);
}

HeartRates beginnerRates(int age)
{
    const int maximum = ageLimit - age;
    return HeartRates{maximum, static_cast<int>(text::roundHalfEven(maximum * lowShare)),
                      static_cast<int>(text::roundHalfEven(maximum * highShare))};
}

AdvancedRates advancedRates(int age, const QString& restingRate)
{
    const auto rest = text::toNumber(restingRate);
    if (!rest)
        return AdvancedRates{QStringLiteral("Please enter a valid number"), {}};
    if (!(*rest > lowestRest) || !(*rest < highestRest))
        return AdvancedRates{QStringLiteral("Plese enter a valid number"), {}};
    const int maximum = ageLimit - age;
    const double reserve = maximum - *rest;
    return AdvancedRates{
        std::nullopt,
        HeartRates{maximum, static_cast<int>(text::roundHalfEven(*rest + reserve * lowShare)),
                   static_cast<int>(text::roundHalfEven(*rest + reserve * highShare))}};
}
