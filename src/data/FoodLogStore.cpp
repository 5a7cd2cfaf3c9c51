#include "data/FoodLogStore.h"

#include "core/DayText.h"
#include "data/Database.h"
#include "data/Sql.h"

namespace {

QString column(MealSlot slot)
{
    switch (slot) {
    case MealSlot::Morning:
        return QStringLiteral("morning_food");
    case MealSlot::Midday:
        return QStringLiteral("midday_food");
    case MealSlot::Evening:
        break;
    }
    return QStringLiteral("evening_food");
}

// "morning_food IS NULL AND ..." for the two meal columns other than the slot's.
QString othersEmpty(MealSlot slot)
{
    QStringList parts;
    for (MealSlot other : allMealSlots) {
        if (other != slot)
            parts << column(other) + QStringLiteral(" IS NULL");
    }
    return parts.join(QStringLiteral(" AND "));
}

std::optional<double> sum(const QSqlQuery& q, int index)
{
    const QVariant v = q.value(index);
    if (v.isNull())
        return std::nullopt;
    return v.toDouble();
}

void bindTotals(QSqlQuery& q, const Nutrients& t)
{
    q.bindValue(QStringLiteral(":fat"), t.fat);
    q.bindValue(QStringLiteral(":calories"), t.calories);
    q.bindValue(QStringLiteral(":protein"), t.protein);
    q.bindValue(QStringLiteral(":fibre"), t.fibre);
    q.bindValue(QStringLiteral(":carbohydrate"), t.carbohydrate);
    q.bindValue(QStringLiteral(":sodium"), t.sodium);
    q.bindValue(QStringLiteral(":cholesterol"), t.cholesterol);
}

} // namespace

Result<qint64> FoodLogStore::add(const ScheduleRow& row)
{
    QSqlQuery q(m_database.connection());
    const QString statement =
        QStringLiteral("INSERT INTO schedule (username, date, dRepDate, %1, amount, total_fat, "
                       "total_calories, total_protein, total_fibre, total_carbohydrate, "
                       "total_sodium, total_cholestorol) VALUES (:username, :date, :day, :food, "
                       ":amount, :fat, :calories, :protein, :fibre, :carbohydrate, :sodium, "
                       ":cholesterol)")
            .arg(column(row.slot));
    if (auto s = sql::prepare(q, statement); !s)
        return Error{s.error()};
    q.bindValue(QStringLiteral(":username"), row.username);
    q.bindValue(QStringLiteral(":date"), row.dateText);
    q.bindValue(QStringLiteral(":day"), daytext::dateValue(row.day));
    q.bindValue(QStringLiteral(":food"), row.food);
    q.bindValue(QStringLiteral(":amount"), row.amount);
    bindTotals(q, row.totals);
    if (auto s = sql::run(q); !s)
        return Error{s.error()};
    return q.lastInsertId().toLongLong();
}

Result<QList<LoggedFood>> FoodLogStore::meal(const QString& username, const QString& dateText,
                                             MealSlot slot, bool everyRow) const
{
    const QString col = column(slot);
    // Grouping by food and amount keeps one line per pair, in the order first logged.
    const QString statement =
        everyRow ? QStringLiteral("SELECT %1, amount FROM schedule WHERE username = ? AND date = ? "
                                  "AND %1 IS NOT NULL AND %2 ORDER BY schedule_number")
                       .arg(col, othersEmpty(slot))
                 : QStringLiteral("SELECT %1, amount FROM schedule WHERE username = ? AND date = ? "
                                  "AND %1 IS NOT NULL AND %2 GROUP BY %1, amount "
                                  "ORDER BY MIN(schedule_number)")
                       .arg(col, othersEmpty(slot));
    QSqlQuery q(m_database.connection());
    q.setForwardOnly(true);
    if (auto s = sql::prepare(q, statement); !s)
        return Error{s.error()};
    q.bindValue(0, username);
    q.bindValue(1, dateText);
    if (auto s = sql::run(q); !s)
        return Error{s.error()};
    QList<LoggedFood> foods;
    while (q.next()) {
        const QString food = q.value(0).toString();
        if (food.isEmpty())
            continue;
        const QVariant amount = q.value(1);
        foods.append(LoggedFood{food, amount.isNull() ? QString() : amount.toString()});
    }
    return foods;
}

