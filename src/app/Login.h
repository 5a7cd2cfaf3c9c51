#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;

namespace Ui {
class Login;
}

// The login window: the account list txtUser, the password box txtPwd and the
// login button Enter. After a successful login it stays loaded but hidden for
// the rest of the run. The current user itself is kept by the Session; it
// changes only when a login succeeds.
class Login final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    explicit Login(AppContext& context, QWidget* parent = nullptr);
    ~Login() override;

    // Fills the account list and selects its first entry.
    void formLoad() override;

    // Refills the account list from UserInfo, ordered by log-in name, with no
    // entry selected; false when there is no account.
    bool refreshAccounts();

    // The selected entry's text, trimmed; empty when nothing is selected.
    QString selectedUser() const;
    // Selects the entry whose text is exactly `user`; false when none is.
    bool selectUser(const QString& user);
    // Clears the list's selection and the password box.
    void clearSelection();
    void setPassword(const QString& password);

    // The login ("&Login", Enter in the list or the password box, or pressed
    // from another window on a loaded but hidden login window).
    void Enter_Click();
    // Makes the selected account the current user and opens a fresh main
    // window in the logged-in state.
    void LoadMainMenu();
    // "&Manage Accounts": the main window with nobody logged on.
    void Command1_Click();
    void cmdHelp_Click();
    void cmdExit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void selectFirst();

    AppContext& m_context;
    std::unique_ptr<Ui::Login> m_ui;
};
