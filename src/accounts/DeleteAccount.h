#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;

namespace Ui {
class DeleteAccount;
}

// The account picker for deleting an account; its confirmation window
// ValidUser2 deletes the picked account.
class DeleteAccount final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    explicit DeleteAccount(AppContext& context, QWidget* parent = nullptr);
    ~DeleteAccount() override;

    void formLoad() override;

    // The picked entry (last name, ", ", first name); empty when none is picked.
    QString selectedEntry() const;

    void Command1_Click();
    void Com2close_Click();

protected:
    bool unloadsOnClose() const override { return true; }

private:
    AppContext& m_context;
    std::unique_ptr<Ui::DeleteAccount> m_ui;
};
