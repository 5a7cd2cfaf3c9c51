#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;

namespace Ui {
class FirstAccountInfo;
}

// The window in which the very first account is made. Its drop-downs take
// picks only. After the save it logs the new account in through the login
// window, which the user never sees on this road.
class FirstAccountInfo final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    explicit FirstAccountInfo(AppContext& context, QWidget* parent = nullptr);
    ~FirstAccountInfo() override;

    void formLoad() override;

    // The checks in this window's order; shows at most one message.
    bool validateAccont();
    void btnCrtAccnt_Click();
    void CmdClose_Click();

protected:
    bool unloadsOnClose() const override { return true; }

private:
    void logIn(const QString& username, const QString& password);

    AppContext& m_context;
    std::unique_ptr<Ui::FirstAccountInfo> m_ui;
};
