#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;

namespace Ui {
class frmOptions;
}

// The three switches of one account: reminders, music and tip of the day. It
// works for the current user, or for the account saved last when nobody is
// logged in. A change takes effect at the next login.
class frmOptions final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    explicit frmOptions(AppContext& context, QWidget* parent = nullptr);
    ~frmOptions() override;

    void formLoad() override;
    void OKButton_Click();
    void CancelButton_Click();

protected:
    bool unloadsOnClose() const override { return true; }

private:
    QString user() const;

    AppContext& m_context;
    std::unique_ptr<Ui::frmOptions> m_ui;
};
