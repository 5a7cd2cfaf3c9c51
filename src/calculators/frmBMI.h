#pragma once

#include "app/FormWindow.h"

#include <QDialog>

#include <memory>

class AppContext;
namespace Ui {
class frmBMI;
}

// The BMI calculator: a weight in pounds and a height in feet and inches give
// a whole-number BMI and a line of advice. It reads and writes no data.
class frmBMI final : public QDialog, public FormWindow {
    Q_OBJECT

public:
    explicit frmBMI(AppContext& context, QWidget* parent = nullptr);
    ~frmBMI() override;
    Q_DISABLE_COPY_MOVE(frmBMI)

    void formLoad() override;

    // "Go!": checks the three boxes and shows the BMI, or the first complaint.
    void calculate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool unloadsOnClose() const override { return true; }
    void reject() override;

private:
    AppContext& m_context;
    std::unique_ptr<Ui::frmBMI> m_ui;
};
