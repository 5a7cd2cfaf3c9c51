#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;

namespace Ui {
class disclaimer;
}

// The agreement shown before the first account is made.
class disclaimer final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    static QString agreementText();

    explicit disclaimer(AppContext& context, QWidget* parent = nullptr);
    ~disclaimer() override;

    void formLoad() override;

    void btnAgree_Click();
    void btnDisagree_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& m_context;
    std::unique_ptr<Ui::disclaimer> m_ui;
};
