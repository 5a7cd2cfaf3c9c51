#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;

namespace Ui {
class ValidUser2;
}

// Password confirmation for the account picked in DeleteAccount: the right
// password deletes the account and everything it holds.
// It lives for one attempt: unloaded after OK or Enter, whatever the outcome.
class ValidUser2 final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    explicit ValidUser2(AppContext& context, QWidget* parent = nullptr);
    ~ValidUser2() override;

    void formLoad() override;

    // "OK" and Enter in the password box.
    void Command1_Click();
    // "Cancel".
    void Command2_Click();

protected:
    bool unloadsOnClose() const override { return true; }

private:
    AppContext& m_context;
    std::unique_ptr<Ui::ValidUser2> m_ui;
};
