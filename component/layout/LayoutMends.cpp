#include "LayoutMends.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <vector>

namespace pagora {

void LayoutMends::keepSpaceAbove(QTextDocument* document)
{
    // Qt puts space above a paragraph only when a paragraph comes before it in the same
    // frame: the first one after a table loses its space, which word processors keep. The
    // table keeps it below itself instead.
    //
    // Qt keeps the space below the paragraph before a table, but in the document's pixels,
    // unscaled: on a 1200-dpi printer it all but vanishes. The table takes it above itself,
    // which Qt scales, and the paragraph gives it up. So does the table's anchor, a block of
    // its own with the paragraph's format, whose space above is no paragraph's.
    for (QTextFrame* table : document->rootFrame()->childFrames()) {
        if (!qobject_cast<QTextTable*>(table))
            continue;
        const QTextBlock after = document->findBlock(table->lastPosition() + 1);
        const qreal space = after.isValid() ? after.blockFormat().topMargin() : 0;
        QTextFrameFormat format = table->frameFormat();
        if (space > format.bottomMargin())
            format.setBottomMargin(space);
        QTextBlock before = document->findBlock(table->firstPosition() - 1);
        for (int i = 0; i < 2 && before.isValid() &&
                        QTextCursor(before).currentFrame() == document->rootFrame();
             ++i, before = before.previous()) {
            QTextBlockFormat paragraph = before.blockFormat();
            if (paragraph.bottomMargin() > 0) {
                format.setTopMargin(std::max(format.topMargin(), paragraph.bottomMargin()));
                paragraph.setBottomMargin(0);
            }
            if (i == 0 && paragraph.topMargin() > 0)
                paragraph.setTopMargin(0);
            if (paragraph != before.blockFormat())
                QTextCursor(before).setBlockFormat(paragraph);
        }
        if (format != table->frameFormat())
            table->setFrameFormat(format);
    }
}

void LayoutMends::keepSpaceInCells(QTextFrame* frame)
{
    // Nor above the first paragraph of a cell, which word processors keep within the cell: the
    // cell takes it as padding. The paragraph gives it up, so that a second look finds none.
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            for (int row = 0; row < table->rows(); ++row) {
                for (int column = 0; column < table->columns(); ++column) {
                    QTextTableCell cell = table->cellAt(row, column);
                    if (cell.row() != row || cell.column() != column)
                        continue; // a merged cell's other places
                    QTextCursor first = cell.firstCursorPosition();
                    QTextBlockFormat paragraph = first.blockFormat();
                    if (paragraph.topMargin() <= 0)
                        continue;
                    QTextTableCellFormat format = cell.format().toTableCellFormat();
                    format.setTopPadding(format.topPadding() + paragraph.topMargin());
                    cell.setFormat(format);
                    paragraph.setTopMargin(0);
                    first.setBlockFormat(paragraph);
                }
            }
        }
        keepSpaceInCells(child);
    }
}

void LayoutMends::scaleIndents(QTextDocument* document, qreal scale)
{
    // Qt brings a paragraph's space above and below to the device's resolution, but not its
    // left and right margins or its first-line indent, which the reader gives in pixels at the
    // screen's DPI: on a 1200-dpi printer an inch of indent would print as a twelfth of that.
    if (scale == 1)
        return;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        scaleIndent(block, scale);
}

void LayoutMends::scaleIndent(const QTextBlock& block, qreal scale)
{
    QTextBlockFormat format = block.blockFormat();
    if (scale == 1 ||
        (format.leftMargin() == 0 && format.rightMargin() == 0 && format.textIndent() == 0))
        return;
    format.setLeftMargin(format.leftMargin() * scale);
    format.setRightMargin(format.rightMargin() * scale);
    format.setTextIndent(format.textIndent() * scale);
    QTextCursor(block).setBlockFormat(format);
}

void LayoutMends::fitTables(QTextFrame* frame, qreal width)
{
    // A table wider than the page would lose its last columns past the edge: like a word
    // processor, bring it to the page's width, each column keeping its share.
    for (QTextFrame* child : frame->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(child);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        const QList<QTextLength> widths = format.columnWidthConstraints();
        qreal total = 0;
        for (const QTextLength& w : widths) {
            if (w.type() != QTextLength::FixedLength) {
                total = 0;
                break;
            }
            total += w.rawValue();
        }
        const qreal left = std::max<qreal>(0, format.leftMargin());
        if (total <= 0 || total + format.leftMargin() <= width + 0.5)
            continue;
        QList<QTextLength> shares;
        for (const QTextLength& w : widths)
            shares << QTextLength(QTextLength::PercentageLength, w.rawValue() / total * 100);
        format.setColumnWidthConstraints(shares);
        format.setLeftMargin(std::min(format.leftMargin(), 0.0));
        format.setWidth(QTextLength(QTextLength::FixedLength, width - left));
        table->setFormat(format);
    }
}

void LayoutMends::resolveBorders(QTextFrame* frame, int end)
{
    for (QTextFrame* child : frame->childFrames()) {
        resolveBorders(child, end);
        auto* table = qobject_cast<QTextTable*>(child);
        if (!table || table->lastPosition() >= end || !table->format().borderCollapse())
            continue;
        const int rows = table->rows();
        const int columns = table->columns();
        // As the file gave them: each cell's own, before any is changed.
        std::vector<QTextTableCellFormat> given(static_cast<size_t>(rows * columns));
        const auto at = [&](int row, int column) -> QTextTableCellFormat& {
            return given[static_cast<size_t>(row * columns + column)];
        };
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column)
                at(row, column) = table->cellAt(row, column).format().toTableCellFormat();
        }
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                QTextTableCell cell = table->cellAt(row, column);
                if (cell.row() != row || cell.column() != column)
                    continue; // a merged cell's other places
                QTextTableCellFormat format = at(row, column);
                if (row > 0 && at(row - 1, column).bottomBorder() > format.topBorder()) {
                    const QTextTableCellFormat& above = at(row - 1, column);
                    format.setTopBorder(above.bottomBorder());
                    format.setTopBorderStyle(above.bottomBorderStyle());
                    format.setTopBorderBrush(above.bottomBorderBrush());
                }
                if (column > 0 && at(row, column - 1).rightBorder() > format.leftBorder()) {
                    const QTextTableCellFormat& left = at(row, column - 1);
                    format.setLeftBorder(left.rightBorder());
                    format.setLeftBorderStyle(left.rightBorderStyle());
                    format.setLeftBorderBrush(left.rightBorderBrush());
                }
                if (row + cell.rowSpan() < rows)
                    format.setBottomBorder(0);
                if (column + cell.columnSpan() < columns)
                    format.setRightBorder(0);
                if (format != cell.format())
                    cell.setFormat(format);
            }
        }
        QTextTableFormat separate = table->format();
        separate.setBorderCollapse(false);
        table->setFormat(separate);
    }
}

} // namespace pagora
