#include "PageDrawing.h"

#include "layout/PageNotes.h"
#include "layout/RichTextEngine.h"
#include "layout/TabLeaders.h"
#include "layout/TextLayerNames.h"
#include "units/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <vector>

namespace pagora {

namespace {

// Far below any page: a line placed there is one Qt will not draw.
constexpr qreal OutOfReach = 1e9;

} // namespace

void PageDrawing::draw(QPainter* painter, const QRect& area) const
{
    const qreal height = pageHeight;
    const qreal width = std::floor(Twips::toPixelsExact(area.width(), dpiX));
    const qreal top = page * pageHeight;
    painter->save();
    painter->translate(area.left(), area.top());
    painter->scale(1 / Twips::toPixelsExact(1, dpiX), 1 / Twips::toPixelsExact(1, dpiY));
    painter->translate(0, -top);
    const QRectF clip(0, top, width, pageHeight);
    painter->setClipRect(clip, Qt::IntersectClip);

    // Qt draws a paragraph from the line before the first one in its clip: the last line of
    // the page before would be written again, under the clip, where a search of the PDF finds
    // it. A paragraph that runs on from the page before is drawn here, line by line, and
    // hidden from Qt by moving its lines out of reach for the moment.
    QTextBlock carried = layout->findBlock(layoutStart);
    QTextLayout* lines = carried.isValid() ? carried.layout() : nullptr;
    std::vector<QPointF> positions;
    QPointF origin;
    if (lines && layoutStart > carried.position() && lines->lineCount() > 0) {
        origin = RichTextEngine::lineOrigin(layout, carried);
        for (int i = 0; i < lines->lineCount(); ++i) {
            QTextLine line = lines->lineAt(i);
            positions.push_back(line.position());
            line.setPosition(QPointF(line.x(), OutOfReach));
        }
    }
    QAbstractTextDocumentLayout::PaintContext context;
    // Lines of the next page start exactly at the page's end.
    context.clip = QRectF(0, top, width, std::max<qreal>(1, height - 0.5));
    context.palette.setColor(QPalette::Text, Qt::black);
    layout->documentLayout()->draw(painter, context);
    if (!positions.empty()) {
        for (int i = 0; i < lines->lineCount(); ++i) {
            QTextLine line = lines->lineAt(i);
            line.setPosition(positions[static_cast<size_t>(i)]);
            const qreal y = origin.y() + line.y();
            if (y >= top - 0.5 && y < top + height - 0.5)
                line.draw(painter, origin);
        }
    }
    if (leaders)
        TabLeaders::draw(painter, layout, layoutStart, layoutEnd, top, top + height - 0.5,
                         dpiX / Twips::documentDpi());
    if (notes)
        notes->draw(painter, start, end, top + height, names);
    painter->restore();
    for (QTextBlock block = carried; block.isValid() && block.position() < layoutEnd;
         block = block.next())
        names->note(block);
}

} // namespace pagora
