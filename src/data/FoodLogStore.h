#pragma once

#include "core/Result.h"
#include "data/MealSlot.h"
#include "data/Nutrients.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>

class Database;

// One food logged in one meal of one day of one user (a row of schedule).
struct ScheduleRow {
    QString username;
    QString dateText; // "1/05/2006"
    QDate day;        // kept as the date value in dRepDate
    MealSlot slot = MealSlot::Morning;
    QString food;
    QString amount; // as typed, trimmed
    Nutrients totals;
};

// What a meal list shows of a logged food.
struct LoggedFood {
    QString food;
    QString amount;
};

// The sums of a day's logged foods, in the order the summary shows them; a sum
// over no value is empty.
struct DaySums {
    std::optional<double> fat;
    std::optional<double> calories;
    std::optional<double> protein;
    std::optional<double> carbohydrate;
    std::optional<double> fibre;
    std::optional<double> sodium;
    std::optional<double> cholesterol;
};

// The statements of schedule the diet planner makes. A meal's rows are those
// whose meal column is filled while the other two are empty.
class FoodLogStore final {
public:
    explicit FoodLogStore(Database& database) : m_database(database) {}

    // Gives back the new row's schedule_number.
    Result<qint64> add(const ScheduleRow& row);

    // The meal's foods of the day, oldest first. A food logged twice with the same
    // amount shows once, unless everyRow asks for one entry per row.
    Result<QList<LoggedFood>> meal(const QString& username, const QString& dateText, MealSlot slot,
                                   bool everyRow = false) const;

    // Removes every row of the food in that meal of that day; gives back how many.
    Result<int> remove(const QString& username, const QString& dateText, MealSlot slot,
                       const QString& food);

    // The first row of the food in that meal, found by the day's date value.
    Result<std::optional<qint64>> findByDay(const QString& username, const QDate& day,
                                            MealSlot slot, const QString& food) const;

    // A new amount and its seven totals for one row.
    Status changeQuantity(qint64 scheduleNumber, const QString& amount, const Nutrients& totals);

    Result<DaySums> daySums(const QString& username, const QString& dateText) const;

private:
    Database& m_database;
};
