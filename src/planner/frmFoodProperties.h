#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;

namespace Ui {
class frmFoodProperties;
}

// "Food Properties": one food of the dictionary, read-only, the one picked in the
// planner's food list when the window opened.
class frmFoodProperties final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    explicit frmFoodProperties(AppContext& context, QWidget* parent = nullptr);
    ~frmFoodProperties() override;

    void formLoad() override;

private:
    std::unique_ptr<Ui::frmFoodProperties> m_ui;
    AppContext& m_context;
};
