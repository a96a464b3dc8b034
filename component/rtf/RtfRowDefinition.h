#pragma once

#include "rtf/RtfControlWord.h"

#include <QColor>
#include <QList>
#include <QTextTableCellFormat>
#include <array>

namespace pagora {

class RtfColorTable;

// A table row's definition as \trowd starts it: where its cells end (\cellx), each cell's
// borders, padding, shading and merging, and the row's own defaults for them. Read before the
// row's text, and used for every row until the next \trowd.
class RtfRowDefinition
{
public:
    enum Merge
    {
        Alone,
        First,    // \clmgf, \clvmgf: the first cell of merged ones
        Continue, // \clmrg, \clvmrg: merged into the cell before it, or above it
    };
    struct Border
    {
        bool set = false;
        int style = 0; // QTextFrameFormat::BorderStyle
        int twips = 15;
        QColor color;
    };
    struct Cell
    {
        int right = 0;
        std::array<Border, 4> sides; // top, left, bottom, right
        std::array<int, 4> padding{-1, -1, -1, -1};
        QColor background;
        Merge across = Alone;
        Merge down = Alone;
        int align = 0; // 0 top, 1 middle, 2 bottom
    };

    // \trowd: a new definition.
    void reset();
    void flag(RtfControlWord::Id id);
    void value(RtfControlWord::Id id, int parameter, const RtfColorTable& colors);
    // Whether value() takes `id`: the row's and its cells' numbers.
    static bool takesValue(RtfControlWord::Id id);

    bool isEmpty() const { return m_cells.isEmpty(); }
    int left() const { return m_left; }
    const QList<Cell>& cells() const { return m_cells; }
    // The cell's format in Qt's terms: its padding and borders, the row's where it has none.
    QTextTableCellFormat format(int index) const;

private:
    Border* target();

    QList<Cell> m_cells;
    Cell m_next; // the cell the next \cellx ends
    int m_left = 0;
    int m_gap = -1;
    std::array<int, 4> m_padding{-1, -1, -1, -1};
    std::array<Border, 6> m_rowSides; // top, left, bottom, right, inside across, inside down
    int m_target = -1; // the border the next \brdr words describe: 0-3 the cell's, 4-9 the row's
};

} // namespace pagora
