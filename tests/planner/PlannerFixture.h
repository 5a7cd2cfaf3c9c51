#pragma once

#include "planner/frmAllShed.h"
#include "support/TestApp.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>

// A logged-in user "ann" over a small dictionary:
//   Combination Foods: Apple pie (300 cal, fat 14), O'Brien Stew (350 cal)
//   Drinks: Cola, Tea
//   Milk Products: Milk (120 cal, fat 2.5)
//   Vegetables & Fruit: Apple (95 cal, fat 0.3)
class PlannerFixture final {
public:
    PlannerFixture();

    TestApp& app() { return m_app; }
    RecordingMessages& messages() { return m_app.messages(); }

    // Opens the planner as the health page does and shows it.
    frmAllShed* open();
    frmAllShed* planner() { return m_app.forms().find<frmAllShed>(QStringLiteral("frmAllShed")); }

    template <class T> T* control(const QString& name)
    {
        return m_app.control<T>(QStringLiteral("frmAllShed"), name);
    }
    QListWidget* list(const QString& name) { return control<QListWidget>(name); }
    // The food lists: List_Foods, ListAllFoodDiplay.
    QListView* view(const QString& name) { return control<QListView>(name); }
    QStringList foodLines() { return lines(view(QStringLiteral("List_Foods"))); }
    QStringList editorLines() { return lines(view(QStringLiteral("ListAllFoodDiplay"))); }
    QLineEdit* edit(const QString& name) { return control<QLineEdit>(name); }
    QPushButton* button(const QString& name) { return control<QPushButton>(name); }
    QString labelText(const QString& name);

    static QStringList lines(const QAbstractItemView* list);
    static QRect lineRect(QAbstractItemView* list, int row);
    // A left click on the line of a list, as the user picks it.
    static void clickLine(QAbstractItemView* list, int row);
    // Picks the first line of List_Foods that reads exactly so.
    void pickFood(const QString& line);
    // Picks the line of a meal's visible list that ends with the food.
    void pickMealLine(const QString& list, const QString& food);
    void chooseTab(int index);

    void setLimits(const QString& calories, const QString& fat, const QString& protein = {},
                   const QString& carbs = {});

    // Rows of schedule: "food|amount|calories|fat" per row, oldest first.
    QStringList scheduleRows(const QString& where = QStringLiteral("1"));

private:
    TestApp m_app;
};
