#include "TabLeaders.h"

#include "document/LayoutProperty.h"
#include "layout/RichTextEngine.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>

namespace pagora {

void TabLeaders::draw(QPainter* painter, const QTextDocument* layout, int start, int end, qreal top,
                      qreal bottom, qreal scale)
{
    // Qt lays tabs out but draws nothing in their space: dots, dashes or a rule are drawn
    // there as lines, not as characters, so that the PDF's text stays the document's.
    for (QTextBlock block = layout->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        const QVariantList leaders =
            block.blockFormat().property(LayoutProperty::TabLeaders).toList();
        const QList<QTextOption::Tab> stops = block.blockFormat().tabPositions();
        const QString text = block.text();
        if (leaders.isEmpty() || !text.contains(QLatin1Char('\t')))
            continue;
        const QTextLayout* lines = block.layout();
        const QPointF origin = RichTextEngine::lineOrigin(layout, block);
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const qreal y = origin.y() + line.y();
            if (y < top - 0.5 || y >= bottom)
                continue;
            for (int c = line.textStart(); c < line.textStart() + line.textLength(); ++c) {
                if (text.at(c) != QLatin1Char('\t'))
                    continue;
                const qreal from = line.cursorToX(c);
                const qreal to = line.cursorToX(c + 1);
                // The stop this tab reaches: the first beyond where it starts.
                qreal reached = std::numeric_limits<qreal>::max();
                for (const QTextOption::Tab& stop : stops) {
                    if (line.x() + stop.position * scale > from + 1)
                        reached = std::min(reached, stop.position);
                }
                int leader = LayoutProperty::NoLeader;
                for (const QVariant& stop : leaders) {
                    if (stop.toPointF().x() == reached)
                        leader = static_cast<int>(stop.toPointF().y());
                }
                if (leader == LayoutProperty::NoLeader)
                    continue;
                QTextCharFormat format = block.charFormat();
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextFragment fragment = it.fragment();
                    if (fragment.position() <= block.position() + c &&
                        block.position() + c < fragment.position() + fragment.length())
                        format = fragment.charFormat();
                }
                const QFontMetricsF metrics(format.font(), painter->device());
                drawLeader(painter, leader,
                           QLineF(origin.x() + from, y + line.ascent(), origin.x() + to,
                                  y + line.ascent()),
                           metrics);
            }
        }
    }
}

void TabLeaders::drawLeader(QPainter* painter, int leader, const QLineF& span,
                            const QFontMetricsF& metrics)
{
    const qreal em = metrics.height();
    const qreal gap = em * 0.1; // clear of the text on either side
    const qreal from = span.x1() + gap;
    const qreal to = span.x2() - gap;
    const qreal y = span.y1();
    if (to <= from)
        return;
    painter->save();
    painter->setPen(QPen(Qt::black, std::max<qreal>(1, em * 0.05)));
    painter->setBrush(Qt::black);
    switch (leader) {
    case LayoutProperty::Dots:
    case LayoutProperty::Hyphens: {
        // On a grid of their own, so that the leaders of lines one under the other line up.
        const qreal step = em * 0.3;
        const qreal dot = em * 0.07;
        for (qreal x = std::ceil(from / step) * step; x + dot <= to; x += step) {
            if (leader == LayoutProperty::Dots)
                painter->drawEllipse(QPointF(x + dot / 2, y - dot / 2), dot / 2, dot / 2);
            else
                painter->drawLine(QPointF(x, y - em * 0.25),
                                  QPointF(x + step * 0.5, y - em * 0.25));
        }
        break;
    }
    case LayoutProperty::Underline:
        painter->drawLine(QPointF(from, y + em * 0.08), QPointF(to, y + em * 0.08));
        break;
    case LayoutProperty::ThickLine:
        painter->setPen(QPen(Qt::black, em * 0.1));
        painter->drawLine(QPointF(from, y + em * 0.08), QPointF(to, y + em * 0.08));
        break;
    case LayoutProperty::DoubleLine:
        painter->drawLine(QPointF(from, y - em * 0.3), QPointF(to, y - em * 0.3));
        painter->drawLine(QPointF(from, y - em * 0.15), QPointF(to, y - em * 0.15));
        break;
    default:
        break;
    }
    painter->restore();
}

} // namespace pagora
