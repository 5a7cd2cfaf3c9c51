#include "data/FoodStore.h"

#include "data/Database.h"
#include "data/Sql.h"

namespace {

Result<QList<FoodName>> readNames(QSqlQuery& q)
{
    if (auto s = sql::run(q); !s)
        return Error{s.error()};
    QList<FoodName> names;
    while (q.next())
        names.append(FoodName{q.value(0).toString(), q.value(1).toString()});
    return names;
}

} // namespace

Result<QList<QStringList>> FoodStore::namesByCategory(const QStringList& categories) const
{
    // One statement per category reads the (food_type, name) index in order: no
    // sort, and only the names are turned into texts.
    QSqlQuery q(m_database.connection());
    q.setForwardOnly(true);
    if (auto s = sql::prepare(
            q,
            QStringLiteral("SELECT name FROM food_Dictionary WHERE food_type = ? ORDER BY name"));
        !s)
        return Error{s.error()};
    QList<QStringList> lists;
    lists.reserve(categories.size());
    for (const QString& category : categories) {
        q.bindValue(0, category);
        if (auto s = sql::run(q); !s)
            return Error{s.error()};
        QStringList names;
        while (q.next())
            names.append(q.value(0).toString());
        lists.append(names);
        q.finish();
    }
    return lists;
}

Result<QList<FoodName>> FoodStore::namesStartingWith(const QString& prefix) const
{
    QSqlQuery q(m_database.connection());
    q.setForwardOnly(true);
    if (auto s = sql::prepare(q, QStringLiteral("SELECT food_type, name FROM food_Dictionary "
                                                "WHERE name LIKE ? ESCAPE '\\' "
                                                "ORDER BY food_type, name"));
        !s)
        return Error{s.error()};
    q.bindValue(0, sql::likePrefix(prefix));
    return readNames(q);
}

Result<QList<FoodName>> FoodStore::namesInCategoryStartingWith(const QString& prefix) const
{
    QSqlQuery q(m_database.connection());
    q.setForwardOnly(true);
    if (auto s = sql::prepare(q, QStringLiteral("SELECT food_type, name FROM food_Dictionary "
                                                "WHERE food_type LIKE ? ESCAPE '\\' "
                                                "ORDER BY food_type, name"));
        !s)
        return Error{s.error()};
    q.bindValue(0, sql::likePrefix(prefix));
    return readNames(q);
}

Result<std::optional<FoodItem>> FoodStore::find(const QString& name) const
{
    QSqlQuery q(m_database.connection());
    q.setForwardOnly(true);
    if (auto s = sql::prepare(
            q, QStringLiteral("SELECT name, food_type, fat, calories, protein, Dietary_Fibre, "
                              "Carbohydrate, sodium, cholestorol, amnt_per_serving, Scale, "
                              "amount_flag, Description, healthy FROM food_Dictionary "
                              "WHERE name = ? ORDER BY food_type, name LIMIT 1"));
        !s)
        return Error{s.error()};
    q.bindValue(0, name);
    if (auto s = sql::run(q); !s)
        return Error{s.error()};
    if (!q.next())
        return std::optional<FoodItem>();
    FoodItem food;
    food.name = sql::text(q, "name");
    food.foodType = sql::text(q, "food_type");
    food.perServing.fat = sql::number(q, "fat");
    food.perServing.calories = sql::number(q, "calories");
    food.perServing.protein = sql::number(q, "protein");
    food.perServing.fibre = sql::number(q, "Dietary_Fibre");
    food.perServing.carbohydrate = sql::number(q, "Carbohydrate");
    food.perServing.sodium = sql::number(q, "sodium");
    food.perServing.cholesterol = sql::number(q, "cholestorol");
    food.amntPerServing = sql::text(q, "amnt_per_serving");
    food.scale = sql::text(q, "Scale");
    food.amountFlag = sql::text(q, "amount_flag");
    food.description = sql::text(q, "Description");
    food.healthy = sql::text(q, "healthy");
    return std::optional<FoodItem>(food);
}
