#pragma once

#include <QtGlobal>
#include <memory>

class QTextDocument;

namespace pagora {

// Qt lays a document out in one run of fixed-point positions, which a few thousand pages
// exhaust. A longer document is laid out in pieces, each a document of its own that starts at
// a page: the text before it is dropped, and what follows is laid out from the top again.
class LayoutPiece
{
public:
    // Whether a piece can start at `at`: the start of a paragraph of the body, outside any
    // table, so that the piece holds whole paragraphs and whole tables.
    static bool canStartAt(const QTextDocument& layout, int at);
    // The document from `at` on, for a document that may not be changed.
    static std::unique_ptr<QTextDocument> copyFrom(const QTextDocument& layout, int at);
    // Drops the text before `at` from a document of the layout's own; returns the paragraphs
    // dropped.
    static int dropBefore(QTextDocument& layout, int at);
};

} // namespace pagora
