#pragma once

#include "document/PageStyle.h"

class QPaintDevice;
class QTextBlock;
class QTextDocument;

namespace pagora {

// Room in the body's flow for a frame placed beside or over the paragraph it is anchored to,
// so that the paragraph's lines go beside or below it, as a word processor flows them, not
// under it. The frame itself is drawn apart; its room is an empty float at its side.
class FrameRoom
{
public:
    // Room before `block` of `layout` for `frame`, laid out for `target` beside a body of
    // `bodyWidth` twips; the characters that added: none when the frame needs no room.
    static int make(QTextDocument* layout, const QTextBlock& block, const PageStyle::Frame& frame,
                    QPaintDevice* target, int bodyWidth);
    // How wide `frame` stands, in twips: as the file says, or, when it leaves that to its text,
    // as wide as its widest line, up to the body's `bodyWidth`.
    static int width(const PageStyle::Frame& frame, QPaintDevice* target, int bodyWidth);
    // How far from the left of what it is placed across, `across` twips wide, a frame `width`
    // twips wide stands.
    static int offset(const FramePlace& place, int width, int across);
    // Whether a room stands just before `block`, the paragraph of its frame's anchor.
    static bool isBefore(const QTextBlock& block);
};

} // namespace pagora
