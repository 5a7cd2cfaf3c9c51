#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;

namespace Ui {
class frmTip;
}

// Tip of the day: a tip drawn at random among numbers 1 to 28.
class frmTip final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    explicit frmTip(AppContext& context, QWidget* parent = nullptr);
    ~frmTip() override;

    void formLoad() override;
    // Draws a number and shows that tip; a number with no tip keeps the text.
    void showRandomTip();
    void cmdOK_Click();

protected:
    bool unloadsOnClose() const override { return true; }

private:
    AppContext& m_context;
    std::unique_ptr<Ui::frmTip> m_ui;
};
