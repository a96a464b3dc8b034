#include "RtfParser.h"

#include "rtf/RtfMath.h"
#include "rtf/RtfTextGroups.h"

#include <QTextDocument>
#include <limits>

namespace pagora {

namespace {

// Nested groups beyond this depth are read as skipped: real documents stay far below it, and
// no input can make the reader's state grow without bound.
constexpr size_t MaxDepth = 512;

} // namespace

RtfParser::RtfParser(const QByteArray& data, QTextDocument* document, bool forLayout)
    : m_tokens(data), m_document(document), m_fonts(forLayout),
      m_text(document, m_fonts, m_colors, m_numbering)
{
    RtfState root;
    root.charFormat = m_text.defaultCharFormat();
    m_stack.push_back(root);
}

void RtfParser::run()
{
    while (readUntil(std::numeric_limits<qsizetype>::max())) {
    }
}

bool RtfParser::readUntil(qsizetype offset)
{
    for (;;) {
        if (m_tokens.position() >= offset && m_stack.size() > 1 && m_text.betweenLines())
            return true;
        const RtfToken token = m_tokens.next();
        switch (token.kind) {
        case RtfToken::Kind::End:
            m_text.finish(state());
            return false;
        case RtfToken::Kind::GroupStart:
            groupStart();
            break;
        case RtfToken::Kind::GroupEnd:
            groupEnd();
            break;
        case RtfToken::Kind::ControlWord:
            controlWord(token);
            break;
        case RtfToken::Kind::ControlSymbol:
            controlSymbol(token.symbol);
            break;
        case RtfToken::Kind::HexByte:
            hexByte(token.byte);
            break;
        case RtfToken::Kind::Text:
            text(token.text);
            break;
        }
    }
}

void RtfParser::groupStart()
{
    m_text.flushBytes(state());
    m_unicodePending = 0;
    if (m_overflowDepth > 0 || m_stack.size() >= MaxDepth) {
        ++m_overflowDepth;
        return;
    }
    flush();
    RtfState inner = state();
    // Each font of the table may stand in a group of its own.
    if (inner.destination == RtfState::Destination::FontTable && m_stack.size() == m_fontTableDepth)
        m_fonts.startEntry();
    if (inner.destination == RtfState::Destination::StyleSheet &&
        m_stack.size() == m_styleSheetDepth)
        m_styles.startEntry();
    m_stack.push_back(inner);
    m_starPending = false;
}

void RtfParser::groupEnd()
{
    m_text.flushBytes(state());
    m_unicodePending = 0;
    m_starPending = false;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.size() <= 1)
        return; // a stray closing brace
    flush();
    const RtfState ending = state();
    m_stack.pop_back();
    if (ending.listText && !state().listText)
        m_text.listTextEnd(state());
    if (ending.part && !state().part)
        m_text.partEnd(ending);
    if (ending.destination == RtfState::Destination::StyleSheet)
        m_styles.endEntry();
    if (ending.destination == RtfState::Destination::Numbering)
        state().numbered = state().destination != RtfState::Destination::Numbering;
    if (ending.destination == RtfState::Destination::FontTable)
        m_text.fontCommitted(m_fonts.end(m_text.documentCodePage()), m_stack);
    if (ending.destination == RtfState::Destination::Picture &&
        state().destination != RtfState::Destination::Picture) {
        if (const std::optional<QTextImageFormat> image = m_picture.addTo(m_document))
            m_text.insertImage(state(), *image);
    }
}

void RtfParser::controlSymbol(char c)
{
    if (m_overflowDepth > 0 || state().destination == RtfState::Destination::Skip)
        return;
    if (m_unicodePending > 0) {
        --m_unicodePending;
        return;
    }
    switch (c) {
    case '*':
        m_starPending = true;
        return;
    case '\\':
    case '{':
    case '}':
        text(QByteArray(1, c));
        return;
    case '~': // a no-break space, an optional hyphen, a no-break hyphen
    case '-':
    case '_':
    case '\t':
        m_text.append(state(), QString(QChar(c == '~'   ? 0x00A0
                                             : c == '-' ? 0x00AD
                                             : c == '_' ? 0x2011
                                                        : '\t')));
        return;
    case '\r':
    case '\n':
        if (state().destination == RtfState::Destination::Text)
            m_text.paragraphEnd(state());
        return;
    default:
        return;
    }
}

