#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;

namespace Ui {
class frmAbout;
}

// The about box: product line, version and notice.
class frmAbout final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    static constexpr int versionMajor = 1;
    static constexpr int versionMinor = 6;
    static constexpr int versionRevision = 0;

    explicit frmAbout(AppContext& context, QWidget* parent = nullptr);
    ~frmAbout() override;

    void formLoad() override;

protected:
    bool unloadsOnClose() const override { return true; }

private:
    AppContext& m_context;
    std::unique_ptr<Ui::frmAbout> m_ui;
};
