#pragma once

#include <QtGlobal>

class QPainter;
class QPaintDevice;
class QRect;
class QTextDocument;

namespace pagora {

class PageStyle;
class TextLayerNames;

// A page's header and footer: the page style's parts for the page, with its number and the
// page count in them, laid out for the printer and drawn in the page's margins.
class PageParts
{
public:
    // Page `number` (from 1) of `count`, whose text runs from character `from` to `to`.
    struct Page
    {
        int number;
        int count;
        int from;
        int to;
    };
    // The page's, between the left and right edges of `body` on `paper`: both in the
    // painter's twips, laid out for `target`; their glyphs noted in `names`.
    static void draw(QPainter* painter, QPaintDevice* target, const PageStyle* style,
                     const QRect& paper, const QRect& body, const Page& page,
                     TextLayerNames* names);
    // Lays a part or a note out for `target`, `width` device pixels wide, without the empty
    // paragraphs at its end; its height.
    static qreal layOut(QTextDocument* text, QPaintDevice* target, qreal width);

    // `part` laid out `width` twips wide for the target, drawn with its top (or, with
    // `fromBottom`, its bottom) at `y`; only its lines that start within `cut` twips, when
    // given, and cut there.
    static void drawPart(QPainter* painter, QPaintDevice* target, const QTextDocument* part,
                         int left, int width, int y, bool fromBottom, int page, int pages,
                         TextLayerNames* names, int cut = 0);

private:
    // Takes a document's empty paragraphs off its end.
    static void dropEmptyEnd(QTextDocument* document);
};

} // namespace pagora
