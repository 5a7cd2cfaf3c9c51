#pragma once

#include "app/FormWindow.h"

#include <QWidget>

class AppContext;
class QTimer;

// The intro window: a picture for a few seconds, then the disclaimer (no
// account yet) or the login window.
class Intro final : public QWidget, public FormWindow {
    Q_OBJECT

public:
    static constexpr int introMs = 7000;

    explicit Intro(AppContext& context, QWidget* parent = nullptr);

    void formLoad() override;
    // What the timer runs when it fires; tests call it directly.
    void Timer1_Timer();

    QTimer* timer() const { return m_timer; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& m_context;
    QTimer* m_timer = nullptr;
};
