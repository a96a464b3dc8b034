#include "RtfTable.h"

#include "rtf/RtfLength.h"

#include <QTextCursor>
#include <QTextTable>
#include <algorithm>

namespace pagora {

namespace {

// Word's limit; beyond it a row's cells share its last one.
constexpr int MaxCells = 63;
// The width a cell gets when the file gives none.
constexpr int DefaultWidth = 1440;

} // namespace

RtfTable::RtfTable(QTextCursor& cursor, const RtfRowDefinition& row, bool nested) : m_nested(nested)
{
    QTextTableFormat format;
    format.setBorder(0);
    format.setBorderCollapse(true);
    format.setCellPadding(0);
    format.setCellSpacing(0);
    m_edges = edges(row);
    m_table = cursor.insertTable(1, static_cast<int>(m_edges.size()) - 1, format);
    layRow(row);
}

QList<int> RtfTable::edges(const RtfRowDefinition& row)
{
    QList<int> edges{row.left()};
    const int count = std::min<int>(static_cast<int>(row.cells().size()), MaxCells);
    for (int i = 0; i < count; ++i)
        edges << std::max(row.cells().at(i).right, edges.back() + 15);
    if (edges.size() == 1)
        edges << edges.back() + DefaultWidth;
    return edges;
}

void RtfTable::addRow(const RtfRowDefinition& row)
{
    ++m_row;
    m_table->appendRows(1);
    layRow(row);
}

int RtfTable::edge(int twips)
{
    const auto at = std::lower_bound(m_edges.begin(), m_edges.end(), twips);
    const int index = static_cast<int>(at - m_edges.begin());
    if (at != m_edges.end() && *at == twips)
        return index;
    m_edges.insert(index, twips);
    if (index == 0) {
        m_table->insertColumns(0, 1);
    } else if (index == m_edges.size() - 1) {
        m_table->appendColumns(1);
    } else {
        // The column index - 1 is split in two; the cells of the rows laid out already that
        // filled it fill both halves.
        m_table->insertColumns(index, 1);
        for (int r = 0; r < m_row; ++r) {
            const QTextTableCell before = m_table->cellAt(r, index - 1);
            if (before.row() == r && before.column() + before.columnSpan() - 1 == index - 1)
                m_table->mergeCells(r, before.column(), before.rowSpan(), before.columnSpan() + 1);
        }
    }
    return index;
}

void RtfTable::layRow(const RtfRowDefinition& row)
{
    m_cells.clear();
    m_synthetic = row.isEmpty();
    if (m_synthetic) {
        updateWidths();
        return;
    }
    const QList<int> rowEdges = edges(row);
    for (int twips : rowEdges)
        edge(twips);
    // Columns move as edges come in: the cells' columns are read once all of them are there.
    auto column = [this](int twips) {
        return static_cast<int>(std::lower_bound(m_edges.begin(), m_edges.end(), twips) -
                                m_edges.begin());
    };
    for (int i = 0; i + 1 < rowEdges.size(); ++i) {
        const RtfRowDefinition::Cell& def = row.cells().at(i);
        Span span{column(rowEdges.at(i)), column(rowEdges.at(i + 1))};
        if (def.across == RtfRowDefinition::Continue && i > 0)
            span.left = m_cells.back().left;
        m_cells << span;
        m_table->mergeCells(m_row, span.left, 1, span.right - span.left);
        if (def.down == RtfRowDefinition::Continue && m_row > 0) {
            const QTextTableCell above = m_table->cellAt(m_row - 1, span.left);
            if (above.isValid() && above.column() == span.left &&
                above.columnSpan() == span.right - span.left) {
                m_table->mergeCells(above.row(), span.left, m_row - above.row() + 1,
                                    above.columnSpan());
                continue; // the cell above keeps its format
            }
        }
        if (def.across != RtfRowDefinition::Continue)
            m_table->cellAt(m_row, span.left).setFormat(row.format(i));
    }
    updateWidths();
}

void RtfTable::defineRow(const RtfRowDefinition& row)
{
    const QList<int> rowEdges = edges(row);
    if (row.isEmpty() || rowEdges.size() != m_edges.size())
        return;
    // A nested table's edges are measured from where it stands, the cell around it.
    const int left = m_nested ? rowEdges.front() : 0;
    m_edges.clear();
    for (int edge : rowEdges)
        m_edges << edge - left;
    for (int i = 0; i + 1 < rowEdges.size(); ++i)
        m_table->cellAt(m_row, i).setFormat(row.format(i));
    updateWidths();
}

QTextTableCell RtfTable::cell(int index)
{
    if (m_synthetic && index >= m_cells.size() && index < MaxCells) {
        while (m_cells.size() <= index) {
            const int left = m_cells.isEmpty() ? 0 : m_cells.back().right;
            if (left + 1 >= m_edges.size())
                edge(m_edges.back() + DefaultWidth);
            m_cells << Span{left, left + 1};
        }
        updateWidths();
    }
    if (m_cells.isEmpty())
        return m_table->cellAt(m_row, 0);
    const Span span = m_cells.at(std::clamp<int>(index, 0, static_cast<int>(m_cells.size()) - 1));
    return m_table->cellAt(m_row, span.left);
}

void RtfTable::updateWidths()
{
    QTextTableFormat format = m_table->format();
    QList<QTextLength> widths;
    for (int i = 1; i < m_edges.size(); ++i)
        widths << QTextLength(QTextLength::FixedLength,
                              RtfLength::fromTwips(m_edges.at(i) - m_edges.at(i - 1)));
    if (widths.isEmpty())
        widths << QTextLength(QTextLength::FixedLength, RtfLength::fromTwips(DefaultWidth));
    format.setColumnWidthConstraints(widths);
    format.setLeftMargin(RtfLength::fromTwips(m_edges.front()));
    m_table->setFormat(format);
}

} // namespace pagora
