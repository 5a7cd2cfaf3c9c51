#include "planner/SvgPicture.h"

#include <QPainter>
#include <QSvgRenderer>

SvgPicture::SvgPicture(QWidget* parent) : QWidget(parent) {}

SvgPicture::SvgPicture(const QString& resource, QWidget* parent) : SvgPicture(parent)
{
    load(resource);
}

void SvgPicture::load(const QString& resource)
{
    m_resource = resource;
    delete m_renderer;
    m_renderer = nullptr;
    update();
}

void SvgPicture::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    if (!m_renderer)
        m_renderer = new QSvgRenderer(m_resource, this);
    if (!m_renderer->isValid())
        return;
    QPainter painter(this);
    m_renderer->render(&painter, QRectF(rect()));
}
