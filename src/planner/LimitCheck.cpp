#include "planner/LimitCheck.h"

#include "core/TextRules.h"

#include <optional>

namespace {

// The limit as a whole number; nothing when it is not set (empty, not a number, 0).
std::optional<qint64> limitOf(const QString& stored)
{
    const auto number = text::toNumber(stored);
    if (!number || *number == 0)
        return std::nullopt;
    return text::roundHalfEven(*number);
}

} // namespace

bool LimitCheck::anyLimitSet(const DailyLimits& limits)
{
    return limitOf(limits.calories) || limitOf(limits.fat) || limitOf(limits.protein) ||
           limitOf(limits.carbohydrate);
}

QList<LimitQuestion> LimitCheck::questions(const Input& input)
{
    struct Row {
        const QString& limit;
        double day;
        double food;
        const char* word;
        const char* title;
        bool showsAsStored; // the midday and evening meals show these limits as stored
    };
    const bool laterMeal = input.slot != MealSlot::Morning;
    const Nutrients& d = input.daySoFar;
    const Nutrients& f = input.perServing;
    const Row rows[] = {
        {input.limits.calories, d.calories, f.calories, "CALORIES", "Exceeded Calorie limit",
         false},
        {input.limits.fat, d.fat, f.fat, "FAT", "Exceeded Fat limit", laterMeal},
        {input.limits.protein, d.protein, f.protein, "PROTEIN", "Exceeded Protein limit",
         laterMeal},
        {input.limits.carbohydrate, d.carbohydrate, f.carbohydrate, "CARBYHYDRATE",
         "Exceeded Carbohydrate limit", laterMeal},
    };
    QList<LimitQuestion> asked;
    for (const Row& row : rows) {
        const auto limit = limitOf(row.limit);
        if (!limit)
            continue;
        const qint64 dayAfter = text::roundHalfEven(row.day + row.food * input.quantity);
        if (dayAfter <= *limit)
            continue;
        const QString shown = row.showsAsStored ? row.limit : QString::number(*limit);
        asked.append(LimitQuestion{
            QStringLiteral(" You have exceeded your DAILY ") + QLatin1String(row.word) +
                QStringLiteral(" LIMIT, which is set to ") + shown + QStringLiteral("g.") +
                QStringLiteral(" Do you still want to proceed?"),
            QString::fromLatin1(row.title)});
    }
    return asked;
}
