#pragma once

#include <QtGlobal>

// The seven values of a food per serving, or of a logged food (per serving times
// the quantity), or of a day's sums.
struct Nutrients {
    double fat = 0;
    double calories = 0;
    double protein = 0;
    double fibre = 0;
    double carbohydrate = 0;
    double sodium = 0;
    double cholesterol = 0;

    // Unrounded, as the logged row keeps them.
    Nutrients times(double quantity) const
    {
        return {fat * quantity,        calories * quantity,     protein * quantity,
                fibre * quantity,      carbohydrate * quantity, sodium * quantity,
                cholesterol * quantity};
    }
};
