#include "NoteRoom.h"

#include "units/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

namespace pagora {

bool NoteRoom::pushFrom(qreal limit, std::vector<int>& splits) const
{
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    for (QTextBlock block = document->findBlock(pageStart); block.isValid(); block = block.next()) {
        const QRectF box = layout->blockBoundingRect(block);
        if (box.top() >= pageEnd)
            return false;
        const QTextLayout* lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const qreal top = box.top() + line.y();
            const int at = block.position() + line.textStart();
            if (at < pageStart || top + line.height() <= limit)
                continue;
            // The page's first line stays, notes or not.
            if (top >= pageEnd || at == pageStart)
                return false;
            if (QTextFrame* frame = QTextCursor(block).currentFrame();
                frame != document->rootFrame())
                return pushRow(qobject_cast<QTextTable*>(frame), block, pageEnd - top);
            QTextCursor cursor(block);
            QTextBlockFormat format = block.blockFormat();
            if (i == 0) {
                format.setPageBreakPolicy(format.pageBreakPolicy() |
                                          QTextFormat::PageBreak_AlwaysBefore);
                cursor.setBlockFormat(format);
                return true;
            }
            // The paragraph is cut in two at the line, in this copy only.
            QTextBlockFormat rest = format;
            rest.setTopMargin(0);
            rest.setTextIndent(0);
            rest.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            format.setBottomMargin(0);
            cursor.setBlockFormat(format);
            cursor.setPosition(at);
            cursor.insertBlock(rest, cursor.charFormat());
            splits.push_back(at);
            return true;
        }
    }
    return false;
}

bool NoteRoom::pushRow(QTextTable* table, const QTextBlock& block, qreal space) const
{
    // Qt moves a row to the next page when it does not fit: the row before grows, blank, until
    // the line is half a pixel from the page's end, which leaves this row no room and the row
    // before it all. A table's first rows, or its heading rows, go along with the table.
    // Tables in cells break where Qt breaks them.
    if (!table || table->parentFrame() != document->rootFrame() ||
        table->firstCursorPosition().position() <= pageStart)
        return false;
    const int row = table->cellAt(block.position()).row();
    if (row <= table->format().headerRowCount()) {
        QTextTableFormat format = table->format();
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            return false;
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        table->setFormat(format);
        return true;
    }
    // In the document's pixels, which Qt scales to the device's.
    const qreal grow = (space - 0.5) * Twips::documentDpi() /
                       document->documentLayout()->paintDevice()->logicalDpiY();
    if (grow <= 0)
        return false;
    for (int column = 0; column < table->columns(); ++column) {
        QTextTableCell cell = table->cellAt(row - 1, column);
        if (cell.column() != column)
            continue; // a merged cell's other places
        QTextTableCellFormat format = cell.format().toTableCellFormat();
        format.setBottomPadding(format.bottomPadding() + grow);
        cell.setFormat(format);
    }
    return true;
}

} // namespace pagora
