#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;

namespace Ui {
class frmloginHelp;
}

// What the login window asks of the user, in a few words.
class frmloginHelp final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    explicit frmloginHelp(AppContext& context, QWidget* parent = nullptr);
    ~frmloginHelp() override;

    void formLoad() override;

protected:
    bool unloadsOnClose() const override { return true; }

private:
    AppContext& m_context;
    std::unique_ptr<Ui::frmloginHelp> m_ui;
};
