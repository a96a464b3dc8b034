#include "RtfReader.h"

#include "rtf/CodePage.h"

#include <QImage>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

namespace pagora {

namespace {

// Lengths in RTF are twips; a QTextDocument measures in pixels at 96 to the inch, which its
// layout scales to the device it lays out for. A length beyond the largest paper a printer
// takes (22 inches) means nothing, and a line millions of points high keeps the layout busy
// for minutes: lengths are held to that size.
qreal fromTwips(int twips)
{
    constexpr int Largest = 22 * 1440;
    return std::clamp(twips, -Largest, Largest) / 15.0;
}

// A character that no text holds (a Unicode noncharacter).
constexpr QChar LeftTabDelimiter(0xFFFF);

// Nested groups beyond this depth are read as skipped: real documents stay far below it, and
// no input can make the reader's state grow without bound.
constexpr size_t MaxDepth = 512;

QString genericFamily(const QByteArray& word)
{
    if (word == "fmodern")
        return QStringLiteral("monospace");
    if (word == "froman")
        return QStringLiteral("serif");
    if (word == "fswiss")
        return QStringLiteral("sans-serif");
    return {};
}

} // namespace

bool RtfReader::read(const QByteArray& data, QTextDocument* document, QString* error)
{
    qsizetype start = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < data.size() && (data.at(start) == ' ' || data.at(start) == '\t' ||
                                   data.at(start) == '\r' || data.at(start) == '\n'))
        ++start;
    if (data.mid(start, 5) != "{\\rtf") {
        if (error)
            *error = QStringLiteral("not an RTF file");
        return false;
    }
    document->clear();
    RtfReader reader(data.mid(start), document);
    reader.run();
    return true;
}

RtfReader::RtfReader(const QByteArray& data, QTextDocument* document)
    : m_tokens(data), m_document(document), m_cursor(document)
{
    RtfState root;
    root.charFormat = defaultCharFormat();
    m_stack.push_back(root);
}

QTextCharFormat RtfReader::defaultCharFormat() const
{
    QTextCharFormat format;
    const Font font = m_fonts.value(m_defaultFont);
    QStringList families;
    if (!font.name.isEmpty())
        families << font.name;
    if (!font.generic.isEmpty())
        families << font.generic;
    if (families.isEmpty())
        families << QStringLiteral("serif");
    format.setFontFamilies(families);
    format.setFontPointSize(12);
    return format;
}

int RtfReader::codePage() const
{
    const int page = m_stack.back().codePage;
    return page ? page : m_documentCodePage;
}

QColor RtfReader::color(int index) const
{
    return index >= 0 && index < m_colors.size() ? m_colors.at(index) : QColor();
}

void RtfReader::run()
{
    for (;;) {
        const RtfToken token = m_tokens.next();
        switch (token.kind) {
        case RtfToken::Kind::End:
            flush();
            m_cursor.setBlockFormat(blockFormat());
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

void RtfReader::groupStart()
{
    flushBytes();
    m_unicodePending = 0;
    if (m_overflowDepth > 0 || m_stack.size() >= MaxDepth) {
        ++m_overflowDepth;
        return;
    }
    flush();
    RtfState inner = state();
    if (inner.destination == RtfState::Destination::FontTable &&
        m_stack.size() == m_fontTableDepth) {
        // Each font of the table may stand in a group of its own.
        m_font = Font();
        m_fontNameBytes.clear();
    }
    m_stack.push_back(inner);
    m_starPending = false;
}

void RtfReader::groupEnd()
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
    if (ending.destination == RtfState::Destination::FontTable &&
        (!m_fontNameBytes.isEmpty() || !m_font.name.isEmpty()))
        commitFont();
    if (ending.destination == RtfState::Destination::Picture &&
        state().destination != RtfState::Destination::Picture)
        insertPicture();
}

void RtfReader::controlSymbol(char c)
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
        if (state().destination == RtfState::Destination::Text)
            paragraphEnd();
        return;
    case '\t':
        append(QStringLiteral("\t"));
        return;
    default:
        return;
    }
}

