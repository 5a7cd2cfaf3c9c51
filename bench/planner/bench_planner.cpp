// The diet planner over a large dictionary and a long log: opening, a tab change,
// the two searches, an add and the day's totals, each beside the raw SQLite time
// of the reads it makes.
#include "app/AppContext.h"
#include "app/Forms.h"
#include "core/Clock.h"
#include "core/DayText.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "data/AccountStore.h"
#include "data/Database.h"
#include "data/FoodLogStore.h"
#include "data/FoodStore.h"
#include "planner/DayTotals.h"
#include "planner/FoodListBuilder.h"
#include "planner/PlannerLists.h"
#include "planner/PlannerWindows.h"
#include "planner/frmAllShed.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Every question is answered Yes, so an add always stores.
class YesMessages final : public Messages {
public:
    MessageAnswer show(const Message& message) override
    {
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
};

const QDate today(2010, 6, 15);
const QString user = QStringLiteral("bench");

// A program folder with `foods` foods over the seven categories and a user who
// logged two foods in each meal of every day of five years.
class World {
public:
    explicit World(int foods) : m_clock(QDateTime(today, QTime(10, 0)))
    {
        m_database = std::move(Database::open(m_dir.path()).value());
        fillDictionary(foods);
        UserProfile p;
        p.username = user;
        p.sex = QStringLiteral("Male");
        p.calorieLimit = QStringLiteral("2500");
        p.fatLimit = QStringLiteral("70");
        (void)AccountStore(*m_database).add(p);
        fillLog();
        m_session.setCurrentUser(user);
        m_context =
            std::make_unique<AppContext>(*m_database, m_messages, m_clock, m_session, m_dir.path());
        registerPlannerWindows(m_context->forms());
    }
    ~World()
    {
        m_context->forms().unloadAll();
        settle();
    }

    Database& database() { return *m_database; }
    Forms& forms() { return m_context->forms(); }
    AppContext& context() { return *m_context; }

    frmAllShed* openPlanner()
    {
        forms().show(QStringLiteral("frmAllShed"));
        return forms().find<frmAllShed>(QStringLiteral("frmAllShed"));
    }
    void closePlanner()
    {
        forms().unload(QStringLiteral("frmAllShed"));
        settle();
    }

    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

private:
    void fillDictionary(int count)
    {
        const QStringList& categories = FoodListBuilder::categories();
        (void)m_database->transaction([&]() -> Status {
            QSqlQuery q(m_database->connection());
            q.exec(QStringLiteral("DELETE FROM food_Dictionary"));
            q.prepare(QStringLiteral(
                "INSERT INTO food_Dictionary (name, food_type, fat, protein, Dietary_Fibre, "
                "Carbohydrate, calories, sodium, cholestorol, healthy) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 'True')"));
            for (int i = 0; i < count; ++i) {
                q.addBindValue(QStringLiteral("Food %1").arg(i, 6, 10, QLatin1Char('0')));
                q.addBindValue(categories[i % categories.size()]);
                for (double v : {1.5, 3.0, 2.0, 20.0, 150.0, 80.0, 5.0})
                    q.addBindValue(v);
                q.exec();
            }
            return {};
        });
    }

