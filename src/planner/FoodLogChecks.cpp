#include "planner/FoodLogChecks.h"

#include "core/TextRules.h"
#include "planner/FoodListBuilder.h"

namespace {

bool holdsSign(const QString& text)
{
    return text.contains(u'-') || text.contains(u'+');
}

QuantityRefusal resetting(const QString& message)
{
    return QuantityRefusal{message, true, false};
}

} // namespace

std::optional<QuantityRefusal> FoodLogChecks::checkAdd(const AddInput& input)
{
    const QString line = input.pickedLine.trimmed();
    if (line.isEmpty() || line.contains(u'*'))
        return QuantityRefusal{QStringLiteral("Please click on a food from the list of foods."),
                               false, true};
    // A header or the no-match line names no food: nothing to log.
    if (!FoodListBuilder::isFoodLine(line) || line == FoodListBuilder::noMatchLine().trimmed())
        return QuantityRefusal{QStringLiteral("Please click on a food name."), false, true};

    if (text::isEmpty(input.quantity))
        return resetting(QStringLiteral("Servings/Quantity value is required "));
    const QString quantity = input.quantity.trimmed();
    const QString notAbove0 = QStringLiteral("Servings/Quantity value must be greater than 0 ");
    if (holdsSign(quantity))
        return resetting(notAbove0);
    const auto number = text::toNumber(quantity);
    if (!number)
        return resetting(QStringLiteral("You must enter a number for Servings/Quantity "));
    if (*number <= 0)
        return resetting(notAbove0);

    if (input.selectedName && *input.selectedName == line)
        return resetting(QStringLiteral("You have already selected ") + line + u' ');
    if (input.mealNames.contains(line))
        return QuantityRefusal{QStringLiteral("You have already selected '") + line +
                                   QStringLiteral("' "),
                               false, false};
    return std::nullopt;
}

std::optional<QString> FoodLogChecks::checkNewQuantity(const QString& text)
{
    if (text::isEmpty(text))
        return QStringLiteral("Please enter a number");
    const QString quantity = text.trimmed();
    const auto number = text::toNumber(quantity);
    if (number && *number <= 0)
        return QStringLiteral("You must enter number greater than 0 ");
    if (!number || holdsSign(quantity))
        return QStringLiteral("You must enter a number");
    return std::nullopt;
}

double FoodLogChecks::quantityOf(const QString& text)
{
    return text::toNumber(text.trimmed()).value_or(0.0);
}
