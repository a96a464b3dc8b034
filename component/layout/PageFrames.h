#pragma once

#include "layout/PageParts.h"

#include <functional>
#include <optional>

namespace pagora {

// A page's positioned frames: those anchored in its text, drawn where the file places them,
// over the page's text, a frame of an exact height cut to it.
class PageFrames
{
public:
    // `paper` and `body` in the painter's twips; `anchorTop`: for a frame's anchor, how far
    // below the body's top it stands in twips, when it is on the page.
    static void draw(QPainter* painter, QPaintDevice* target, const PageStyle* style,
                     const QRect& paper, const QRect& body, const PageParts::Page& page,
                     const std::function<std::optional<int>(int)>& anchorTop,
                     TextLayerNames* names);
};

} // namespace pagora
