#include "app/StretchedPicture.h"

#include <QEvent>

StretchedPicture::StretchedPicture(const QString& resource, const QString& objectName,
                                   QWidget* parent)
    : QSvgWidget(resource, parent)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    parent->installEventFilter(this);
    setGeometry(parent->rect());
    lower();
}

bool StretchedPicture::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        lower();
    }
    return QSvgWidget::eventFilter(watched, event);
}
