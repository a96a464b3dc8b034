#pragma once

#include <QTextFormat>

namespace pagora {

// What the reader writes into a document's formats for the layout to draw, beyond what Qt's
// own formats say.
namespace LayoutProperty {

// On a block: the tab stops that have a leader, a list of QPointF(stop position, Leader).
constexpr int TabLeaders = QTextFormat::UserProperty + 1;

// An object of no width after raised or lowered text, as tall as the text stands above or
// below the line: Qt draws such text where it is asked, but keeps its line as it was.
constexpr int LineStrut = QTextFormat::UserObject + 1;
// On it: how far the text is raised, in points; lowered below 0.
constexpr int StrutRaise = QTextFormat::UserProperty + 2;
// Or: how wide it is, in device pixels, and no height; it stands for a first line's indent.
constexpr int StrutWidth = QTextFormat::UserProperty + 3;

// On a frame: room kept in the text's flow for a positioned frame, which is drawn apart.
constexpr int FrameRoom = QTextFormat::UserProperty + 4;

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
