#pragma once

#include <QString>

#include <optional>

// What the BMI calculator does with the three boxes it is given: the checks in
// their order, the rounding of the typed values, the formula and the advice.
// The window only gathers the texts and applies the outcome.

enum class BmiBox { None, Weight, Feet, Inches };

struct BmiEntry {
    QString weight;
    QString feet;
    QString inches;
};

// The first check that failed: its number (1 to 12, and 13 for figures too
// large to work with), its message and the box to empty and focus.
struct BmiFailure {
    int check = 0;
    QString message;
    BmiBox clearAndFocus = BmiBox::None;
};

struct BmiColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const BmiColour&) const = default;
};

struct BmiAdvice {
    QString text;
    BmiColour colour;
    bool higherThanNormal = false;
};

struct BmiOutcome {
    // The inches box as it is after the checks: an empty box becomes "0".
    QString inches;
    std::optional<BmiFailure> failure;
    // Set only when every check passed.
    int bmi = 0;
    BmiAdvice advice;
};

BmiOutcome calculateBmi(const BmiEntry& entry);

// The advice shown for a BMI: above 26 is higher than normal; 26 or less,
// however low, is normal.
BmiAdvice bmiAdvice(int bmi);