Result<int> FoodLogStore::remove(const QString& username, const QString& dateText, MealSlot slot,
                                 const QString& food)
{
    QSqlQuery q(m_database.connection());
    if (auto s = sql::prepare(q, QStringLiteral("DELETE FROM schedule WHERE username = ? AND "
                                                "date = ? AND %1 = ? AND %2")
                                     .arg(column(slot), othersEmpty(slot)));
        !s)
        return Error{s.error()};
    q.bindValue(0, username);
    q.bindValue(1, dateText);
    q.bindValue(2, food);
    if (auto s = sql::run(q); !s)
        return Error{s.error()};
    return q.numRowsAffected();
}

Result<std::optional<qint64>> FoodLogStore::findByDay(const QString& username, const QDate& day,
                                                      MealSlot slot, const QString& food) const
{
    QSqlQuery q(m_database.connection());
    q.setForwardOnly(true);
    if (auto s = sql::prepare(q, QStringLiteral("SELECT schedule_number FROM schedule WHERE "
                                                "username = ? AND dRepDate = ? AND %1 = ? AND %2 "
                                                "ORDER BY schedule_number LIMIT 1")
                                     .arg(column(slot), othersEmpty(slot)));
        !s)
        return Error{s.error()};
    q.bindValue(0, username);
    q.bindValue(1, daytext::dateValue(day));
    q.bindValue(2, food);
    if (auto s = sql::run(q); !s)
        return Error{s.error()};
    if (!q.next())
        return std::optional<qint64>();
    return std::optional<qint64>(q.value(0).toLongLong());
}

Status FoodLogStore::changeQuantity(qint64 scheduleNumber, const QString& amount,
                                    const Nutrients& totals)
{
    QSqlQuery q(m_database.connection());
    if (auto s = sql::prepare(
            q, QStringLiteral("UPDATE schedule SET amount = :amount, total_fat = :fat, "
                              "total_calories = :calories, total_protein = :protein, "
                              "total_fibre = :fibre, total_carbohydrate = :carbohydrate, "
                              "total_sodium = :sodium, total_cholestorol = :cholesterol "
                              "WHERE schedule_number = :number"));
        !s)
        return s;
    q.bindValue(QStringLiteral(":amount"), amount);
    bindTotals(q, totals);
    q.bindValue(QStringLiteral(":number"), scheduleNumber);
    return sql::run(q);
}

Result<DaySums> FoodLogStore::daySums(const QString& username, const QString& dateText) const
{
    QSqlQuery q(m_database.connection());
    q.setForwardOnly(true);
    if (auto s = sql::prepare(
            q, QStringLiteral("SELECT SUM(total_fat), SUM(total_calories), SUM(total_protein), "
                              "SUM(total_carbohydrate), SUM(total_fibre), SUM(total_sodium), "
                              "SUM(total_cholestorol) FROM schedule "
                              "WHERE username = ? AND date = ?"));
        !s)
        return Error{s.error()};
    q.bindValue(0, username);
    q.bindValue(1, dateText);
    if (auto s = sql::run(q); !s)
        return Error{s.error()};
    DaySums sums;
    if (q.next()) {
        sums.fat = sum(q, 0);
        sums.calories = sum(q, 1);
        sums.protein = sum(q, 2);
        sums.carbohydrate = sum(q, 3);
        sums.fibre = sum(q, 4);
        sums.sodium = sum(q, 5);
        sums.cholesterol = sum(q, 6);
    }
    return sums;
}
