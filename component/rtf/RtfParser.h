#pragma once

#include "rtf/RtfColorTable.h"
#include "rtf/RtfControlWord.h"
#include "rtf/RtfFontTable.h"
#include "rtf/RtfNumbering.h"
#include "rtf/RtfPicture.h"
#include "rtf/RtfState.h"
#include "rtf/RtfStyleSheet.h"
#include "rtf/RtfTextDestination.h"
#include "rtf/RtfTokenizer.h"

#include <vector>

class QTextDocument;

namespace pagora {

// Reads the tokens of an RTF document group by group, with a state saved at each "{" and
// restored at its "}", and sends each control word through the control-word table to what
// it acts on: the font table, the colour table, a picture, or the text.
class RtfParser
{
public:
    // `forLayout`: fonts are named as the layout looks them up fastest, in lower case.
    RtfParser(const QByteArray& data, QTextDocument* document, bool forLayout = false);
    void run();
    // Reads until `offset` bytes are read and the text stands between two lines, outside any
    // table, header or note: what is written so far stays as it is. False once the end is
    // read.
    bool readUntil(qsizetype offset);

private:
    void groupStart();
    void groupEnd();
    void controlWord(const RtfToken& token);
    void controlSymbol(char symbol);
    void text(const QByteArray& bytes);
    void hexByte(unsigned char byte);

    // A known word, by its kind.
    void act(const RtfControlWord& word, bool hasParameter, int parameter);
    void destination(const RtfControlWord& word);
    void flag(const RtfControlWord& word);
    void value(const RtfControlWord& word, int parameter);
    void symbol(const RtfControlWord& word);
    // \sN or \csN in the text: the style's words, as if the text wrote them there.
    void applyStyle(int number, bool character);

    void flush() { m_text.flush(state()); }
    RtfState& state() { return m_stack.back(); }

    RtfTokenizer m_tokens;
    QTextDocument* m_document;
    std::vector<RtfState> m_stack;
    int m_overflowDepth = 0;
    bool m_starPending = false;
    int m_unicodePending = 0; // replacement bytes still to drop after a \u character

    RtfFontTable m_fonts;
    size_t m_fontTableDepth = 0;
    RtfColorTable m_colors;
    RtfNumbering m_numbering;
    RtfStyleSheet m_styles;
    size_t m_styleSheetDepth = 0;
    RtfPicture m_picture;
    RtfTextDestination m_text;
};

} // namespace pagora
