#include "RtfParser.h"

#include "rtf/CodePage.h"
#include "rtf/RtfGroupFormat.h"

#include <QTextDocument>
#include <QTextFormat>

namespace pagora {

namespace {

// Nested groups beyond this depth are read as skipped: real documents stay far below it, and
// no input can make the reader's state grow without bound.
constexpr size_t MaxDepth = 512;

} // namespace

RtfParser::RtfParser(const QByteArray& data, QTextDocument* document)
    : m_tokens(data), m_document(document), m_builder(document)
{
    RtfState root;
    root.charFormat = defaultCharFormat();
    m_stack.push_back(root);
}

QTextCharFormat RtfParser::defaultCharFormat() const
{
    QTextCharFormat format;
    QStringList families = m_fonts.families(m_defaultFont);
    if (families.isEmpty())
        families << QStringLiteral("serif");
    format.setFontFamilies(families);
    format.setFontPointSize(12);
    return format;
}

int RtfParser::codePage() const
{
    const int page = m_stack.back().codePage;
    return page ? page : m_documentCodePage;
}

void RtfParser::run()
{
    for (;;) {
        const RtfToken token = m_tokens.next();
        switch (token.kind) {
        case RtfToken::Kind::End:
            flushBytes();
            m_builder.finish(state());
            return;
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
    flushBytes();
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
    m_stack.push_back(inner);
    m_starPending = false;
}

void RtfParser::groupEnd()
{
    flushBytes();
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
    if (ending.destination == RtfState::Destination::FontTable)
        fontCommitted(m_fonts.end(m_documentCodePage));
    if (ending.destination == RtfState::Destination::Picture &&
        state().destination != RtfState::Destination::Picture) {
        if (const std::optional<QTextImageFormat> image = m_picture.addTo(m_document))
            m_builder.insertImage(state(), *image);
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
    case '}': {
        const char literal[2] = {c, 0};
        text(QByteArray(literal));
        return;
    }
    case '~':
        append(QString(QChar(0x00A0)));
        return;
    case '-':
        append(QString(QChar(0x00AD)));
        return;
    case '_':
        append(QString(QChar(0x2011)));
        return;
    case '\r':
    case '\n':
        if (state().destination == RtfState::Destination::Text) {
            flush();
            m_builder.paragraphEnd(state());
        }
        return;
    case '\t':
        append(QStringLiteral("\t"));
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
        flushBytes();
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
        if (starred)
            state().destination = RtfState::Destination::Skip;
        return;
    }
    flushBytes();
    switch (word->kind) {
    case RtfControlWord::Kind::Destination:
        destination(*word);
        return;
    case RtfControlWord::Kind::Flag:
        flag(*word);
        return;
    case RtfControlWord::Kind::Toggle:
        toggle(*word, !token.hasParameter || token.parameter != 0);
        return;
    case RtfControlWord::Kind::Value:
        value(*word, token.hasParameter ? token.parameter : 0);
        return;
    case RtfControlWord::Kind::Symbol:
        symbol(*word);
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
    case I::Picture:
        s.destination = D::Picture;
        m_picture.start();
        return;
    case I::Field:
    case I::FieldResult:
    case I::ShapePicture:
    case I::ListText:
    case I::ParagraphNumberText:
    case I::Unicode:
        if (s.destination == D::Drop)
            s.destination = D::Text;
        return;
    case I::UnicodeAlternative:
        s.destination = D::Drop;
        return;
    default:
        s.destination = D::Skip;
        return;
    }
}

void RtfParser::flag(const RtfControlWord& word)
{
    using I = RtfControlWord::Id;
    RtfState& s = state();
    if (s.destination == RtfState::Destination::FontTable) {
        if (word.id == I::FontFamily)
            m_fonts.family(word.name);
        return;
    }
    if (s.destination == RtfState::Destination::Picture) {
        m_picture.flag(word.id);
        return;
    }
    if (s.destination != RtfState::Destination::Text &&
        s.destination != RtfState::Destination::Drop)
        return;
    flush();
    switch (word.id) {
    case I::Ansi:
        m_documentCodePage = 1252;
        return;
    case I::Mac:
        m_documentCodePage = 10000;
        return;
    case I::Pc:
        m_documentCodePage = 437;
        return;
    case I::Pca:
        m_documentCodePage = 850;
        return;
    case I::Plain:
        s.charFormat = defaultCharFormat();
        s.codePage = CodePage::forCharset(m_fonts.font(m_defaultFont).charset);
        s.hidden = false;
        s.fontChosen = false;
        return;
    case I::RowDefaults:
        m_builder.rowDefaults();
        return;
    case I::CellBorder:
        m_builder.cellBorder();
        return;
    default:
        RtfGroupFormat::flag(s, word.id);
        return;
    }
}

void RtfParser::toggle(const RtfControlWord& word, bool on)
{
    RtfState& s = state();
    if (s.destination != RtfState::Destination::Text &&
        s.destination != RtfState::Destination::Drop)
        return;
    flush();
    RtfGroupFormat::toggle(s, word.id, on);
}

void RtfParser::value(const RtfControlWord& word, int n)
{
    using I = RtfControlWord::Id;
    RtfState& s = state();
    switch (s.destination) {
    case RtfState::Destination::FontTable:
        fontCommitted(m_fonts.value(word.id, n, m_documentCodePage));
        return;
    case RtfState::Destination::ColorTable:
        m_colors.value(word.id, n);
        return;
    case RtfState::Destination::Picture:
        m_picture.value(word.id, n);
        return;
    case RtfState::Destination::Text:
    case RtfState::Destination::Drop:
        break;
    default:
        return;
    }

    if (word.id == I::UnicodeChar) {
        flushBytes();
        if (s.destination == RtfState::Destination::Text)
            m_builder.append(QString(QChar(static_cast<char16_t>(n < 0 ? n + 65536 : n))));
        m_unicodePending = s.unicodeSkip;
        return;
    }
    flush();
    switch (word.id) {
    case I::AnsiCodePage:
        m_documentCodePage = n;
        return;
    case I::DefaultFont:
        m_defaultFont = n;
        return;
    case I::DefaultTab:
        if (n > 0)
            m_builder.setDefaultTab(n);
        return;
    case I::Font: {
        const QStringList families = m_fonts.families(n);
        if (!families.isEmpty())
            s.charFormat.setFontFamilies(families);
        s.codePage = CodePage::forCharset(m_fonts.font(n).charset);
        s.fontChosen = true;
        return;
    }
    case I::ForeColor: {
        const QColor c = m_colors.color(n);
        if (c.isValid())
            s.charFormat.setForeground(c);
        else
            s.charFormat.clearForeground();
        return;
    }
    case I::Highlight:
    case I::BackColor: {
        const QColor c = m_colors.color(n);
        if (c.isValid())
            s.charFormat.setBackground(c);
        else
            s.charFormat.clearBackground();
        return;
    }
    case I::CellRight:
        m_builder.cellRight(n);
        return;
    default:
        RtfGroupFormat::value(s, word.id, n);
        return;
    }
}

void RtfParser::symbol(const RtfControlWord& word)
{
    using I = RtfControlWord::Id;
    if (state().destination != RtfState::Destination::Text)
        return;
    switch (word.id) {
    case I::Paragraph:
    case I::Section:
        flush();
        m_builder.paragraphEnd(state());
        return;
    case I::Line:
        flush();
        m_builder.lineBreak(state());
        return;
    case I::Tab:
        append(QStringLiteral("\t"));
        return;
    case I::Page:
        flush();
        m_builder.pageBreak(state());
        return;
    case I::Cell:
        flush();
        m_builder.cellEnd(state());
        return;
    case I::Row:
        flush();
        m_builder.rowEnd();
        return;
    default:
        if (const QChar c = RtfGroupFormat::character(word.id); !c.isNull())
            append(QString(c));
        return;
    }
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
        // Kept with any \'xx bytes before it: a double-byte character may be split across both.
        m_pendingBytes += rest;
        return;
    case RtfState::Destination::FontTable:
        for (int number : m_fonts.text(rest, m_documentCodePage))
            fontCommitted(number);
        return;
    case RtfState::Destination::ColorTable:
        m_colors.text(rest);
        return;
    case RtfState::Destination::Picture:
        m_picture.text(rest);
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
        m_pendingBytes += static_cast<char>(byte);
    else if (state().destination == RtfState::Destination::FontTable)
        m_fonts.byte(static_cast<char>(byte));
}

void RtfParser::flushBytes()
{
    if (m_pendingBytes.isEmpty())
        return;
    m_builder.append(CodePage::decode(codePage(), m_pendingBytes));
    m_pendingBytes.clear();
}

void RtfParser::flush()
{
    flushBytes();
    m_builder.flush(state());
}

void RtfParser::append(const QString& text)
{
    if (state().destination != RtfState::Destination::Text)
        return;
    flushBytes();
    m_builder.append(text);
}

void RtfParser::fontCommitted(int number)
{
    // The font table comes after the text's first groups have opened: those that name no font
    // of their own take the default font now.
    if (number < 0 || number != m_defaultFont)
        return;
    const QTextCharFormat defaults = defaultCharFormat();
    const int page = CodePage::forCharset(m_fonts.font(m_defaultFont).charset);
    for (RtfState& s : m_stack) {
        if (!s.fontChosen) {
            s.charFormat.setFontFamilies(defaults.fontFamilies().toStringList());
            s.codePage = page;
        }
    }
}

} // namespace pagora
