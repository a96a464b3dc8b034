#include "PageFrames.h"

#include "document/PageStyle.h"
#include "layout/FrameRoom.h"

#include <QPainter>
#include <QRect>
#include <algorithm>

namespace pagora {

void PageFrames::draw(QPainter* painter, QPaintDevice* target, const PageStyle* style,
                      const QRect& paper, const QRect& body, const PageParts::Page& page,
                      const std::function<std::optional<int>(int)>& anchorTop,
                      TextLayerNames* names)
{
    if (!style)
        return;
    using From = FramePlace::From;
    for (const PageStyle::Frame& frame : style->frames()) {
        const std::optional<int> anchor = anchorTop(frame.anchor.position());
        if (!anchor)
            continue;
        const FramePlace& f = frame.place;
        const int width = FrameRoom::width(frame, target, body.width());
        const QRect& across = f.horizontal == From::Page ? paper : body;
        const int x = across.left() + FrameRoom::offset(f, width, across.width());
        const int y = f.vertical == From::Page     ? paper.top() + f.y
                      : f.vertical == From::Margin ? body.top() + f.y
                                                   : body.top() + *anchor + f.y;
        PageParts::drawPart(painter, target, frame.text, x, width, y, false, page.number,
                            page.count, names, std::max(0, -f.height));
    }
}

} // namespace pagora
