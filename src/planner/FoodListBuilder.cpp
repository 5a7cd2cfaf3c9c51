#include "planner/FoodListBuilder.h"

#include <array>

namespace {

constexpr int categoryCount = 7;

QString header(qsizetype before, const QString& word, qsizetype after)
{
    return QString(before, u' ') + word + QString(after, u' ');
}

// The category a stored food_type belongs to, letter case ignored as the database
// compares it; -1 for a category outside the seven.
int categoryIndex(const QString& foodType)
{
    const QStringList& names = FoodListBuilder::categories();
    for (int i = 0; i < categoryCount; ++i) {
        if (QString::compare(names[i], foodType, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// The foods of each category, in the order given. Foods come sorted by category,
// so the last category found is tried first.
std::array<QList<const FoodName*>, categoryCount> grouped(const QList<FoodName>& foods)
{
    std::array<QList<const FoodName*>, categoryCount> groups;
    QString lastType;
    int lastIndex = -1;
    for (const FoodName& food : foods) {
        if (lastIndex < 0 || food.foodType != lastType) {
            lastType = food.foodType;
            lastIndex = categoryIndex(food.foodType);
            if (lastIndex < 0) {
                lastType.clear();
                continue;
            }
        }
        groups[static_cast<std::size_t>(lastIndex)].append(&food);
    }
    return groups;
}

} // namespace

const QStringList& FoodListBuilder::categories()
{
    static const QStringList names{
        QStringLiteral("Combination Foods"), QStringLiteral("Drinks"),
        QStringLiteral("Grain Products"),    QStringLiteral("Meat & Alternatives"),
        QStringLiteral("Milk Products"),     QStringLiteral("Other Foods"),
        QStringLiteral("Vegetables & Fruit")};
    return names;
}

const QStringList& FoodListBuilder::headerWords()
{
    static const QStringList words = [] {
        QStringList upper;
        for (const QString& name : categories())
            upper << name.toUpper();
        return upper;
    }();
    return words;
}

QStringList FoodListBuilder::whole(const QList<QStringList>& namesPerCategory, Target target,
                                   bool emptyAfterHeader)
{
    const qsizetype before = target == Target::FoodLog ? 21 : 20;
    qsizetype size = 3 * categoryCount;
    for (const QStringList& names : namesPerCategory)
        size += names.size();
    QStringList lines;
    lines.reserve(size);
    for (int i = 0; i < categoryCount; ++i) {
        lines << header(before, headerWords()[i], 29);
        if (emptyAfterHeader)
            lines << QString();
        if (i < namesPerCategory.size())
            lines << namesPerCategory[i];
        lines << QString();
    }
    return lines;
}

QStringList FoodListBuilder::nameSearch(const QList<FoodName>& matches)
{
    const auto groups = grouped(matches);
    QStringList lines;
    for (const auto& group : groups) {
        if (group.isEmpty())
            continue;
        lines << header(28, group.first()->foodType.toUpper(), 36);
        for (const FoodName* food : group)
            lines << food->name;
        lines << QString();
    }
    if (lines.isEmpty())
        lines << noMatchLine();
    return lines;
}

QStringList FoodListBuilder::category(const QString& typed, const QList<FoodName>& foods)
{
    QStringList lines;
    lines.reserve(foods.size() + 1);
    lines << header(21, typed.toUpper(), 35);
    for (const FoodName& food : foods)
        lines << food.name;
    return lines;
}

QString FoodListBuilder::noMatchLine()
{
    return QStringLiteral("          THERE WAS NO MATCH FOUND    ");
}

bool FoodListBuilder::isFoodLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    return !trimmed.isEmpty() && !headerWords().contains(trimmed);
}

std::optional<QString> FoodListBuilder::categoryProblem(const QString& typed)
{
    if (typed.isEmpty())
        return QStringLiteral("Food category name is required. Please choose from list");
    if (!categories().contains(typed.trimmed()))
        return QStringLiteral("Invalid food category name. Please choose from list");
    return std::nullopt;
}
