#pragma once

#include "data/MealSlot.h"
#include "data/Nutrients.h"

#include <QList>
#include <QString>

// One question asked before a food is logged past a daily limit.
struct LimitQuestion {
    QString text;
    QString title;
};

// The daily limits of a profile, as stored (texts; empty or 0 is no limit).
struct DailyLimits {
    QString calories;
    QString fat;
    QString protein;
    QString carbohydrate;
};

// Decides which limit questions an add asks: for each nutrient with a limit, in
// the order calories, fat, protein, carbohydrate, whether the day would hold more
// than the limit once the food is logged. Figures are compared as whole numbers,
// halves rounding to the even neighbour.
class LimitCheck final {
public:
    struct Input {
        DailyLimits limits;
        Nutrients daySoFar;   // the day's sums before this food; an empty sum is 0
        Nutrients perServing; // the food's values
        double quantity = 1;
        MealSlot slot = MealSlot::Morning;
    };

    static bool anyLimitSet(const DailyLimits& limits);

    static QList<LimitQuestion> questions(const Input& input);
};
