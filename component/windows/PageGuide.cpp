#include "PageGuide.h"

#include <QPainter>

namespace pagora {

PageGuide::PageGuide(const QString& name, Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), m_orientation(orientation)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PageGuide::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    if (m_orientation == Qt::Vertical)
        p.drawLine(width() / 2, 0, width() / 2, height());
    else
        p.drawLine(0, height() / 2, width(), height() / 2);
}

} // namespace pagora
