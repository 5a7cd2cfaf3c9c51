#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;
class MainProgram;

namespace Ui {
class AccountInfo;
}

// The window in which an account is added or changed once the program is in
// use. The main window's mode flag, read at load, picks the mode: "MainModify"
// changes the current user's own account, "MainModify2" the account picked in
// ModifyMenu, anything else adds a new account.
class AccountInfo final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    enum class Mode { Add, ChangeOwn, ChangePicked };

    explicit AccountInfo(AppContext& context, QWidget* parent = nullptr);
    ~AccountInfo() override;

    void formLoad() override;

    Mode mode() const { return m_mode; }
    // The checks in this window's order; shows at most one message.
    bool validateAccont();
    void btnCrtAccnt_Click();
    void Comclose_Click();
    void btnClose_Click();

protected:
    bool unloadsOnClose() const override { return true; }

private:
    void loadAccount();
    bool store();
    void showTipIfWanted();
    MainProgram* mainWindow() const;

    AppContext& m_context;
    std::unique_ptr<Ui::AccountInfo> m_ui;
    Mode m_mode = Mode::Add;
    // The account the change modes show and write; 0 when none was found.
    qint64 m_userId = 0;
    QString m_loadedUsername;
};
