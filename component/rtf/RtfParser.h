#pragma once

#include "rtf/RtfColorTable.h"
#include "rtf/RtfControlWord.h"
#include "rtf/RtfDocumentBuilder.h"
#include "rtf/RtfFontTable.h"
#include "rtf/RtfPicture.h"
#include "rtf/RtfState.h"
#include "rtf/RtfTokenizer.h"

#include <vector>

class QTextDocument;

namespace pagora {

// Reads the tokens of an RTF document group by group, with a state saved at each "{" and
// restored at its "}", and sends each control word through the control-word table to what
// it acts on: the group's state, the font table, the colour table, a picture, or the
// document builder.
class RtfParser
{
public:
    RtfParser(const QByteArray& data, QTextDocument* document);
    void run();

private:
    void groupStart();
    void groupEnd();
    void controlWord(const RtfToken& token);
    void controlSymbol(char symbol);
    void text(const QByteArray& bytes);
    void hexByte(unsigned char byte);

    void destination(const RtfControlWord& word);
    void flag(const RtfControlWord& word);
    void toggle(const RtfControlWord& word, bool on);
    void value(const RtfControlWord& word, int parameter);
    void symbol(const RtfControlWord& word);

    // Turns pending bytes into text, and pending text into the document.
    void flushBytes();
    void flush();
    void append(const QString& text);
    // A font of the table was read: when it is the default font, the groups that chose no font
    // take it.
    void fontCommitted(int number);

    RtfState& state() { return m_stack.back(); }
    QTextCharFormat defaultCharFormat() const;
    int codePage() const;

    RtfTokenizer m_tokens;
    QTextDocument* m_document;
    RtfDocumentBuilder m_builder;
    std::vector<RtfState> m_stack;
    int m_overflowDepth = 0;
    bool m_starPending = false;
    int m_unicodePending = 0; // replacement bytes still to drop after a \u character
    QByteArray m_pendingBytes;

    int m_documentCodePage = 1252;
    int m_defaultFont = 0;
    RtfFontTable m_fonts;
    size_t m_fontTableDepth = 0;
    RtfColorTable m_colors;
    RtfPicture m_picture;
};

} // namespace pagora
