#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// A picture of the resources drawn at the given size; an empty pixmap when the
// picture is missing, so a window shows nothing there rather than failing.
QPixmap svgPicture(const QString& path, QSize size);
