#pragma once

#include "data/FoodLogStore.h"

#include <QStringList>

// A meal's two lists: the visible one shows amount, "   -   " and the name; the
// hidden one holds the bare names at the same positions.
struct MealLines {
    QStringList visible;
    QStringList names;

    static MealLines of(const QList<LoggedFood>& foods)
    {
        MealLines lines;
        for (const LoggedFood& food : foods) {
            lines.visible << food.amount + QStringLiteral("   -   ") + food.food;
            lines.names << food.food;
        }
        return lines;
    }
};