    void fillLog()
    {
        FoodLogStore log(*m_database);
        (void)m_database->transaction([&]() -> Status {
            for (QDate day = today.addYears(-5); day <= today; day = day.addDays(1)) {
                int n = 0;
                for (MealSlot slot : allMealSlots) {
                    for (int k = 0; k < 2; ++k, ++n) {
                        ScheduleRow row;
                        row.username = user;
                        row.day = day;
                        row.dateText = daytext::dateText(day);
                        row.slot = slot;
                        row.food = QStringLiteral("Food %1").arg((day.dayOfYear() * 7 + n) % 9000,
                                                                 6, 10, QLatin1Char('0'));
                        row.amount = QStringLiteral("1");
                        row.totals = Nutrients{1.5, 150, 3, 2, 20, 80, 5};
                        (void)log.add(row);
                    }
                }
            }
            return {};
        });
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_database;
    YesMessages m_messages;
    FixedClock m_clock;
    Session m_session;
    std::unique_ptr<AppContext> m_context;
};

World& world10k()
{
    static World world(10000);
    return world;
}

// The reads of opening and of a tab change, straight on the connection.
void rawPlannerReads(Database& db)
{
    const QString dateText = daytext::dateText(today);
    QSqlQuery q(db.connection());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT name FROM food_Dictionary WHERE food_type = ? ORDER BY name"));
    for (const QString& category : FoodListBuilder::categories()) {
        q.addBindValue(category);
        q.exec();
        while (q.next())
            benchmark::DoNotOptimize(q.value(0).toString());
    }
    for (const char* column : {"morning_food", "midday_food", "evening_food"}) {
        q.prepare(QStringLiteral("SELECT %1, amount FROM schedule WHERE username = ? AND date = ? "
                                 "AND %1 IS NOT NULL")
                      .arg(QLatin1String(column)));
        q.addBindValue(user);
        q.addBindValue(dateText);
        q.exec();
        while (q.next())
            benchmark::DoNotOptimize(q.value(0).toString());
    }
    q.prepare(QStringLiteral("SELECT SUM(total_fat), SUM(total_calories) FROM schedule "
                             "WHERE username = ? AND date = ?"));
    q.addBindValue(user);
    q.addBindValue(dateText);
    q.exec();
    q.next();
}

void BM_OpenPlanner(benchmark::State& state)
{
    World& w = world10k();
    for (auto _ : state) {
        benchmark::DoNotOptimize(w.openPlanner());
        state.PauseTiming();
        w.closePlanner();
        state.ResumeTiming();
    }
}

void BM_OpenPlanner_RawReads(benchmark::State& state)
{
    World& w = world10k();
    for (auto _ : state)
        rawPlannerReads(w.database());
}

// Where the opening time goes: the reads and lines of both lists, building the
// window, and loading it without showing it.
void BM_Open_BuildLines(benchmark::State& state)
{
    World& w = world10k();
    for (auto _ : state) {
        const auto names =
            FoodStore(w.database()).namesByCategory(FoodListBuilder::categories()).valueOr({});
        benchmark::DoNotOptimize(
            FoodListBuilder::whole(names, FoodListBuilder::Target::FoodLog, true));
        benchmark::DoNotOptimize(
            FoodListBuilder::whole(names, FoodListBuilder::Target::Editor, true));
    }
}

void BM_Open_ConstructOnly(benchmark::State& state)
{
    World& w = world10k();
    for (auto _ : state) {
        auto* window = new frmAllShed(w.context());
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}

void BM_Open_LoadWithoutShow(benchmark::State& state)
{
    World& w = world10k();
    for (auto _ : state) {
        benchmark::DoNotOptimize(w.forms().load(QStringLiteral("frmAllShed")));
        state.PauseTiming();
        w.closePlanner();
        state.ResumeTiming();
    }
}

void BM_TabChange(benchmark::State& state)
{
    World& w = world10k();
    frmAllShed* planner = w.openPlanner();
    for (auto _ : state)
        planner->SSTab1_Click();
    w.closePlanner();
}

void BM_SearchByName(benchmark::State& state)
{
    World& w = world10k();
    frmAllShed* planner = w.openPlanner();
    planner->findChild<QLineEdit*>(QStringLiteral("txtSearch"))
        ->setText(QStringLiteral("Food 001"));
    auto* search = planner->findChild<QPushButton*>(QStringLiteral("cmdSearch"));
    for (auto _ : state)
        search->click();
    state.counters["lines"] = static_cast<double>(
        PlannerLists::lines(planner->findChild<QListView*>(QStringLiteral("List_Foods"))).size());
    w.closePlanner();
}

void BM_SearchByName_RawReads(benchmark::State& state)
{
    World& w = world10k();
    for (auto _ : state) {
        QSqlQuery q(w.database().connection());
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT food_type, name FROM food_Dictionary WHERE name LIKE ? "
                                 "ESCAPE '\\' ORDER BY food_type, name"));
        q.addBindValue(QStringLiteral("Food 001%"));
        q.exec();
        while (q.next())
            benchmark::DoNotOptimize(q.value(1).toString());
    }
}

void BM_SearchByCategory(benchmark::State& state)
{
    World& w = world10k();
    frmAllShed* planner = w.openPlanner();
    planner->findChild<QComboBox*>(QStringLiteral("Combo_ComSearchByFdCat"))
        ->setEditText(QStringLiteral("Milk Products"));
    auto* go = planner->findChild<QPushButton*>(QStringLiteral("ComSearchByFdCat"));
    for (auto _ : state)
        go->click();
    state.counters["lines"] = static_cast<double>(
        PlannerLists::lines(planner->findChild<QListView*>(QStringLiteral("List_Foods"))).size());
    w.closePlanner();
}

void BM_SearchByCategory_RawReads(benchmark::State& state)
{
    World& w = world10k();
    for (auto _ : state) {
        QSqlQuery q(w.database().connection());
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT food_type, name FROM food_Dictionary WHERE food_type "
                                 "LIKE ? ESCAPE '\\' ORDER BY food_type, name"));
        q.addBindValue(QStringLiteral("Milk Products%"));
        q.exec();
        while (q.next())
            benchmark::DoNotOptimize(q.value(1).toString());
    }
}

