#pragma once

#include <QTextFormat>

namespace pagora {

// What the reader writes into a document's formats for the layout to draw, beyond what Qt's
// own formats say.
namespace LayoutProperty {

// On a block: the tab stops that have a leader, a list of QPointF(stop position, Leader).
constexpr int TabLeaders = QTextFormat::UserProperty + 1;

enum Leader
{
    NoLeader,
    Dots,
    Hyphens,
    Underline,
    ThickLine,
    DoubleLine,
};

} // namespace LayoutProperty

} // namespace pagora
