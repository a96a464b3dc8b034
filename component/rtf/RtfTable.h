#pragma once

#include "rtf/RtfRowDefinition.h"

#include <QList>
#include <QTextTableCell>

class QTextCursor;
class QTextTable;

namespace pagora {

// A table as RTF gives it, row by row, each row with cells of its own widths: the table's
// columns are every cell edge of every row, and a cell that spans several of them is merged,
// as are the cells the file merges across (\clmrg) and down (\clvmrg).
class RtfTable
{
public:
    // Inserts a table at the cursor, with a first row as `row` defines it.
    // `nested`: in a cell of another table.
    RtfTable(QTextCursor& cursor, const RtfRowDefinition& row, bool nested);

    // Adds the next row, as `row` defines it.
    void addRow(const RtfRowDefinition& row);
    // The cell that the text of the current row's cell `index` goes into. A row defined with
    // no cells gets a cell for each one its text has.
    QTextTableCell cell(int index);
    QTextTable* table() const { return m_table; }
    // The definition that comes after a row's text (a table in a cell): the row's cells take
    // its widths and formats, where it has as many cells as the table has columns.
    void defineRow(const RtfRowDefinition& row);
    // Whether the row being laid out had no definition when it began: a file may define a
    // row after its cells, as it does a nested table's.
    bool rowUndefined() const { return m_synthetic; }

private:
    struct Span
    {
        int left;
        int right;
    };
    void layRow(const RtfRowDefinition& row);
    // The row's cell edges, left to right, in twips from the margin.
    static QList<int> edges(const RtfRowDefinition& row);
    // The column at which the edge `twips` is, splitting a column there if none is.
    int edge(int twips);
    void updateWidths();

    QTextTable* m_table = nullptr;
    QList<int> m_edges; // twips from the margin: each column's left edge, and the last's right
    int m_row = 0;
    QList<Span> m_cells; // the current row's cells, in columns
    bool m_synthetic = false;
    bool m_nested;
};

} // namespace pagora
