#pragma once

#include "app/FormWindow.h"

#include <QDialog>

#include <memory>

class AppContext;
namespace Ui {
class heartcalc;
}

// The target heart-rate calculator of the current user: the beginners' range
// from the profile's age alone, the advanced range from the age and a typed
// resting rate. The age is read once, at load, and kept.
class heartcalc final : public QDialog, public FormWindow {
    Q_OBJECT

public:
    explicit heartcalc(AppContext& context, QWidget* parent = nullptr);
    ~heartcalc() override;
    Q_DISABLE_COPY_MOVE(heartcalc)

    void formLoad() override;

    // "Calculate": the advanced range from the resting rate and the kept age.
    void calculate();

protected:
    bool unloadsOnClose() const override { return true; }
    void reject() override;

private:
    AppContext& m_context;
    std::unique_ptr<Ui::heartcalc> m_ui;
    int m_age = 0;
};
