#include "PlannerFixture.h"

#include "data/AccountStore.h"

#include <QSqlQuery>
#include <QTabWidget>
#include <QtTest>

PlannerFixture::PlannerFixture()
{
    TempProgramFolder& folder = m_app.folder();
    folder.exec(QStringLiteral("DELETE FROM food_Dictionary"));
    folder.exec(QStringLiteral(
        "INSERT INTO food_Dictionary (name, food_type, fat, protein, Dietary_Fibre, "
        "Carbohydrate, calories, sodium, cholestorol, amnt_per_serving, Scale, Description, "
        "healthy) VALUES "
        "('Apple', 'Vegetables & Fruit', 0.3, 0.5, 4.4, 25.1, 95, 2, 0, '1', 'medium', "
        "'Raw apple', 'True'),"
        "('Apple pie', 'Combination Foods', 14, 2.4, 1.6, 43, 300, 250, 0, '1', 'slice', '', "
        "'False'),"
        "('O''Brien Stew', 'Combination Foods', 12, 20, 3, 25, 350, 600, 40, '1', 'cup', '', "
        "NULL),"
        "('Tea', 'Drinks', 0, 0, 0, 0.3, 2, 7, 0, '1', 'cup', '', 'True'),"
        "('Cola', 'Drinks', 0, 0, 0, 39, 140, 45, 0, '1', 'can', '', 'False'),"
        "('Milk', 'Milk Products', 2.5, 8, 0, 12, 120, 100, 10, '1', 'cup', '', 'True')"));
    UserProfile ann;
    ann.username = QStringLiteral("ann");
    ann.fname = QStringLiteral("Ann");
    ann.lname = QStringLiteral("Lee");
    ann.sex = QStringLiteral("Female");
    const auto added = AccountStore(m_app.database()).add(ann);
    if (!added)
        qWarning("%s", qPrintable(added.error()));
    m_app.session().setCurrentUser(QStringLiteral("ann"));
}

frmAllShed* PlannerFixture::open()
{
    m_app.forms().show(QStringLiteral("frmAllShed"));
    frmAllShed* window = planner();
    if (window) {
        window->resize(1000, 700);
        if (!QTest::qWaitForWindowExposed(window))
            qWarning("planner not exposed");
    }
    return window;
}

QString PlannerFixture::labelText(const QString& name)
{
    const auto* label = control<QLabel>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

QStringList PlannerFixture::lines(const QAbstractItemView* list)
{
    QStringList out;
    const QAbstractItemModel* model = list ? list->model() : nullptr;
    for (int i = 0; model && i < model->rowCount(); ++i)
        out << model->index(i, 0).data().toString();
    return out;
}

QRect PlannerFixture::lineRect(QAbstractItemView* list, int row)
{
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    return list->visualRect(index);
}

void PlannerFixture::clickLine(QAbstractItemView* list, int row)
{
    QVERIFY(row >= 0 && row < list->model()->rowCount());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, lineRect(list, row).center());
}

void PlannerFixture::pickFood(const QString& line)
{
    QListView* foods = view(QStringLiteral("List_Foods"));
    const int row = static_cast<int>(lines(foods).indexOf(line));
    QVERIFY2(row >= 0, qPrintable(line));
    clickLine(foods, row);
}

void PlannerFixture::pickMealLine(const QString& name, const QString& food)
{
    QListWidget* meal = list(name);
    const QStringList all = lines(meal);
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].endsWith(QStringLiteral("   -   ") + food)) {
            clickLine(meal, i);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("%1 not in %2").arg(food, name)));
}

void PlannerFixture::chooseTab(int index)
{
    control<QTabWidget>(QStringLiteral("SSTab1"))->setCurrentIndex(index);
}

void PlannerFixture::setLimits(const QString& calories, const QString& fat, const QString& protein,
                               const QString& carbs)
{
    QSqlQuery q(m_app.database().connection());
    q.prepare(QStringLiteral("UPDATE UserInfo SET calorie_limit = ?, fat_limit = ?, "
                             "protein_limit = ?, carbs_limit = ? WHERE username = 'ann'"));
    q.addBindValue(calories);
    q.addBindValue(fat);
    q.addBindValue(protein);
    q.addBindValue(carbs);
    QVERIFY(q.exec());
}

QStringList PlannerFixture::scheduleRows(const QString& where)
{
    QSqlQuery q(m_app.database().connection());
    QStringList rows;
    if (!q.exec(QStringLiteral("SELECT COALESCE(morning_food, midday_food, evening_food), amount, "
                               "total_calories, total_fat FROM schedule WHERE %1 "
                               "ORDER BY schedule_number")
                    .arg(where)))
        return {QStringLiteral("<query failed>")};
    while (q.next()) {
        rows << QStringLiteral("%1|%2|%3|%4")
                    .arg(q.value(0).toString(), q.value(1).toString(),
                         QString::number(q.value(2).toDouble()),
                         QString::number(q.value(3).toDouble()));
    }
    return rows;
}