void RtfReader::controlWord(const RtfToken& token)
{
    const RtfControlWord* word = RtfControlWord::find(token.word);
    // Binary data must be stepped over wherever it stands, or its bytes would be read as RTF.
    if (word && word->id == RtfControlWord::Id::Binary) {
        flushBytes();
        if (m_overflowDepth == 0 && state().destination == RtfState::Destination::Picture) {
            m_pictureData += m_tokens.takeBytes(token.parameter);
            m_pictureBinary = true;
        } else {
            m_tokens.skipBytes(token.parameter);
        }
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

void RtfReader::destination(const RtfControlWord& word)
{
    using I = RtfControlWord::Id;
    using D = RtfState::Destination;
    flush();
    RtfState& s = state();
    switch (word.id) {
    case I::FontTable:
        s.destination = D::FontTable;
        m_fontTableDepth = m_stack.size();
        m_font = Font();
        m_fontNameBytes.clear();
        return;
    case I::ColorTable:
        s.destination = D::ColorTable;
        m_colors.clear();
        m_colorSet = false;
        return;
    case I::Picture:
        s.destination = D::Picture;
        m_pictureKind = PictureKind::None;
        m_pictureData.clear();
        m_pictureBinary = false;
        m_pictureGoalWidth = m_pictureGoalHeight = 0;
        m_pictureScaleX = m_pictureScaleY = 100;
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

void RtfReader::flag(const RtfControlWord& word)
{
    using I = RtfControlWord::Id;
    RtfState& s = state();
    if (s.destination == RtfState::Destination::FontTable) {
        if (word.id == I::FontFamily)
            m_font.generic = genericFamily(word.name);
        return;
    }
    if (s.destination == RtfState::Destination::Picture) {
        if (word.id == I::Png)
            m_pictureKind = PictureKind::Png;
        else if (word.id == I::Jpeg)
            m_pictureKind = PictureKind::Jpeg;
        else if (word.id == I::OtherPicture)
            m_pictureKind = PictureKind::Other;
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
        s.codePage = CodePage::forCharset(m_fonts.value(m_defaultFont).charset);
        s.hidden = false;
        s.fontChosen = false;
        return;
    case I::UnderlineNone:
        s.charFormat.setFontUnderline(false);
        return;
    case I::Superscript:
        s.charFormat.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        return;
    case I::Subscript:
        s.charFormat.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        return;
    case I::NoSuperSub:
        s.charFormat.setVerticalAlignment(QTextCharFormat::AlignNormal);
        return;
    case I::ParagraphDefault:
        s.blockFormat = QTextBlockFormat();
        s.inTable = false;
        s.nextTabType = QTextOption::LeftTab;
        return;
    case I::AlignLeft:
        s.blockFormat.setAlignment(Qt::AlignLeft);
        return;
    case I::AlignCenter:
        s.blockFormat.setAlignment(Qt::AlignHCenter);
        return;
    case I::AlignRight:
        s.blockFormat.setAlignment(Qt::AlignRight);
        return;
    case I::AlignJustify:
        s.blockFormat.setAlignment(Qt::AlignJustify);
        return;
    case I::TabRight:
        s.nextTabType = QTextOption::RightTab;
        return;
    case I::TabCenter:
        s.nextTabType = QTextOption::CenterTab;
        return;
    case I::TabDecimal:
        s.nextTabType = QTextOption::DelimiterTab;
        return;
    case I::InTable:
        s.inTable = true;
        return;
    case I::KeepTogether:
        s.blockFormat.setNonBreakableLines(true);
        return;
    case I::PageBreakBefore:
        s.blockFormat.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        return;
    case I::RowDefaults:
        m_cellRights.clear();
        m_cellBorders = false;
        return;
    case I::CellBorder:
        m_cellBorders = true;
        return;
    default:
        return;
    }
}

void RtfReader::toggle(const RtfControlWord& word, bool on)
{
    using I = RtfControlWord::Id;
    RtfState& s = state();
    if (s.destination != RtfState::Destination::Text &&
        s.destination != RtfState::Destination::Drop)
        return;
    flush();
    switch (word.id) {
    case I::Bold:
        s.charFormat.setFontWeight(on ? QFont::Bold : QFont::Normal);
        return;
    case I::Italic:
        s.charFormat.setFontItalic(on);
        return;
    case I::Underline:
        s.charFormat.setFontUnderline(on);
        return;
    case I::Strike:
        s.charFormat.setFontStrikeOut(on);
        return;
    case I::Hidden:
        s.hidden = on;
        return;
    default:
        return;
    }
}

void RtfReader::value(const RtfControlWord& word, int n)
{
    using I = RtfControlWord::Id;
    RtfState& s = state();
    switch (s.destination) {
    case RtfState::Destination::FontTable:
        if (word.id == I::Font) {
            if (!m_fontNameBytes.isEmpty() || !m_font.name.isEmpty())
                commitFont();
            m_fontNumber = n;
        } else if (word.id == I::FontCharset) {
            m_font.charset = n;
        }
        return;
    case RtfState::Destination::ColorTable:
        if (word.id == I::Red)
            m_red = std::clamp(n, 0, 255);
        else if (word.id == I::Green)
            m_green = std::clamp(n, 0, 255);
        else if (word.id == I::Blue)
            m_blue = std::clamp(n, 0, 255);
        m_colorSet = true;
        return;
    case RtfState::Destination::Picture:
        switch (word.id) {
        case I::PictureGoalWidth:
            m_pictureGoalWidth = n;
            break;
        case I::PictureGoalHeight:
            m_pictureGoalHeight = n;
            break;
        case I::PictureScaleX:
            m_pictureScaleX = n;
            break;
        case I::PictureScaleY:
            m_pictureScaleY = n;
            break;
        default:
            break;
        }
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
            m_pending += QChar(static_cast<char16_t>(n < 0 ? n + 65536 : n));
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
        if (n > 0) {
            QTextOption option = m_document->defaultTextOption();
            option.setTabStopDistance(fromTwips(n));
            m_document->setDefaultTextOption(option);
        }
        return;
    case I::UnicodeSkip:
        s.unicodeSkip = std::clamp(n, 0, 16);
        return;
    case I::FontSize:
        if (n > 0)
            s.charFormat.setFontPointSize(std::min(n, 3276) / 2.0);
        return;
    case I::Font: {
        const Font font = m_fonts.value(n);
        QStringList families;
        if (!font.name.isEmpty())
            families << font.name;
        if (!font.generic.isEmpty())
            families << font.generic;
        if (!families.isEmpty())
            s.charFormat.setFontFamilies(families);
        s.codePage = CodePage::forCharset(font.charset);
        s.fontChosen = true;
        return;
    }
    case I::ForeColor: {
        const QColor c = color(n);
        if (c.isValid())
            s.charFormat.setForeground(c);
        else
            s.charFormat.clearForeground();
        return;
    }
    case I::Highlight:
    case I::BackColor: {
        const QColor c = color(n);
        if (c.isValid())
            s.charFormat.setBackground(c);
        else
            s.charFormat.clearBackground();
        return;
    }
    case I::LeftIndent:
        s.blockFormat.setLeftMargin(fromTwips(n));
        return;
    case I::RightIndent:
        s.blockFormat.setRightMargin(fromTwips(n));
        return;
    case I::FirstIndent:
        s.blockFormat.setTextIndent(fromTwips(n));
        return;
    case I::SpaceBefore:
        s.blockFormat.setTopMargin(fromTwips(n));
        return;
    case I::SpaceAfter:
        s.blockFormat.setBottomMargin(fromTwips(n));
        return;
    case I::LineSpacing:
        if (n == 0)
            s.blockFormat.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
        else if (n > 0)
            s.blockFormat.setLineHeight(fromTwips(n), QTextBlockFormat::MinimumHeight);
        else
            s.blockFormat.setLineHeight(fromTwips(-n), QTextBlockFormat::FixedHeight);
        return;
    case I::LineSpacingMultiple:
        if (n == 1 && s.blockFormat.lineHeightType() == QTextBlockFormat::MinimumHeight) {
            // \slN\slmult1: N is in 240ths of a single line.
            const qreal twips = s.blockFormat.lineHeight() * 15.0;
            s.blockFormat.setLineHeight(std::clamp(twips / 240.0 * 100.0, 10.0, 1000.0),
                                        QTextBlockFormat::ProportionalHeight);
        }
        return;
    case I::TabStop: {
        QList<QTextOption::Tab> tabs = s.blockFormat.tabPositions();
        QTextOption::Tab tab(fromTwips(n), s.nextTabType);
        if (s.nextTabType == QTextOption::DelimiterTab) {
            tab.delimiter = QLatin1Char('.');
        } else if (s.nextTabType == QTextOption::LeftTab) {
            // Qt measures, for every left tab, all the text up to the paragraph's end and then
            // does not use the result: a report of a hundred pages in one paragraph takes
            // minutes. A delimiter tab whose delimiter never occurs stops exactly where a left
            // tab does, without that measuring.
            tab.type = QTextOption::DelimiterTab;
            tab.delimiter = LeftTabDelimiter;
        }
        tabs << tab;
        s.blockFormat.setTabPositions(tabs);
        s.nextTabType = QTextOption::LeftTab;
        return;
    }
    case I::CellRight:
        m_cellRights << n;
        return;
    default:
        return;
    }
}

void RtfReader::symbol(const RtfControlWord& word)
{
    using I = RtfControlWord::Id;
    if (state().destination != RtfState::Destination::Text)
        return;
    switch (word.id) {
    case I::Paragraph:
    case I::Section:
        paragraphEnd();
        return;
    case I::Line:
        lineBreak();
        return;
    case I::Tab:
        append(QStringLiteral("\t"));
        return;
    case I::Page:
        pageBreak();
        return;
    case I::Cell:
        cellEnd();
        return;
    case I::Row:
        rowEnd();
        return;
    case I::EmDash:
        append(QString(QChar(0x2014)));
        return;
    case I::EnDash:
        append(QString(QChar(0x2013)));
        return;
    case I::Bullet:
        append(QString(QChar(0x2022)));
        return;
    case I::LeftQuote:
        append(QString(QChar(0x2018)));
        return;
    case I::RightQuote:
        append(QString(QChar(0x2019)));
        return;
    case I::LeftDoubleQuote:
        append(QString(QChar(0x201C)));
        return;
    case I::RightDoubleQuote:
        append(QString(QChar(0x201D)));
        return;
    case I::EmSpace:
        append(QString(QChar(0x2003)));
        return;
    case I::EnSpace:
        append(QString(QChar(0x2002)));
        return;
    default:
        return;
    }
}

void RtfReader::text(const QByteArray& bytes)
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
        for (char c : rest) {
            if (c == ';')
                commitFont();
            else
                m_fontNameBytes += c;
        }
        return;
    case RtfState::Destination::ColorTable:
        for (char c : rest) {
            if (c == ';')
                commitColor();
        }
        return;
    case RtfState::Destination::Picture:
        if (!m_pictureBinary)
            m_pictureData += rest;
        return;
    default:
        return;
    }
}

void RtfReader::hexByte(unsigned char byte)
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
        m_fontNameBytes += static_cast<char>(byte);
}

void RtfReader::flushBytes()
{
    if (m_pendingBytes.isEmpty())
        return;
    m_pending += CodePage::decode(codePage(), m_pendingBytes);
    m_pendingBytes.clear();
}

void RtfReader::flush()
{
    flushBytes();
    if (m_pending.isEmpty())
        return;
    const QString text = m_pending;
    m_pending.clear();
    if (state().hidden)
        return;
    placeCursor();
    m_cursor.setBlockFormat(blockFormat());
    m_cursor.insertText(text, state().charFormat);
}

void RtfReader::append(const QString& text)
{
    if (state().destination != RtfState::Destination::Text)
        return;
    flushBytes();
    m_pending += text;
}

QTextBlockFormat RtfReader::blockFormat() const
{
    QTextBlockFormat format = m_stack.back().blockFormat;
    if (m_continuation) {
        // A line after a line break: no space above it, no first-line indent.
        format.setTopMargin(0);
        format.setTextIndent(0);
        format.setPageBreakPolicy(format.pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysBefore);
    }
    return format;
}

void RtfReader::lineBreak()
{
    // Each line of a paragraph becomes a block of its own, with no space between them. Qt lays
    // out one block's lines in quadratic time, and a report's table is one paragraph of
    // thousands of lines.
    flush();
    placeCursor();
    QTextBlockFormat ending = blockFormat();
    ending.setBottomMargin(0);
    m_cursor.setBlockFormat(ending);
    m_continuation = true;
    m_cursor.insertBlock(blockFormat(), state().charFormat);
}

void RtfReader::paragraphEnd()
{
    flush();
    placeCursor();
    m_cursor.setBlockFormat(blockFormat());
    m_continuation = false;
    m_cursor.insertBlock(state().blockFormat, state().charFormat);
}

void RtfReader::pageBreak()
{
    flush();
    placeCursor();
    QTextBlockFormat breaking = blockFormat();
    breaking.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
    m_cursor.setBlockFormat(breaking);
    m_continuation = false;
    m_cursor.insertBlock(state().blockFormat, state().charFormat);
}

void RtfReader::placeCursor()
{
    if (!state().inTable) {
        if (m_table) {
            // The paragraph after the last row: out of the table.
            m_cursor = m_table->lastCursorPosition();
            m_cursor.movePosition(QTextCursor::NextBlock);
            m_table = nullptr;
        }
        return;
    }
    if (!m_table) {
        QTextTableFormat format;
        format.setBorder(m_cellBorders ? 0.5 : 0);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellPadding(fromTwips(108));
        format.setCellSpacing(0);
        QList<QTextLength> widths;
        int left = 0;
        for (int right : std::as_const(m_cellRights)) {
            widths << QTextLength(QTextLength::FixedLength, fromTwips(std::max(right - left, 1)));
            left = std::max(left, right);
        }
        if (!widths.isEmpty())
            format.setColumnWidthConstraints(widths);
        const int columns = std::max<int>(1, static_cast<int>(m_cellRights.size()));
        m_table = m_cursor.insertTable(1, columns, format);
        m_row = 0;
        m_column = 0;
        m_rowEnded = false;
        m_cellMoved = false;
        m_cursor = m_table->cellAt(0, 0).firstCursorPosition();
        return;
    }
    if (m_rowEnded) {
        if (m_row >= m_table->rows())
            m_table->appendRows(m_row - m_table->rows() + 1);
        m_rowEnded = false;
        m_cellMoved = true;
    }
    if (m_cellMoved) {
        // Rows may have more cells than the first one defined.
        if (m_column >= m_table->columns())
            m_table->appendColumns(m_column - m_table->columns() + 1);
        const QTextTableCell cell = m_table->cellAt(m_row, m_column);
        m_cellMoved = false;
        if (!cell.isValid()) {
            // Not a place this table has: the text goes on after it.
            m_cursor = m_table->lastCursorPosition();
            m_cursor.movePosition(QTextCursor::NextBlock);
            m_table = nullptr;
            return;
        }
        m_cursor = cell.firstCursorPosition();
    }
}

void RtfReader::cellEnd()
{
    flush();
    state().inTable = true; // a \cell always belongs to a table row
    placeCursor();
    m_cursor.setBlockFormat(blockFormat());
    m_continuation = false;
    ++m_column;
    m_cellMoved = true;
}

void RtfReader::rowEnd()
{
    flush();
    // A row end right after another one ends no row: no empty rows.
    if (!m_table || m_rowEnded)
        return;
    ++m_row;
    m_column = 0;
    m_rowEnded = true;
    m_cellMoved = false;
}

void RtfReader::commitFont()
{
    QByteArray name = m_fontNameBytes.trimmed();
    const int page = CodePage::forCharset(m_font.charset);
    m_font.name = CodePage::decode(page ? page : m_documentCodePage, name).trimmed();
    m_fonts.insert(m_fontNumber, m_font);
    m_font = Font();
    m_fontNameBytes.clear();
    // The font table comes after the text's first groups have opened: those that name no font
    // of their own take the default font now.
    if (m_fontNumber == m_defaultFont) {
        const QTextCharFormat defaults = defaultCharFormat();
        const int page = CodePage::forCharset(m_fonts.value(m_defaultFont).charset);
        for (RtfState& s : m_stack) {
            if (!s.fontChosen) {
                s.charFormat.setFontFamilies(defaults.fontFamilies().toStringList());
                s.codePage = page;
            }
        }
    }
}

void RtfReader::commitColor()
{
    m_colors << (m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
    m_red = m_green = m_blue = 0;
    m_colorSet = false;
}

void RtfReader::insertPicture()
{
    if (m_pictureKind != PictureKind::Png && m_pictureKind != PictureKind::Jpeg)
        return;
    QByteArray bytes;
    if (m_pictureBinary) {
        bytes = m_pictureData;
    } else {
        bytes.reserve(m_pictureData.size() / 2);
        int high = -1;
        for (char c : std::as_const(m_pictureData)) {
            const int v = RtfTokenizer::hexDigit(c);
            if (v < 0)
                continue;
            if (high < 0) {
                high = v;
            } else {
                bytes += static_cast<char>(high * 16 + v);
                high = -1;
            }
        }
    }
    QImage image;
    if (!image.loadFromData(bytes, m_pictureKind == PictureKind::Png ? "PNG" : "JPEG"))
        return;
    const QString name = QStringLiteral("pagora-picture-%1").arg(++m_pictures);
    m_document->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    qreal width = m_pictureGoalWidth > 0 ? fromTwips(m_pictureGoalWidth) : image.width();
    qreal height = m_pictureGoalHeight > 0 ? fromTwips(m_pictureGoalHeight) : image.height();
    width *= std::clamp(m_pictureScaleX, 1, 1000) / 100.0;
    height *= std::clamp(m_pictureScaleY, 1, 1000) / 100.0;
    format.setWidth(width);
    format.setHeight(height);
    placeCursor();
    m_cursor.insertImage(format);
}

} // namespace pagora
