#pragma once

#include "rtf/RtfControlWord.h"
#include "rtf/RtfDocumentBuilder.h"
#include "rtf/RtfFieldInstruction.h"
#include "rtf/RtfFrames.h"
#include "rtf/RtfState.h"

#include <QByteArray>
#include <memory>
#include <vector>

class QTextDocument;

namespace pagora {

class RtfColorTable;
class RtfFontTable;
class RtfNumbering;

// The document's own text: the words that act on it as a whole (code page, default font and
// tab), the fonts and colours its groups choose, its symbols and breaks, and its bytes, kept
// until a control word ends them and then decoded in the code page of their font. What it
// reads goes to the document builder.
class RtfTextDestination
{
public:
    RtfTextDestination(QTextDocument* document, const RtfFontTable& fonts,
                       const RtfColorTable& colors, RtfNumbering& numbering);

    QTextCharFormat defaultCharFormat() const;
    int documentCodePage() const { return m_documentCodePage; }

    void flag(RtfState& state, RtfControlWord::Id id);
    void toggle(RtfState& state, RtfControlWord::Id id, bool on);
    void value(RtfState& state, RtfControlWord::Id id, int parameter);
    void symbol(RtfState& state, RtfControlWord::Id id);
    // \uN: the character, wherever text is read or dropped.
    void unicode(const RtfState& state, int code);
    // Bytes of the text, or \'xx: a double-byte character may be split across both.
    void bytes(const QByteArray& bytes) { m_pendingBytes += bytes; }
    void byte(char byte) { m_pendingBytes += byte; }
    void append(const RtfState& state, const QString& text);
    void paragraphEnd(const RtfState& state);
    void insertImage(const RtfState& state, const QTextImageFormat& image);
    // A {\listtext} group: the label of a list paragraph. A label of nothing but a tab (a
    // level without numbers) is dropped, or it would push the paragraph a tab stop along.
    void listTextStart(const RtfState& state);
    void listTextEnd(const RtfState& state);
    // A header or footer: its text goes into a document of its own until its group ends.
    void partStart(RtfState& state, RtfControlWord::Id id);
    void partEnd(const RtfState& state);
    // A footnote: a part of its own, whose mark is where it stands in the text.
    void noteStart(RtfState& state);
    // A field's instruction, and its result: in a header or footer, the page number and the
    // page count stand in for what the file last showed.
    void fieldStart() { m_field.clear(); }
    void instructionText(const QByteArray& bytes) { m_field.text(bytes); }
    RtfFieldInstruction& field() { return m_field; }
    void fieldResultStart(RtfState& state);
    // The text of a shape or text box: its paragraphs stand where the shape is anchored.
    void shapeTextStart(RtfState& state);

    // Whether the body's text stands at the start of an empty line, outside any table, header
    // or note, with nothing read and not yet written.
    bool betweenLines() const
    {
        return !m_part && !m_inNote && m_pendingBytes.isEmpty() && m_body.betweenLines();
    }
    // Turns pending bytes into text, and pending text into the document.
    void flushBytes(const RtfState& state);
    void flush(const RtfState& state);
    void finish(const RtfState& state);

    // A font of the table was read: when it is the default font, the open groups that chose no
    // font take it.
    void fontCommitted(int number, std::vector<RtfState>& stack) const;

private:
    // \chcbpat, \chcfpat and \chshdng: the characters' background.
    void shade(RtfState& state) const;
    // Where text goes: the header or footer being read, or the document's body.
    RtfDocumentBuilder& builder()
    {
        return m_part ? *m_part : m_frames.current() ? *m_frames.current() : m_body;
    }
    // Text in a positioned frame goes to the frame, and text after it to the body again.
    void settle(const RtfState& s)
    {
        if (!m_part)
            m_frames.builderFor(s, m_body.position(), m_defaultTab);
    }

    QTextDocument* m_document;
    RtfDocumentBuilder m_body;
    std::unique_ptr<RtfDocumentBuilder> m_part;
    RtfFrames m_frames;
    RtfFieldInstruction m_field;
    int m_defaultTab = 720;
    int m_sections = 1;
    bool m_inNote = false;
    int m_notes = 0;
    const RtfFontTable& m_fonts;
    const RtfColorTable& m_colors;
    RtfNumbering& m_numbering;
    QByteArray m_pendingBytes;
    int m_documentCodePage = 1252;
    int m_defaultFont = 0;
    bool m_sectionPending = false;   // a \sect was read, and no text after it yet
    bool m_sectionBreaksPage = true; // the next section starts on a new page
    bool m_pageBrokenBefore = false; // a \page came just before the \sect
};

} // namespace pagora
