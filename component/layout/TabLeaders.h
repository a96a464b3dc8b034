#pragma once

#include <QtGlobal>

class QFontMetricsF;
class QLineF;
class QPainter;
class QTextDocument;

namespace pagora {

// The leaders of tab stops (\tldot and the rest): what fills the space a tab leaves, drawn
// over a laid-out document.
class TabLeaders
{
public:
    // The leaders in the lines of characters `start` to `end` of `layout` that lie between
    // `top` and `bottom`; `scale` takes the tab stops' pixels at the document's DPI to the
    // layout's.
    static void draw(QPainter* painter, const QTextDocument* layout, int start, int end, qreal top,
                     qreal bottom, qreal scale);

private:
    static void drawLeader(QPainter* painter, int leader, const QLineF& span,
                           const QFontMetricsF& metrics);
};

} // namespace pagora
