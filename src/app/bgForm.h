#pragma once

#include "app/FormWindow.h"

#include <QWidget>

#include <memory>

class AppContext;
class MainProgram;
class QLabel;

namespace Ui {
class bgForm;
}

// The main menu screen: a picture with clickable labels, each running one of
// the main window's commands or opening one window.
class bgForm final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    explicit bgForm(AppContext& context, QWidget* parent = nullptr);
    ~bgForm() override;

    // Runs what a click on the label of that name runs.
    void labelClicked(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainProgram* mainWindow() const;

    AppContext& m_context;
    std::unique_ptr<Ui::bgForm> m_ui;
};
