#include "calculators/SvgPicture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

QPixmap svgPicture(const QString& path, QSize size)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}
