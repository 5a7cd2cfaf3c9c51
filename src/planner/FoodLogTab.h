#pragma once

#include "data/MealSlot.h"
#include "planner/MealLines.h"

#include <QWidget>

#include <memory>

class AppContext;
class QLineEdit;
class QListWidget;
struct PlannerDay;

namespace Ui {
class FoodLogTab;
}

// The "Daily Food Log " tab: the food list with its searches, and the three meals
// of the picked day with their add, remove and edit commands.
class FoodLogTab final : public QWidget {
    Q_OBJECT

public:
    FoodLogTab(AppContext& context, PlannerDay& day, QWidget* parent = nullptr);
    ~FoodLogTab() override;

    void setDayLabels(const QDate& date);
    // Empties the search and category boxes and hides the properties hint.
    void resetSearch();
    void fillCategoryBox();
    void setFoodList(const QStringList& lines);
    void setQuantities(const QString& text);
    void setMeal(MealSlot slot, const MealLines& lines);

    QString pickedFoodLine() const;
    void hideHint();

    // Store the logged food: a schedule row for the picked food in the meal, from
    // the window's current state (picked line, quantity box, calendar day).
    void PopMorningfood() { storeLoggedFood(MealSlot::Morning); }
    void PopMiddayfood() { storeLoggedFood(MealSlot::Midday); }
    void PopEveningfood() { storeLoggedFood(MealSlot::Evening); }

signals:
    // The window reads its calendar into the day before a food is stored.
    void takeCalendarDayRequested();
    // "&Display All Foods": both food lists are rebuilt without the header gaps.
    void displayAllRequested();
    // A meal's lines changed after an add or a removal.
    void mealChanged(MealSlot slot, const QStringList& visibleLines);

private:
    struct Meal {
        QListWidget* visible;
        QListWidget* names;
        QLineEdit* quantity;
        const char* word; // "morning", in the select-food messages
    };

    const Meal& meal(MealSlot slot) const;
    void refillMeal(MealSlot slot, bool everyRow);

    void addToMeal(MealSlot slot);
    void storeLoggedFood(MealSlot slot);
    void removeFromMeal(MealSlot slot);
    void editQuantity(MealSlot slot);

    void searchByName();
    void searchByCategory();
    void displayAll();
    void foodLinePicked();
    void showProperties();

    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<Ui::FoodLogTab> m_ui;
    AppContext& m_context;
    PlannerDay& m_day;
    Meal m_meals[3];
};
