#include "planner/ActivationFilter.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>

ActivationFilter::ActivationFilter(QObject* parent, Trigger trigger, std::function<void()> action)
    : QObject(parent), m_trigger(trigger), m_action(std::move(action))
{}

void ActivationFilter::clickOnEnter(QAbstractButton* button)
{
    button->installEventFilter(
        new ActivationFilter(button, Trigger::EnterKey, [button] { button->click(); }));
}

void ActivationFilter::onLeftClick(QWidget* widget, std::function<void()> action)
{
    widget->installEventFilter(new ActivationFilter(widget, Trigger::LeftClick, std::move(action)));
}

bool ActivationFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (m_trigger == Trigger::EnterKey && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_action();
            return true;
        }
    }
    if (m_trigger == Trigger::LeftClick && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        m_action();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
