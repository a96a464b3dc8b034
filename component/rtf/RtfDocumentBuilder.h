#pragma once

#include "document/PageStyle.h"
#include "rtf/RtfRowDefinition.h"
#include "rtf/RtfState.h"
#include "rtf/RtfTable.h"

#include <QList>
#include <QString>
#include <QTextCursor>
#include <array>
#include <memory>
#include <vector>

class QTextDocument;
class QTextImageFormat;

namespace pagora {

// Writes what the RTF text says into the document: runs of text in their formats,
// paragraphs, line and page breaks, tables row by row and cell by cell, and pictures. Each
// call is given the state of the group it comes from.
class RtfDocumentBuilder
{
public:
    explicit RtfDocumentBuilder(QTextDocument* document);

    // Text that waits for the next change of format.
    void append(const QString& text) { m_pending += text; }
    bool hasPending() const { return !m_pending.isEmpty(); }
    void flush(const RtfState& state);
    void lineBreak(const RtfState& state);
    void paragraphEnd(const RtfState& state);
    void pageBreak(const RtfState& state);
    // A \cell always belongs to a table row: the state is in the table from here on.
    void cellEnd(RtfState& state);
    // \row, or \nestrow for a table in a cell.
    void rowEnd(const RtfState& state);
    // \trowd, \cellxN and the rest: the cells of the rows to come.
    // Those of the table at the state's depth: a table in a cell has its own.
    RtfRowDefinition& rowDefinition(const RtfState& state)
    {
        return m_definitions[std::max<size_t>(1, depth(state)) - 1];
    }
    void insertImage(const RtfState& state, const QTextImageFormat& image);
    void setDefaultTab(int twips);
    // The next paragraph that gets text starts a page: a new section.
    void breakPageBeforeNext() { m_breakBefore = true; }
    // Where a list label starts; the label is taken out again when it holds no more than
    // white space.
    void markListText();
    void dropBlankListText();
    // Whether the text waiting starts a paragraph that has no label: at the start of its
    // first line, with no {\listtext} read for it.
    bool atParagraphStart() const
    {
        return !m_continuation && !m_labelled && m_cursor.atBlockStart();
    }
    // A label the reader made for the paragraph, before its text.
    void prependLabel(const QString& label) { m_pending.prepend(label); }
    // The end of the document.
    void finish(const RtfState& state);
    // Whether the cursor stands in an empty block outside any table, with no text waiting:
    // the blocks before it are written for good.
    bool betweenLines() const
    {
        return m_tables.empty() && m_pending.isEmpty() && m_listTextStart < 0 &&
               m_cursor.atBlockStart() && m_cursor.atBlockEnd();
    }
    // Whether a page break was the last thing written: the cursor stands in the empty block
    // after it.
    bool atPageBreak() const { return m_pageBroken && betweenLines(); }
    // Where the next text goes.
    int position() const { return m_cursor.position(); }
    int blockPosition() const { return m_cursor.block().position(); }
    // Endnotes: after the text, each note's text as its own paragraphs.
    void appendNotes(const QList<PageStyle::Note>& notes);

private:
    // Enters or leaves a table as the current paragraph asks, before anything is inserted.
    void placeCursor(const RtfState& state);
    // The current paragraph's format, as its current line needs it.
    QTextBlockFormat blockFormat(const RtfState& state) const;
    // The characters' format, raised or lowered as the text asks.
    static QTextCharFormat charFormat(const RtfState& state);
    // The current block's format, set only when it changes.
    void applyBlockFormat(const QTextBlockFormat& format);
    // Ends the current block: the paragraph after it takes `next`.
    void insertBlock(const QTextBlockFormat& next, const RtfState& state);
    void leaveTable();

    QTextDocument* m_document;
    QTextCursor m_cursor;
    QString m_pending;
    bool m_continuation = false; // the current block continues a paragraph after \line
    bool m_breakBefore = false;
    bool m_pageBroken = false;
    QTextBlockFormat m_applied; // what the current block has, when m_appliedValid
    bool m_appliedValid = false;
    int m_listTextStart = -1;
    bool m_labelled = false; // a {\listtext} was read for the current paragraph

    // A table being written, and where in it: the outermost first, then those in its cells.
    struct Level
    {
        std::unique_ptr<RtfTable> table;
        int column;
        bool rowEnded;
        bool cellMoved;
    };
    // Tables in tables in tables, and no deeper.
    static constexpr int MaxNesting = 8;
    static size_t depth(const RtfState& state);
    void moveToCell(Level& level, size_t index);

    std::vector<Level> m_tables;
    std::array<RtfRowDefinition, MaxNesting> m_definitions;
};

} // namespace pagora
