#include "LineStrut.h"

#include "document/LayoutProperty.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QTextDocument>

namespace pagora {

void LineStrut::registerIn(QTextDocument* document)
{
    static LineStrut strut;
    document->documentLayout()->registerHandler(LayoutProperty::LineStrut, &strut);
}

QSizeF LineStrut::intrinsicSize(QTextDocument* document, int, const QTextFormat& format)
{
    if (format.hasProperty(LayoutProperty::StrutWidth))
        return {format.doubleProperty(LayoutProperty::StrutWidth), 0};
    QPaintDevice* device = document->documentLayout()->paintDevice();
    const QFont font = format.toCharFormat().font();
    const QFontMetricsF metrics = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    const qreal dpi = device ? device->logicalDpiY() : 96.0;
    const qreal shift = format.doubleProperty(LayoutProperty::StrutRaise) * dpi / 72.0;
    // Raised: a baseline object's height is all ascent.
    if (shift >= 0)
        return {0, metrics.ascent() + shift};
    // Lowered: only an object centred on the x-height reaches below the baseline, by half its
    // height less half Qt's x-height of its font, measured as Qt measures it.
    const qreal halfX = QFontMetrics(font).xHeight() / 2.0;
    return {0, 2 * (metrics.descent() - shift) + halfX};
}

} // namespace pagora
