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
};

} // namespace pagora
