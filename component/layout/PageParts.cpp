#include "PageParts.h"

#include "document/PageStyle.h"
#include "layout/LayoutMends.h"
#include "layout/LineStrut.h"
#include "layout/TextLayerNames.h"
#include "units/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>
#include <memory>
#include <utility>

namespace pagora {

void PageParts::draw(QPainter* painter, QPaintDevice* target, const PageStyle* style,
                     const QRect& paper, const QRect& body, const Page& page, TextLayerNames* names)
{
    if (!style)
        return;
    if (const QTextDocument* header = style->header(page.number, page.from, page.to))
        drawPart(painter, target, header, body.left(), body.width(), paper.top() + style->headerY,
                 false, page.number, page.count, names);
    if (const QTextDocument* footer = style->footer(page.number, page.from, page.to))
        drawPart(painter, target, footer, body.left(), body.width(),
                 paper.bottom() - style->footerY, true, page.number, page.count, names);
}

qreal PageParts::layOut(QTextDocument* text, QPaintDevice* target, qreal width)
{
    dropEmptyEnd(text);
    text->documentLayout()->setPaintDevice(target);
    LineStrut::registerIn(text);
    text->setDocumentMargin(0);
    LayoutMends::scaleIndents(text, target->logicalDpiX() / Twips::documentDpi());
    text->setTextWidth(width);
    return text->documentLayout()->documentSize().height();
}

void PageParts::dropEmptyEnd(QTextDocument* document)
{
    // A part's last \par leaves an empty paragraph after its text: a footer would stand a line
    // above its place, and a note take a line more than it has.
    // The block after a table ends the document for good: nothing before it can be deleted
    // into it, and the loop stops when a deletion took nothing.
    while (document->blockCount() > 1 && document->lastBlock().length() <= 1) {
        const int before = document->characterCount();
        QTextCursor end(document);
        end.movePosition(QTextCursor::End);
        end.deletePreviousChar();
        if (document->characterCount() >= before)
            break;
    }
}

void PageParts::drawPart(QPainter* painter, QPaintDevice* target, const QTextDocument* part,
                         int left, int width, int y, bool fromBottom, int page, int pages,
                         TextLayerNames* names, int cut)
{
    if (part->isEmpty())
        return;
    const std::unique_ptr<QTextDocument> text(part->clone());
    for (const auto& [stand, number] :
         {std::pair{PageStyle::PageNumber, page}, std::pair{PageStyle::PageCount, pages}}) {
        for (QTextCursor at = text->find(QString(stand)); !at.isNull();
             at = text->find(QString(stand), at))
            at.insertText(QString::number(number));
    }
    const int dpiX = target->logicalDpiX(), dpiY = target->logicalDpiY();
    const qreal height =
        layOut(text.get(), target, std::max(1.0, std::floor(Twips::toPixelsExact(width, dpiX))));
    names->notePart(text.get());
    painter->save();
    painter->translate(left, y);
    painter->scale(1 / Twips::toPixelsExact(1, dpiX), 1 / Twips::toPixelsExact(1, dpiY));
    if (fromBottom)
        painter->translate(0, -height);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    if (cut > 0) {
        // Lines below the cut are not written at all, or a search of the PDF would find them.
        const QRectF kept(0, 0, text->textWidth(), Twips::toPixelsExact(cut, dpiY));
        context.clip = kept.adjusted(0, 0, 0, -0.5);
        painter->setClipRect(kept, Qt::IntersectClip);
    }
    text->documentLayout()->draw(painter, context);
    painter->restore();
}

} // namespace pagora
