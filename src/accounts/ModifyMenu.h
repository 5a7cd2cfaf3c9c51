#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;

namespace Ui {
class ModifyMenu;
}

// The account picker for changing an account; its confirmation window
// ValidUser opens the account window for the picked account.
class ModifyMenu final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    explicit ModifyMenu(AppContext& context, QWidget* parent = nullptr);
    ~ModifyMenu() override;

    void formLoad() override;

    // The picked entry (last name, ", ", first name); empty when none is picked.
    QString selectedEntry() const;

    void Command1_Click();
    void cmdClose_Click();

protected:
    bool unloadsOnClose() const override { return true; }

private:
    AppContext& m_context;
    std::unique_ptr<Ui::ModifyMenu> m_ui;
};
