#pragma once

#include "layout/PageParts.h"

#include <functional>

namespace pagora {

// A page's positioned frames: those anchored in its text, drawn where the file places them,
// over the page's text, a frame of an exact height cut to it.
class PageFrames
{
public:
    // `paper` and `body` in the painter's twips; `anchorTop`: how far below the body's top a
    // character of the page's text stands, in twips.
    static void draw(QPainter* painter, QPaintDevice* target, const PageStyle* style,
                     const QRect& paper, const QRect& body, const PageParts::Page& page,
                     const std::function<int(int)>& anchorTop, TextLayerNames* names);
};

} // namespace pagora
