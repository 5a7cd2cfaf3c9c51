#pragma once

#include "app/FormWindow.h"
#include "data/MealSlot.h"

#include <QDialog>

#include <memory>

class AppContext;

namespace Ui {
class Mor_Edit_Qty;
}

// "Editing Quantity Value": a new number of servings for one logged food of the
// planner's user, found by the day shown in its calendar.
class Mor_Edit_Qty final : public QDialog, public FormWindow {
    Q_OBJECT

public:
    explicit Mor_Edit_Qty(AppContext& context, QWidget* parent = nullptr);
    ~Mor_Edit_Qty() override;

    void formLoad() override;

    // The opener names the food, the day and the meal.
    void open(const QString& food, const QDate& day, MealSlot slot);

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void update();
    std::optional<MealSlot> slotOfMode() const;
    void unloadDialog();

    std::unique_ptr<Ui::Mor_Edit_Qty> m_ui;
    AppContext& m_context;
    QString m_user;
};
