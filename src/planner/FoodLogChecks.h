#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Why an add to a meal, or a new quantity, is refused.
struct QuantityRefusal {
    QString message;
    // The three quantity boxes go back to "1".
    bool resetQuantities = false;
    // The food-properties hint is hidden.
    bool hideHint = false;
};

// The checks that run, in this order, before a food is logged or its quantity
// changed. Quantities are compared as numbers: half a serving is a serving count.
class FoodLogChecks final {
public:
    struct AddInput {
        QString pickedLine;                  // the food list's picked line
        QString quantity;                    // the slot's quantity box
        std::optional<QString> selectedName; // the selected line of the meal's name list
        QStringList mealNames;               // every line of the meal's name list
    };

    static std::optional<QuantityRefusal> checkAdd(const AddInput& input);

    // The quantity dialog's checks on the new quantity.
    static std::optional<QString> checkNewQuantity(const QString& text);

    // The servings a checked quantity text stands for.
    static double quantityOf(const QString& text);
};
