#include "calculators/BmiCalculation.h"

#include "calculators/BmiFormula.h"
#include "calculators/SmallNumber.h"
#include "core/TextRules.h"

namespace {

const QString weightNumber =
    QStringLiteral("You must enter a number for your weight. Example 10, 241, etc");
const QString feetNumber =
    QStringLiteral("You must enter a number for the feet portion of your Height.");
const QString inchNumber =
    QStringLiteral("You must enter a number for the inch portion of your Height.");

bool hasSign(const QString& value)
{
    return value.contains(u'-') || value.contains(u'+');
}

bool wholePartWithin(const QString& value, qint64 low, qint64 high)
{
    const auto whole = text::wholePart(value);
    return whole && *whole >= low && *whole <= high;
}

} // namespace

BmiOutcome calculateBmi(const BmiEntry& entry)
{
    BmiOutcome outcome;
    outcome.inches = entry.inches;
    const auto fail = [&outcome](int check, const QString& message, BmiBox box) {
        outcome.failure = BmiFailure{check, message, box};
        return outcome;
    };
    const QString& weight = entry.weight;
    const QString& feet = entry.feet;

    if (text::isEmpty(weight) && text::isEmpty(feet) && text::isEmpty(entry.inches))
        return fail(1, QStringLiteral("You cannot leave all fields empty"), BmiBox::None);
    if (text::isEmpty(weight))
        return fail(2, QStringLiteral("Weight is required!"), BmiBox::None);
    if (!text::isNumeric(weight))
        return fail(3, weightNumber, BmiBox::Weight);
    if (hasSign(weight))
        return fail(4, weightNumber, BmiBox::Weight);
    if (text::isEmpty(feet))
        return fail(5, QStringLiteral("Please enter a number for the feet portion of your Height."),
                    BmiBox::None);
    if (!text::isNumeric(feet))
        return fail(6, feetNumber, BmiBox::None);
    // The range comes before the sign, so "-5" is told about the range.
    if (!wholePartWithin(feet, 1, 15))
        return fail(7, QStringLiteral("Feet value must be between 1 and 15 feet"), BmiBox::Feet);
    if (hasSign(feet))
        return fail(8, feetNumber, BmiBox::None);
    if (!text::isEmpty(entry.inches) && !text::isNumeric(entry.inches))
        return fail(9, inchNumber, BmiBox::None);
    if (text::isEmpty(outcome.inches))
        outcome.inches = QStringLiteral("0");
    if (!wholePartWithin(outcome.inches, 0, 12))
        return fail(11, QStringLiteral("Inch value must be between 0 and 12 inches"),
                    BmiBox::Inches);
    if (hasSign(outcome.inches))
        return fail(12, inchNumber, BmiBox::None);

    // The ranges were checked on whole parts; the formula takes rounded values,
    // so 15.6 feet count as 16 and 12.5 inches as 12.
    const auto feetValue = smallnumber::fromText(feet);
    const auto inchValue = smallnumber::fromText(outcome.inches);
    const auto pounds = smallnumber::fromText(weight);
    if (!feetValue || !inchValue || !pounds)
        return fail(13, weightNumber, BmiBox::Weight);
    const auto bmi = FigureBMI(*feetValue, *inchValue, *pounds);
    if (!bmi)
        return fail(13, weightNumber, BmiBox::Weight);
    outcome.bmi = *bmi;
    outcome.advice = bmiAdvice(*bmi);
    return outcome;
}

BmiAdvice bmiAdvice(int bmi)
{
    if (bmi > 26) {
        return BmiAdvice{
            QStringLiteral("Your BMI is higher than normal. ") +
                QStringLiteral(
                    "Remember, you can have a high BMI and a low body fat percentage. ") +
                QStringLiteral("BMI is only one measure of your health. Body fat percentage, ") +
                QStringLiteral("blood pressure, resting heart rate, cholesterol and other ") +
                QStringLiteral("measurements are at least as important as BMI. You need to get ") +
                QStringLiteral("the whole picture. You should research the subject and be "
                               "evaluated professionally for ") +
                QStringLiteral("a complete and accurate picture of your health."),
            BmiColour{255, 128, 128}, true};
    }
    return BmiAdvice{QStringLiteral("Your BMI is normal."), BmiColour{192, 255, 255}, false};
}