// Checks, limit questions, the stored row and the meal's refill; the row is taken
// away again outside the timing.
void BM_Add(benchmark::State& state)
{
    World& w = world10k();
    frmAllShed* planner = w.openPlanner();
    auto* foods = planner->findChild<QListView*>(QStringLiteral("List_Foods"));
    auto pick = [foods] {
        const qsizetype row = PlannerLists::lines(foods).indexOf(QStringLiteral("Food 009999"));
        foods->setCurrentIndex(foods->model()->index(static_cast<int>(row), 0));
        return row >= 0;
    };
    if (!pick()) {
        state.SkipWithError("the food to add is not listed");
        return;
    }
    auto* add = planner->findChild<QPushButton*>(QStringLiteral("Com_Morning"));
    auto* morning = planner->findChild<QListWidget*>(QStringLiteral("List_Morning"));
    FoodLogStore log(w.database());
    const QString dateText = daytext::dateText(today);
    for (auto _ : state) {
        add->click();
        state.PauseTiming();
        if (!morning->findItems(QStringLiteral("Food 009999"), Qt::MatchExactly).isEmpty())
            state.counters["stored"] += 1;
        (void)log.remove(user, dateText, MealSlot::Morning, QStringLiteral("Food 009999"));
        planner->SSTab1_Click();
        pick();
        state.ResumeTiming();
    }
    state.counters["stored"] =
        benchmark::Counter(state.counters["stored"], benchmark::Counter::kAvgIterations);
    w.closePlanner();
}

void BM_Add_RawReads(benchmark::State& state)
{
    World& w = world10k();
    const QString dateText = daytext::dateText(today);
    for (auto _ : state) {
        QSqlQuery q(w.database().connection());
        q.prepare(QStringLiteral("SELECT * FROM food_Dictionary WHERE name = ?"));
        q.addBindValue(QStringLiteral("Food 009999"));
        q.exec();
        q.next();
        q.prepare(QStringLiteral("SELECT SUM(total_fat), SUM(total_calories) FROM schedule "
                                 "WHERE username = ? AND date = ?"));
        q.addBindValue(user);
        q.addBindValue(dateText);
        q.exec();
        q.next();
        q.prepare(QStringLiteral("SELECT * FROM UserInfo WHERE username = ?"));
        q.addBindValue(user);
        q.exec();
        q.next();
        q.prepare(QStringLiteral("SELECT morning_food, amount FROM schedule WHERE username = ? "
                                 "AND date = ? AND morning_food IS NOT NULL"));
        q.addBindValue(user);
        q.addBindValue(dateText);
        q.exec();
        while (q.next())
            benchmark::DoNotOptimize(q.value(0).toString());
    }
}

void BM_DayTotals(benchmark::State& state)
{
    World& w = world10k();
    FoodLogStore log(w.database());
    const QString dateText = daytext::dateText(today);
    for (auto _ : state)
        benchmark::DoNotOptimize(DayTotals::texts(log.daySums(user, dateText).valueOr({})));
}

void BM_DayTotals_RawReads(benchmark::State& state)
{
    World& w = world10k();
    const QString dateText = daytext::dateText(today);
    for (auto _ : state) {
        QSqlQuery q(w.database().connection());
        q.prepare(QStringLiteral("SELECT SUM(total_fat), SUM(total_calories), "
                                 "SUM(total_protein), SUM(total_carbohydrate), SUM(total_fibre), "
                                 "SUM(total_sodium), SUM(total_cholestorol) FROM schedule "
                                 "WHERE username = ? AND date = ?"));
        q.addBindValue(user);
        q.addBindValue(dateText);
        q.exec();
        q.next();
        benchmark::DoNotOptimize(q.value(1).toDouble());
    }
}

World& world100k()
{
    static World world(100000);
    return world;
}

void BM_OpenPlanner_100kFoods(benchmark::State& state)
{
    World& w = world100k();
    for (auto _ : state) {
        benchmark::DoNotOptimize(w.openPlanner());
        state.PauseTiming();
        w.closePlanner();
        state.ResumeTiming();
    }
}

void BM_OpenPlanner_100kFoods_RawReads(benchmark::State& state)
{
    World& w = world100k();
    for (auto _ : state)
        rawPlannerReads(w.database());
}

} // namespace

BENCHMARK(BM_OpenPlanner)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPlanner_RawReads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open_BuildLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open_ConstructOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open_LoadWithoutShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TabChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchByName_RawReads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchByCategory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchByCategory_RawReads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Add)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Add_RawReads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DayTotals)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DayTotals_RawReads)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenPlanner_100kFoods)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_OpenPlanner_100kFoods_RawReads)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
