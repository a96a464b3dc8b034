#include "RtfRowDefinition.h"

#include "rtf/RtfColorTable.h"
#include "rtf/RtfLength.h"

#include <QTextFrameFormat>
#include <algorithm>

namespace pagora {

namespace {

enum Side
{
    Top,
    Left,
    Bottom,
    Right,
    InsideAcross,
    InsideDown,
};

// The space between a cell's edge and its text when the row has no \trgaph: none, as Word and
// LibreOffice read such a row. Word writes \trgaph108 itself; a narrow cell of a file that
// names no gap would otherwise break a two-letter word.
constexpr int DefaultGap = 0;

} // namespace

bool RtfRowDefinition::takesValue(RtfControlWord::Id id)
{
    using I = RtfControlWord::Id;
    switch (id) {
    case I::CellRight:
    case I::BorderWidth:
    case I::BorderColor:
    case I::CellShading:
    case I::RowGap:
    case I::RowLeft:
    case I::RowPadLeft:
    case I::RowPadRight:
    case I::RowPadTop:
    case I::RowPadBottom:
    case I::CellPadLeft:
    case I::CellPadRight:
    case I::CellPadTop:
    case I::CellPadBottom:
        return true;
    default:
        return false;
    }
}

void RtfRowDefinition::reset()
{
    *this = RtfRowDefinition();
}

RtfRowDefinition::Border* RtfRowDefinition::target()
{
    if (m_target >= 0 && m_target < 4)
        return &m_next.sides[static_cast<size_t>(m_target)];
    if (m_target >= 4 && m_target < 10)
        return &m_rowSides[static_cast<size_t>(m_target - 4)];
    return nullptr;
}

void RtfRowDefinition::flag(RtfControlWord::Id id)
{
    using I = RtfControlWord::Id;
    using S = QTextFrameFormat::BorderStyle;
    auto style = [this](S s) {
        if (Border* b = target()) {
            b->set = true;
            b->style = s;
        }
    };
    switch (id) {
    case I::CellBorderTop:
    case I::CellBorderLeft:
    case I::CellBorderBottom:
    case I::CellBorderRight:
        m_target = static_cast<int>(id) - static_cast<int>(I::CellBorderTop);
        return;
    case I::RowBorderTop:
    case I::RowBorderLeft:
    case I::RowBorderBottom:
    case I::RowBorderRight:
    case I::RowBorderInnerH:
    case I::RowBorderInnerV:
        m_target = 4 + static_cast<int>(id) - static_cast<int>(I::RowBorderTop);
        return;
    case I::ParagraphBorder:
        m_target = -1;
        return;
    case I::BorderSingle:
    case I::BorderThick:
        style(S::BorderStyle_Solid);
        return;
    case I::BorderDouble:
        style(S::BorderStyle_Double);
        return;
    case I::BorderDotted:
        style(S::BorderStyle_Dotted);
        return;
    case I::BorderDashed:
        style(S::BorderStyle_Dashed);
        return;
    case I::BorderNone:
        style(S::BorderStyle_None);
        return;
    case I::CellMergeFirst:
        m_next.across = First;
        return;
    case I::CellMerge:
        m_next.across = Continue;
        return;
    case I::CellVMergeFirst:
        m_next.down = First;
        return;
    case I::CellVMerge:
        m_next.down = Continue;
        return;
    case I::CellAlignTop:
    case I::CellAlignMiddle:
    case I::CellAlignBottom:
        m_next.align = static_cast<int>(id) - static_cast<int>(I::CellAlignTop);
        return;
    default:
        return;
    }
}

void RtfRowDefinition::value(RtfControlWord::Id id, int n, const RtfColorTable& colors)
{
    using I = RtfControlWord::Id;
    // Lengths beyond a page's width are no lengths a table has.
    const int twips = std::clamp(n, -31680, 31680);
    switch (id) {
    case I::CellRight:
        m_next.right = twips;
        m_cells << m_next;
        m_next = Cell();
        m_target = -1;
        return;
    case I::BorderWidth:
        if (Border* b = target())
            b->twips = std::clamp(n, 0, 255);
        return;
    case I::BorderColor:
        if (Border* b = target())
            b->color = colors.color(n);
        return;
    case I::CellShading:
        m_next.background = colors.color(n);
        return;
    case I::RowGap:
        m_gap = std::max(0, twips);
        return;
    case I::RowLeft:
        m_left = twips;
        return;
    case I::RowPadTop:
    case I::RowPadLeft:
    case I::RowPadBottom:
    case I::RowPadRight: {
        static constexpr Side sides[] = {Left, Right, Top, Bottom};
        m_padding[sides[static_cast<int>(id) - static_cast<int>(I::RowPadLeft)]] =
            std::max(0, twips);
        return;
    }
    case I::CellPadLeft:
    case I::CellPadRight:
    case I::CellPadTop:
    case I::CellPadBottom: {
        static constexpr Side sides[] = {Left, Right, Top, Bottom};
        m_next.padding[sides[static_cast<int>(id) - static_cast<int>(I::CellPadLeft)]] =
            std::max(0, twips);
        return;
    }
    default:
        return;
    }
}

QTextTableCellFormat RtfRowDefinition::format(int index) const
{
    QTextTableCellFormat format;
    if (index < 0 || index >= m_cells.size())
        return format;
    const Cell& cell = m_cells.at(index);
    const bool first = index == 0;
    const bool last = index == m_cells.size() - 1;

    auto padding = [&](Side side) {
        if (cell.padding[side] >= 0)
            return cell.padding[side];
        if (m_padding[side] >= 0)
            return m_padding[side];
        // \trgaph is half the space between two cells' text: the inset left and right.
        if (side == Left || side == Right)
            return m_gap >= 0 ? m_gap : DefaultGap;
        return 0;
    };
    format.setTopPadding(RtfLength::fromTwips(padding(Top)));
    format.setLeftPadding(RtfLength::fromTwips(padding(Left)));
    format.setBottomPadding(RtfLength::fromTwips(padding(Bottom)));
    format.setRightPadding(RtfLength::fromTwips(padding(Right)));

    auto border = [&](Side side) {
        if (cell.sides[side].set)
            return cell.sides[side];
        if (side == Top || side == Bottom)
            return m_rowSides[side].set ? m_rowSides[side] : m_rowSides[InsideAcross];
        const bool outer = side == Left ? first : last;
        return outer ? m_rowSides[side] : m_rowSides[InsideDown];
    };
    using S = QTextFrameFormat::BorderStyle;
    const std::array<Border, 4> sides{border(Top), border(Left), border(Bottom), border(Right)};
    // A drawn border is a 192nd of an inch at least (half a pixel of a 96-dpi screen).
    const qreal Thinnest = RtfLength::fromTwips(15) / 2;
    const std::array<qreal, 4> widths = [&] {
        std::array<qreal, 4> w{};
        for (size_t i = 0; i < 4; ++i) {
            const bool drawn = sides[i].set && sides[i].style != S::BorderStyle_None;
            w[i] = drawn ? std::max(RtfLength::fromTwips(sides[i].twips), Thinnest) : 0;
        }
        return w;
    }();
    auto brush = [](const Border& b) {
        return QBrush(b.color.isValid() ? b.color : Qt::black);
    };
    auto style = [](const Border& b) {
        return b.set ? static_cast<S>(b.style) : S::BorderStyle_None;
    };
    format.setTopBorder(widths[Top]);
    format.setTopBorderStyle(style(sides[Top]));
    format.setTopBorderBrush(brush(sides[Top]));
    format.setLeftBorder(widths[Left]);
    format.setLeftBorderStyle(style(sides[Left]));
    format.setLeftBorderBrush(brush(sides[Left]));
    format.setBottomBorder(widths[Bottom]);
    format.setBottomBorderStyle(style(sides[Bottom]));
    format.setBottomBorderBrush(brush(sides[Bottom]));
    format.setRightBorder(widths[Right]);
    format.setRightBorderStyle(style(sides[Right]));
    format.setRightBorderBrush(brush(sides[Right]));
    if (cell.background.isValid())
        format.setBackground(cell.background);
    if (cell.align == 1)
        format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    else if (cell.align == 2)
        format.setVerticalAlignment(QTextCharFormat::AlignBottom);
    return format;
}

} // namespace pagora
