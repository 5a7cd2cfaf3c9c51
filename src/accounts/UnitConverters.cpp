#include "accounts/UnitConverters.h"

#include "core/TextRules.h"

#include <cmath>
#include <optional>

namespace convert {

namespace {

constexpr double centimetresPerInch = 2.54;
constexpr double poundsPerKilogram = 2.20458553791887;

// The number a converter holds, or why there is none.
Outcome read(const QString& value, double& number)
{
    if (!text::containsDigit(value))
        return Outcome::NoDigit;
    const std::optional<double> parsed = text::toNumber(value);
    if (!parsed)
        return Outcome::NotANumber;
    number = *parsed;
    return Outcome::Converted;
}

} // namespace

Height heightFromCentimetres(const QString& centimetres)
{
    double number = 0;
    Height result;
    result.outcome = read(centimetres, number);
    if (result.outcome != Outcome::Converted)
        return result;
    const qint64 totalInches = text::roundHalfEven(number / centimetresPerInch);
    // Whole feet and the rest both truncate towards zero, as integer division does.
    result.feet = QString::number(totalInches / 12);
    result.inches = QString::number(totalInches % 12);
    return result;
}

Value waistFromCentimetres(const QString& centimetres)
{
    double number = 0;
    Value result;
    result.outcome = read(centimetres, number);
    if (result.outcome == Outcome::Converted)
        result.text = QString::number(static_cast<qint64>(std::floor(number / centimetresPerInch)));
    return result;
}

Value weightFromKilograms(const QString& kilograms)
{
    double number = 0;
    Value result;
    result.outcome = read(kilograms, number);
    if (result.outcome == Outcome::Converted)
        result.text = QString::number(text::roundHalfEven(number * poundsPerKilogram));
    return result;
}

QString centimetreMessage()
{
    return QStringLiteral("Please enter a numerical value for CM in the blue box");
}

QString kilogramMessage()
{
    return QStringLiteral("Please enter a numerical value for KG in the blue box");
}

} // namespace convert
