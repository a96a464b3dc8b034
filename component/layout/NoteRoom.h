#pragma once

#include <QtGlobal>
#include <vector>

class QTextBlock;
class QTextDocument;
class QTextTable;

namespace pagora {

// Room at the foot of one laid-out page for its footnotes: the page's last lines, or the
// table row they stand in, go on to the next page. In the layout copy only.
struct NoteRoom
{
    QTextDocument* document;
    int pageStart; // the page's first character, in the layout
    qreal pageEnd; // in device pixels

    // Moves the page's lines that reach below `limit` to the next page, cutting a paragraph
    // where it must (each cut's place goes into `splits`); false when none can move.
    bool pushFrom(qreal limit, std::vector<int>& splits) const;

private:
    // The row of `table` that holds `block`, whose line is `space` device pixels above the
    // page's end, goes to the next page; false when it cannot.
    bool pushRow(QTextTable* table, const QTextBlock& block, qreal space) const;
};

} // namespace pagora