void RtfParser::controlWord(const RtfToken& token)
{
    const RtfControlWord* word = RtfControlWord::find(token.word);
    // Binary data must be stepped over wherever it stands, or its bytes would be read as RTF.
    if (word && word->id == RtfControlWord::Id::Binary) {
        m_text.flushBytes(state());
        if (m_overflowDepth == 0 && state().destination == RtfState::Destination::Picture)
            m_picture.binary(m_tokens.takeBytes(token.parameter));
        else
            m_tokens.skipBytes(token.parameter);
        return;
    }
    if (m_overflowDepth > 0 || state().destination == RtfState::Destination::Skip)
        return;
    if (m_unicodePending > 0) {
        --m_unicodePending;
        return;
    }
    const bool starred = m_starPending;
    m_starPending = false;
    if (!word) {
        // An unknown destination marked as ignorable is dropped with its whole group.
        if (starred || state().math)
            state().destination = RtfMath::open(state(), token.word, starred);
        return;
    }
    m_text.flushBytes(state());
    if (m_styles.takes(state(), *word, token.hasParameter, token.parameter))
        return;
    act(*word, token.hasParameter, token.parameter);
}

void RtfParser::act(const RtfControlWord& word, bool hasParameter, int parameter)
{
    switch (word.kind) {
    case RtfControlWord::Kind::Destination:
        destination(word);
        return;
    case RtfControlWord::Kind::Flag:
        flag(word);
        return;
    case RtfControlWord::Kind::Toggle:
        if (state().destination == RtfState::Destination::Text ||
            state().destination == RtfState::Destination::Drop)
            m_text.toggle(state(), word.id, !hasParameter || parameter != 0);
        return;
    case RtfControlWord::Kind::Value:
        value(word, hasParameter ? parameter : 0);
        return;
    case RtfControlWord::Kind::Symbol:
        symbol(word);
        return;
    }
}

void RtfParser::destination(const RtfControlWord& word)
{
    using I = RtfControlWord::Id;
    using D = RtfState::Destination;
    flush();
    RtfState& s = state();
    switch (word.id) {
    case I::FontTable:
        s.destination = D::FontTable;
        m_fontTableDepth = m_stack.size();
        m_fonts.startEntry();
        return;
    case I::ColorTable:
        s.destination = D::ColorTable;
        m_colors.start();
        return;
    case I::StyleSheet:
        s.destination = D::StyleSheet;
        m_styleSheetDepth = m_stack.size();
        m_styles.startEntry();
        return;
    case I::ListTable:
    case I::ListOverrideTable:
        s.destination = D::Lists;
        s.listPart = RtfState::ListPart::Table;
        return;
    case I::ParagraphNumber:
        m_numbering.startParagraphNumber(s);
        return;
    case I::Picture:
        // A shape's fill or line picture, or one in a field's instruction, is no picture of
        // the text.
        if (s.destination == D::Drop || s.destination == D::FieldInstruction) {
            s.destination = D::Skip;
            return;
        }
        s.destination = D::Picture;
        m_picture.start();
        return;
    default:
        if (s.destination == D::Lists || s.destination == D::Numbering)
            m_numbering.open(s, word.id);
        else if (!RtfTextGroups::open(s, word.id, m_text))
            s.destination = D::Skip;
        return;
    }
}

void RtfParser::flag(const RtfControlWord& word)
{
    RtfState& s = state();
    switch (s.destination) {
    case RtfState::Destination::FontTable:
        if (word.id == RtfControlWord::Id::FontFamily)
            m_fonts.family(word.name);
        return;
    case RtfState::Destination::Picture:
        m_picture.flag(word.id);
        return;
    case RtfState::Destination::Lists:
    case RtfState::Destination::Numbering:
        m_numbering.word(s, word.id, 0);
        return;
    case RtfState::Destination::Text:
    case RtfState::Destination::Drop:
        m_text.flag(s, word.id);
        return;
    default:
        return;
    }
}

