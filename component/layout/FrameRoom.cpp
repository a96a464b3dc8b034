#include "FrameRoom.h"

#include "document/LayoutProperty.h"
#include "layout/PageParts.h"
#include "units/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <algorithm>
#include <cmath>
#include <memory>

namespace pagora {

namespace {

// The frame's text, laid out for `target` `width` twips wide.
std::unique_ptr<QTextDocument> laidOut(const PageStyle::Frame& frame, QPaintDevice* target,
                                       int width)
{
    std::unique_ptr<QTextDocument> text(frame.text->clone());
    PageParts::layOut(
        text.get(), target,
        std::max(1.0, std::floor(Twips::toPixelsExact(width, target->logicalDpiX()))));
    return text;
}

// A frame that leaves its width to its text is as wide as its widest line.
int naturalWidth(const QTextDocument& text, QPaintDevice* target, int bodyWidth)
{
    return std::clamp(static_cast<int>(std::ceil(text.idealWidth() /
                                                 Twips::toPixelsExact(1, target->logicalDpiX()))),
                      1, std::max(1, bodyWidth));
}

// Only a frame that goes with its paragraph is known to stand beside that paragraph's lines,
// and one placed from the paper's edge is measured apart from the body.
bool besideItsParagraph(const FramePlace& f)
{
    using From = FramePlace::From;
    return f.wrap && f.vertical == From::Text && f.horizontal != From::Page;
}

// How far into the body a frame reaches from the side it stands on, gap included; 0 when it
// stands in the margin.
int reach(const FramePlace& f, int width, int bodyWidth, bool& left)
{
    const int x = FrameRoom::offset(f, width, bodyWidth);
    if (x + width <= 0 || x >= bodyWidth)
        return 0;
    // A frame off the side takes the room from that side to its far edge: the text flows on
    // the other side only, as in a word processor's single column.
    left = 2 * x + width <= bodyWidth;
    return std::min(bodyWidth, (left ? x + width : bodyWidth - x) + f.gap);
}

} // namespace

int FrameRoom::make(QTextDocument* layout, const QTextBlock& block, const PageStyle::Frame& frame,
                    QPaintDevice* target, int bodyWidth)
{
    const FramePlace& f = frame.place;
    if (!besideItsParagraph(f) || bodyWidth <= 0 ||
        QTextCursor(block).currentFrame() != layout->rootFrame())
        return 0;
    // Laid out the body's width, a text that sets the frame's width breaks its lines as it does
    // at that width.
    const std::unique_ptr<QTextDocument> text =
        laidOut(frame, target, f.width > 0 ? f.width : bodyWidth);
    const int width = f.width > 0 ? f.width : naturalWidth(*text, target, bodyWidth);
    bool left = true;
    const int room = reach(f, width, bodyWidth, left);
    if (room <= 0)
        return 0;
    // Qt brings a frame's width and margins from the document's pixels to the device, but
    // takes its height in the device's own.
    const qreal document = Twips::documentDpi();
    const qreal dpiY = target->logicalDpiY();
    qreal height = text->documentLayout()->documentSize().height();
    if (f.height < 0)
        height = Twips::toPixelsExact(-f.height, dpiY);
    else
        height = std::max(height, Twips::toPixelsExact(f.height, dpiY));
    height += Twips::toPixelsExact(std::min(0, f.y), dpiY);
    if (height <= 0)
        return 0;

    QTextFrameFormat side;
    side.setPosition(left ? QTextFrameFormat::FloatLeft : QTextFrameFormat::FloatRight);
    side.setWidth(Twips::toPixelsExact(room, document));
    side.setHeight(height);
    side.setBorder(0);
    side.setPadding(0);
    side.setMargin(0);
    side.setTopMargin(Twips::toPixelsExact(std::max(0, f.y), document));
    side.setProperty(LayoutProperty::FrameRoom, true);
    const QTextBlockFormat format = block.blockFormat();
    const QTextCharFormat characters = block.charFormat();
    const int before = layout->characterCount();
    QTextCursor(block).insertFrame(side);
    // Qt leaves the paragraph's formats on an empty paragraph before the float, and its text
    // after it with none. The empty one keeps only what comes before the paragraph, its space
    // above and a break, at no height of its own, so that the float stands where the
    // paragraph's first line does.
    QTextBlockFormat ahead;
    ahead.setTopMargin(format.topMargin());
    ahead.setPageBreakPolicy(format.pageBreakPolicy());
    ahead.setLineHeight(0, QTextBlockFormat::FixedHeight);
    QTextCursor(block).setBlockFormat(ahead);
    QTextBlockFormat rest = format;
    rest.setTopMargin(0);
    rest.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    QTextCursor paragraph(block.next().next());
    paragraph.setBlockFormat(rest);
    paragraph.setBlockCharFormat(characters);
    return layout->characterCount() - before;
}

int FrameRoom::width(const PageStyle::Frame& frame, QPaintDevice* target, int bodyWidth)
{
    if (frame.place.width > 0)
        return frame.place.width;
    return naturalWidth(*laidOut(frame, target, bodyWidth), target, bodyWidth);
}

int FrameRoom::offset(const FramePlace& place, int width, int across)
{
    switch (place.align) {
    case FramePlace::Align::Left:
        return 0;
    case FramePlace::Align::Center:
        return (across - width) / 2;
    case FramePlace::Align::Right:
        return across - width;
    case FramePlace::Align::Offset:
        break;
    }
    return place.x;
}

bool FrameRoom::isBefore(const QTextBlock& block)
{
    const QTextBlock before = block.previous();
    if (!before.isValid())
        return false;
    const QTextFrame* frame = QTextCursor(before).currentFrame();
    return frame && frame->frameFormat().hasProperty(LayoutProperty::FrameRoom);
}

} // namespace pagora
