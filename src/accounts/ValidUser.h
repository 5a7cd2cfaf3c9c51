#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;

namespace Ui {
class ValidUser;
}

// Password confirmation for the account picked in ModifyMenu: the right
// password opens the account window for that account.
// It lives for one attempt: unloaded after OK or Enter, whatever the outcome.
class ValidUser final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    explicit ValidUser(AppContext& context, QWidget* parent = nullptr);
    ~ValidUser() override;

    void formLoad() override;

    // "OK" and Enter in the password box.
    void Command1_Click();
    // "Cancel".
    void Command2_Click();

protected:
    bool unloadsOnClose() const override { return true; }

private:
    AppContext& m_context;
    std::unique_ptr<Ui::ValidUser> m_ui;
};