void RtfParser::value(const RtfControlWord& word, int n)
{
    RtfState& s = state();
    switch (s.destination) {
    case RtfState::Destination::FontTable:
        m_text.fontCommitted(m_fonts.value(word.id, n, m_text.documentCodePage()), m_stack);
        return;
    case RtfState::Destination::ColorTable:
        m_colors.value(word.id, n);
        return;
    case RtfState::Destination::Picture:
        m_picture.value(word.id, n);
        return;
    case RtfState::Destination::FieldInstruction:
        m_text.field().value(word.id, n);
        return;
    case RtfState::Destination::Lists:
    case RtfState::Destination::Numbering:
        if (word.id == RtfControlWord::Id::UnicodeChar) {
            m_numbering.character(s, QChar(static_cast<char16_t>(n < 0 ? n + 65536 : n)));
            m_unicodePending = s.unicodeSkip;
        } else {
            m_numbering.word(s, word.id, n);
        }
        return;
    case RtfState::Destination::Text:
    case RtfState::Destination::Drop:
        if (word.id == RtfControlWord::Id::UnicodeChar) {
            m_text.unicode(s, n);
            m_unicodePending = s.unicodeSkip;
        } else if (word.id == RtfControlWord::Id::Style ||
                   word.id == RtfControlWord::Id::CharacterStyle) {
            applyStyle(n, word.id == RtfControlWord::Id::CharacterStyle);
        } else {
            m_text.value(s, word.id, n);
        }
        return;
    default:
        return;
    }
}

void RtfParser::applyStyle(int number, bool character)
{
    // A style holds formatting words only: no destination or symbol comes back here.
    for (const RtfStyleSheet::Word& w : m_styles.wordsOf(number, character))
        act(*w.word, w.hasParameter, w.parameter);
}

void RtfParser::symbol(const RtfControlWord& word)
{
    const RtfState::Destination d = state().destination;
    if (d == RtfState::Destination::Text ||
        (d == RtfState::Destination::Drop && word.id == RtfControlWord::Id::Row))
        m_text.symbol(state(), word.id);
}

void RtfParser::text(const QByteArray& bytes)
{
    if (m_overflowDepth > 0 || bytes.isEmpty())
        return;
    QByteArray rest = bytes;
    if (m_unicodePending > 0) {
        const int drop = std::min<int>(m_unicodePending, static_cast<int>(rest.size()));
        rest.remove(0, drop);
        m_unicodePending -= drop;
        if (rest.isEmpty())
            return;
    }
    m_starPending = false;
    switch (state().destination) {
    case RtfState::Destination::Text:
        m_text.bytes(rest);
        return;
    case RtfState::Destination::FontTable:
        for (int number : m_fonts.text(rest, m_text.documentCodePage()))
            m_text.fontCommitted(number, m_stack);
        return;
    case RtfState::Destination::ColorTable:
        m_colors.text(rest);
        return;
    case RtfState::Destination::FieldInstruction:
        m_text.instructionText(rest);
        return;
    case RtfState::Destination::Picture:
        m_picture.text(rest);
        return;
    case RtfState::Destination::Lists:
    case RtfState::Destination::Numbering:
        m_numbering.bytes(state(), rest, m_text.documentCodePage());
        return;
    case RtfState::Destination::StyleSheet:
        if (rest.contains(';'))
            m_styles.endEntry();
        return;
    default:
        return;
    }
}

void RtfParser::hexByte(unsigned char byte)
{
    if (m_overflowDepth > 0)
        return;
    if (m_unicodePending > 0) {
        --m_unicodePending;
        return;
    }
    if (state().destination == RtfState::Destination::Text)
        m_text.byte(static_cast<char>(byte));
    else if (state().destination == RtfState::Destination::FontTable)
        m_fonts.byte(static_cast<char>(byte));
    else if (state().destination == RtfState::Destination::Lists ||
             state().destination == RtfState::Destination::Numbering)
        m_numbering.bytes(state(), QByteArray(1, char(byte)), m_text.documentCodePage());
}

} // namespace pagora
