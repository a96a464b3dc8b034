#include "PageView.h"

#include <QPainter>

namespace pagora {

PageView::PageView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picChild"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageView::setPicture(const QPicture* picture, QSize surfaceTwips)
{
    m_picture = picture;
    m_surface = surfaceTwips;
    update();
}

void PageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_picture || m_surface.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(qreal(width()) / m_surface.width(), qreal(height()) / m_surface.height());
    painter.drawPicture(0, 0, *m_picture);
}

} // namespace pagora
