#pragma once

#include <QSvgWidget>

// A picture from the program's resources that covers its parent window and
// follows its size; it sits behind the window's controls. A missing picture
// leaves the area empty.
class StretchedPicture final : public QSvgWidget {
    Q_OBJECT

public:
    StretchedPicture(const QString& resource, const QString& objectName, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
