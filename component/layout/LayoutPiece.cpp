#include "LayoutPiece.h"

#include "layout/FrameRoom.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

namespace pagora {

bool LayoutPiece::canStartAt(const QTextDocument& layout, int at)
{
    const QTextBlock block = layout.findBlock(at);
    // A paragraph keeps the room made for its frame before it.
    if (at <= 0 || !block.isValid() || block.position() != at || FrameRoom::isBefore(block))
        return false;
    QTextCursor cursor(const_cast<QTextDocument*>(&layout));
    cursor.setPosition(at);
    return cursor.currentFrame() == layout.rootFrame();
}

std::unique_ptr<QTextDocument> LayoutPiece::copyFrom(const QTextDocument& layout, int at)
{
    // A clone keeps the document's images and every format as they are.
    std::unique_ptr<QTextDocument> copy(layout.clone());
    dropBefore(*copy, at);
    return copy;
}

int LayoutPiece::dropBefore(QTextDocument& layout, int at)
{
    const QTextBlock first = layout.findBlock(at);
    const int dropped = first.blockNumber();
    // Text taken from the start of a paragraph to another's leaves the first one's formats on
    // what remains: the piece's first paragraph gets its own back.
    const QTextBlockFormat format = first.blockFormat();
    const QTextCharFormat characters = first.charFormat();
    layout.setUndoRedoEnabled(false);
    QTextCursor cursor(&layout);
    cursor.beginEditBlock();
    cursor.setPosition(at, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.setBlockFormat(format);
    cursor.setBlockCharFormat(characters);
    cursor.endEditBlock();
    return dropped;
}

} // namespace pagora
