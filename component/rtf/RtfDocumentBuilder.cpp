#include "RtfDocumentBuilder.h"

#include "document/LayoutProperty.h"
#include "rtf/RtfLength.h"
#include "rtf/RtfTabStops.h"
#include "units/Twips.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>
#include <algorithm>
#include <utility>

namespace pagora {

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument* document)
    : m_document(document), m_cursor(document)
{
    // RTF's own default tab stop, half an inch, for a file that gives no \deftab.
    setDefaultTab(720);
}

void RtfDocumentBuilder::flush(const RtfState& state)
{
    if (m_pending.isEmpty())
        return;
    const QString text = m_pending;
    m_pending.clear();
    if (state.hidden)
        return;
    placeCursor(state);
    applyBlockFormat(blockFormat(state));
    QTextCharFormat format = charFormat(state);
    // Marks over letters and scripts whose letters join need shaping in any font.
    if (format.fontStyleStrategy() & QFont::PreferNoShaping &&
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x300; }))
        format.clearProperty(QTextFormat::FontStyleStrategy);
    m_cursor.insertText(text, format);
    if (state.raise != 0) {
        QTextCharFormat strut = state.charFormat;
        strut.setObjectType(LayoutProperty::LineStrut);
        strut.setProperty(LayoutProperty::StrutRaise, state.raise / 2.0);
        if (state.raise < 0)
            strut.setVerticalAlignment(QTextCharFormat::AlignMiddle);
        m_cursor.insertText(QString(QChar::ObjectReplacementCharacter), strut);
    }
}

QTextCharFormat RtfDocumentBuilder::charFormat(const RtfState& state)
{
    if (state.raise == 0)
        return state.charFormat;
    // Qt raises text by a share of its font's height; RTF by half points.
    QTextCharFormat format = state.charFormat;
    const QFontMetricsF metrics(format.font());
    const qreal height = metrics.height() * 72.0 / Twips::documentDpi();
    if (height > 0)
        format.setBaselineOffset(state.raise / 2.0 / height * 100.0);
    return format;
}

void RtfDocumentBuilder::applyBlockFormat(const QTextBlockFormat& format)
{
    // Setting a block's format is an edit of the document, and most calls would set the
    // format the block has.
    if (m_appliedValid && format == m_applied)
        return;
    m_cursor.setBlockFormat(format);
    m_applied = format;
    m_appliedValid = true;
}

void RtfDocumentBuilder::insertBlock(const QTextBlockFormat& next, const RtfState& state)
{
    m_breakBefore = false; // the block it ends took the break
    m_pageBroken = false;
    m_labelled = m_continuation && m_labelled;
    m_cursor.insertBlock(next, charFormat(state));
    m_applied = next;
    m_appliedValid = true;
}

void RtfDocumentBuilder::markListText()
{
    m_labelled = true;
    m_listTextStart = m_cursor.position();
}

void RtfDocumentBuilder::dropBlankListText()
{
    const int start = std::exchange(m_listTextStart, -1);
    const int end = m_cursor.position();
    if (start < 0 || end <= start || m_cursor.block().position() > start)
        return;
    QTextCursor label(m_document);
    label.setPosition(start);
    label.setPosition(end, QTextCursor::KeepAnchor);
    if (label.selectedText().trimmed().isEmpty())
        label.removeSelectedText();
}

QTextBlockFormat RtfDocumentBuilder::blockFormat(const RtfState& state) const
{
    QTextBlockFormat format = state.blockFormat;
    if (m_continuation) {
        // A line after a line break: no space above it, no first-line indent.
        format.setTopMargin(0);
        format.setTextIndent(0);
        format.setPageBreakPolicy(format.pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysBefore);
    } else if (m_breakBefore) {
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
    }
    RtfTabStops::placeFromLineStart(format, m_document->defaultTextOption().tabStopDistance());
    return format;
}

void RtfDocumentBuilder::lineBreak(const RtfState& state)
{
    // Each line of a paragraph becomes a block of its own, with no space between them. Qt lays
    // out one block's lines in quadratic time, and a report's table is one paragraph of
    // thousands of lines.
    flush(state);
    placeCursor(state);
    QTextBlockFormat ending = blockFormat(state);
    ending.setBottomMargin(0);
    applyBlockFormat(ending);
    m_continuation = true;
    insertBlock(blockFormat(state), state);
}

void RtfDocumentBuilder::paragraphEnd(const RtfState& state)
{
    flush(state);
    placeCursor(state);
    applyBlockFormat(blockFormat(state));
    m_continuation = false;
    insertBlock(state.blockFormat, state);
}

