#pragma once

#include <QObject>

#include <functional>

class QAbstractButton;
class QWidget;

// Runs an action when a widget is activated in a way Qt does not wire by itself:
// the Enter key on a button, or a left click on a label or picture.
class ActivationFilter final : public QObject {
    Q_OBJECT

public:
    enum class Trigger { EnterKey, LeftClick };

    // Enter (either key) on the button does what its click does.
    static void clickOnEnter(QAbstractButton* button);
    // A left click on the widget runs the action.
    static void onLeftClick(QWidget* widget, std::function<void()> action);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ActivationFilter(QObject* parent, Trigger trigger, std::function<void()> action);

    Trigger m_trigger;
    std::function<void()> m_action;
};
