#pragma once

#include "core/Result.h"
#include "data/Nutrients.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Database;

// A food's name with the category it is stored under.
struct FoodName {
    QString foodType;
    QString name;
};

// One row of food_Dictionary as the planner shows and multiplies it.
struct FoodItem {
    QString name;
    QString foodType;
    Nutrients perServing;
    QString amntPerServing;
    QString scale;
    QString amountFlag;
    QString description;
    QString healthy;
};

// The planner's reads of food_Dictionary.
class FoodStore final {
public:
    explicit FoodStore(Database& database) : m_database(database) {}

    // The names of each category's foods, sorted ignoring letter case, one list
    // per category in the order given.
    Result<QList<QStringList>> namesByCategory(const QStringList& categories) const;

    // The foods whose name begins with the text as typed: "50%" finds only names
    // beginning "50%", never "500 g".
    Result<QList<FoodName>> namesStartingWith(const QString& prefix) const;

    // The foods whose category begins with the text, by name.
    Result<QList<FoodName>> namesInCategoryStartingWith(const QString& prefix) const;

    // The first food of the name, letter case ignored; nothing when none.
    Result<std::optional<FoodItem>> find(const QString& name) const;

private:
    Database& m_database;
};