void RtfDocumentBuilder::pageBreak(const RtfState& state)
{
    flush(state);
    placeCursor(state);
    QTextBlockFormat breaking = blockFormat(state);
    // The paragraph keeps a break before it, which a section gives its first one.
    breaking.setPageBreakPolicy(breaking.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysAfter);
    applyBlockFormat(breaking);
    m_continuation = false;
    insertBlock(state.blockFormat, state);
    m_pageBroken = true;
}

void RtfDocumentBuilder::leaveTable()
{
    // The text goes on after the table: in the cell of the table around it, if there is one.
    m_cursor = m_tables.back().table->table()->lastCursorPosition();
    m_appliedValid = false;
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_tables.pop_back();
}

size_t RtfDocumentBuilder::depth(const RtfState& state)
{
    if (state.nesting > 0)
        return static_cast<size_t>(std::min(state.nesting, MaxNesting));
    return state.inTable ? 1 : 0;
}

void RtfDocumentBuilder::moveToCell(Level& level, size_t index)
{
    if (level.rowEnded) {
        level.table->addRow(m_definitions[index]);
        level.rowEnded = false;
        level.cellMoved = true;
    }
    if (level.cellMoved) {
        level.cellMoved = false;
        // Merged cells share one: the text of each goes after the text before it.
        m_cursor = level.table->cell(level.column).lastCursorPosition();
        m_appliedValid = false;
    }
}

void RtfDocumentBuilder::placeCursor(const RtfState& state)
{
    const size_t wanted = depth(state);
    // The paragraph after a table's last row: out of it.
    while (m_tables.size() > wanted)
        leaveTable();
    if (!m_tables.empty())
        moveToCell(m_tables.back(), m_tables.size() - 1);
    // A table in a cell: the rows of a nested table are defined after their text, so its
    // first row takes its cells as they come.
    while (m_tables.size() < wanted) {
        const size_t index = m_tables.size();
        const RtfRowDefinition& row = index == 0 ? m_definitions[0] : RtfRowDefinition();
        m_tables.push_back({std::make_unique<RtfTable>(m_cursor, row, index > 0), 0, false, true});
        moveToCell(m_tables.back(), index);
    }
}

void RtfDocumentBuilder::cellEnd(RtfState& state)
{
    flush(state);
    if (depth(state) == 0)
        state.inTable = true;
    placeCursor(state);
    applyBlockFormat(blockFormat(state));
    m_continuation = false;
    m_labelled = false;
    Level& level = m_tables.back();
    ++level.column;
    level.cellMoved = true;
}

void RtfDocumentBuilder::rowEnd(const RtfState& state)
{
    const size_t wanted = std::max<size_t>(1, depth(state));
    // A row end right after another one ends no row: no empty rows.
    if (m_tables.size() < wanted || m_tables[wanted - 1].rowEnded)
        return;
    Level& level = m_tables[wanted - 1];
    if (wanted > 1 || level.table->rowUndefined())
        level.table->defineRow(m_definitions[wanted - 1]);
    level.column = 0;
    level.rowEnded = true;
    level.cellMoved = false;
}

void RtfDocumentBuilder::insertImage(const RtfState& state, const QTextImageFormat& image)
{
    placeCursor(state);
    m_cursor.insertImage(image);
}

void RtfDocumentBuilder::setDefaultTab(int twips)
{
    QTextOption option = m_document->defaultTextOption();
    option.setTabStopDistance(RtfLength::fromTwips(twips));
    m_document->setDefaultTextOption(option);
}

void RtfDocumentBuilder::finish(const RtfState& state)
{
    flush(state);
    // A last paragraph without \par keeps the format its text was written in: the state at
    // the end is the one outside the document's group.
    if (m_cursor.block().length() <= 1)
        applyBlockFormat(blockFormat(state));
}

} // namespace pagora

namespace pagora {

void RtfDocumentBuilder::appendNotes(const QList<PageStyle::Note>& notes)
{
    if (notes.isEmpty())
        return;
    QTextCursor end(m_document);
    end.movePosition(QTextCursor::End);
    // A blank line between the text and its notes.
    end.insertBlock(QTextBlockFormat());
    for (const PageStyle::Note& note : notes) {
        end.insertBlock(QTextBlockFormat());
        end.insertFragment(QTextDocumentFragment(note.text));
        delete note.text;
    }
}

} // namespace pagora
