#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

// A picture of the resources drawn to the widget's size; a missing picture
// leaves the area empty. The picture is read when first drawn, so windows with
// pictures on hidden pages open without reading them.
class SvgPicture final : public QWidget {
    Q_OBJECT

public:
    explicit SvgPicture(QWidget* parent = nullptr);
    SvgPicture(const QString& resource, QWidget* parent);

    void load(const QString& resource);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_resource;
    QSvgRenderer* m_renderer = nullptr;
};
