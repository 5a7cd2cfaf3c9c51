#pragma once

#include "data/FoodLogStore.h"

#include <QString>
#include <QStringList>

// The summary's seven value texts: fat, calories, proteins, carbohydrates,
// dietary fibre, sodium, cholesterol. A sum is shown unrounded in its shortest
// decimal form; an empty sum leaves its text empty.
class DayTotals final {
public:
    static QStringList texts(const DaySums& sums);

    // The day's sums with an empty sum counted as 0, for the limit check.
    static Nutrients asNutrients(const DaySums& sums);
};
