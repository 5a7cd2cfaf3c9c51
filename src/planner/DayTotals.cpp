#include "planner/DayTotals.h"

#include "core/TextRules.h"

namespace {

QString shown(const std::optional<double>& sum)
{
    return sum ? text::formatNumber(*sum) : QString();
}

} // namespace

QStringList DayTotals::texts(const DaySums& sums)
{
    return {shown(sums.fat),          shown(sums.calories), shown(sums.protein),
            shown(sums.carbohydrate), shown(sums.fibre),    shown(sums.sodium),
            shown(sums.cholesterol)};
}

Nutrients DayTotals::asNutrients(const DaySums& s)
{
    Nutrients n;
    n.fat = s.fat.value_or(0);
    n.calories = s.calories.value_or(0);
    n.protein = s.protein.value_or(0);
    n.fibre = s.fibre.value_or(0);
    n.carbohydrate = s.carbohydrate.value_or(0);
    n.sodium = s.sodium.value_or(0);
    n.cholesterol = s.cholesterol.value_or(0);
    return n;
}
