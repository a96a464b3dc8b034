#pragma once

#include <QtGlobal>

class QTextBlock;
class QTextDocument;
class QTextFrame;

namespace pagora {

// What Qt's layout of a rich-text document gets wrong against a word processor, mended in the
// document before it is laid out for a device.
class LayoutMends
{
public:
    // The space above the paragraphs after tables and below those before them, which Qt
    // leaves out or takes unscaled.
    static void keepSpaceAbove(QTextDocument* document);
    // The space above a cell's first paragraph, which Qt leaves out.
    static void keepSpaceInCells(QTextFrame* frame);
    // A document's horizontal paragraph lengths, from the document's DPI to the device's.
    static void scaleIndents(QTextDocument* document, qreal scale);
    static void scaleIndent(const QTextBlock& block, qreal scale);
    // The frame's tables that run past `width` (at the document's DPI), brought within it.
    static void fitTables(QTextFrame* frame, qreal width);
    // The borders between the cells of the frame's tables that end before `end`, resolved as
    // a word processor resolves them (the wider of two wins) and given to one cell of the two,
    // the one below or to the right. Qt then draws each cell's own borders; it resolves
    // collapsed borders itself at every page drawn, looking each neighbour up again, which cost
    // a fifth of a print of tables.
    static void resolveBorders(QTextFrame* frame, int end);
};

} // namespace pagora
