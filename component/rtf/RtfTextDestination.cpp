#include "RtfTextDestination.h"

#include "rtf/CodePage.h"
#include "rtf/RtfColorTable.h"
#include "rtf/RtfFontTable.h"
#include "rtf/RtfGroupFormat.h"

#include <algorithm>

namespace pagora {

RtfTextDestination::RtfTextDestination(QTextDocument* document, const RtfFontTable& fonts,
                                       const RtfColorTable& colors)
    : m_builder(document), m_fonts(fonts), m_colors(colors)
{
}

QTextCharFormat RtfTextDestination::defaultCharFormat() const
{
    QTextCharFormat format;
    QStringList families = m_fonts.families(m_defaultFont);
    if (families.isEmpty())
        families << QStringLiteral("serif");
    format.setFontFamilies(families);
    format.setFontPointSize(12);
    return format;
}

void RtfTextDestination::flag(RtfState& s, RtfControlWord::Id id)
{
    using I = RtfControlWord::Id;
    flush(s);
    switch (id) {
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
        s.raise = 0;
        s.shadingBack = s.shadingFore = -1;
        s.shadingPercent = 0;
        return;
    case I::SectionDefaults:
    case I::SectionBreakPage:
        m_sectionBreaksPage = true;
        return;
    case I::SectionBreakNone:
        m_sectionBreaksPage = false;
        return;
    case I::RowDefaults:
        m_builder.rowDefinition().reset();
        return;
    default:
        if (id >= I::CellBorderTop && id <= I::CellAlignBottom)
            m_builder.rowDefinition().flag(id);
        else
            RtfGroupFormat::flag(s, id);
        return;
    }
}

void RtfTextDestination::toggle(RtfState& s, RtfControlWord::Id id, bool on)
{
    flush(s);
    RtfGroupFormat::toggle(s, id, on);
}

void RtfTextDestination::value(RtfState& s, RtfControlWord::Id id, int n)
{
    using I = RtfControlWord::Id;
    flush(s);
    switch (id) {
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
    case I::ShadingBack:
        s.shadingBack = n;
        shade(s);
        return;
    case I::ShadingFore:
        s.shadingFore = n;
        shade(s);
        return;
    case I::Shading:
        s.shadingPercent = std::clamp(n, 0, 10000);
        shade(s);
        return;
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
        m_builder.rowDefinition().value(id, n, m_colors);
        return;
    default:
        RtfGroupFormat::value(s, id, n);
        return;
    }
}

void RtfTextDestination::symbol(RtfState& s, RtfControlWord::Id id)
{
    using I = RtfControlWord::Id;
    switch (id) {
    case I::Paragraph:
        paragraphEnd(s);
        return;
    case I::Section:
        // Whether the next section starts a page is said after this word, by its \sbk.
        paragraphEnd(s);
        m_sectionBreaksPage = true;
        m_sectionPending = true;
        return;
    case I::Line:
        flush(s);
        m_builder.lineBreak(s);
        return;
    case I::Tab:
        append(s, QStringLiteral("\t"));
        return;
    case I::Page:
        flush(s);
        m_builder.pageBreak(s);
        return;
    case I::Cell:
        flush(s);
        m_builder.cellEnd(s);
        return;
    case I::Row:
        flush(s);
        m_builder.rowEnd();
        return;
    default:
        if (const QChar c = RtfGroupFormat::character(id); !c.isNull())
            append(s, QString(c));
        return;
    }
}

void RtfTextDestination::unicode(const RtfState& s, int code)
{
    flushBytes(s);
    if (s.destination == RtfState::Destination::Text)
        m_builder.append(QString(QChar(static_cast<char16_t>(code < 0 ? code + 65536 : code))));
}

void RtfTextDestination::append(const RtfState& s, const QString& text)
{
    if (s.destination != RtfState::Destination::Text)
        return;
    flushBytes(s);
    m_builder.append(text);
}

void RtfTextDestination::paragraphEnd(const RtfState& s)
{
    flush(s);
    m_builder.paragraphEnd(s);
}

void RtfTextDestination::insertImage(const RtfState& s, const QTextImageFormat& image)
{
    m_builder.insertImage(s, image);
}

void RtfTextDestination::flushBytes(const RtfState& s)
{
    if (m_pendingBytes.isEmpty())
        return;
    m_builder.append(
        CodePage::decode(s.codePage ? s.codePage : m_documentCodePage, m_pendingBytes));
    m_pendingBytes.clear();
}

void RtfTextDestination::flush(const RtfState& s)
{
    flushBytes(s);
    if (m_sectionPending && m_builder.hasPending()) {
        m_sectionPending = false;
        if (m_sectionBreaksPage)
            m_builder.breakPageBeforeNext();
    }
    m_builder.flush(s);
}

void RtfTextDestination::shade(RtfState& s) const
{
    // The pattern colour laid over the background colour at the shading's strength.
    const QColor back = m_colors.color(s.shadingBack);
    const QColor fore = m_colors.color(s.shadingFore);
    if (!back.isValid() && s.shadingPercent == 0) {
        s.charFormat.clearBackground();
        return;
    }
    const QColor under = back.isValid() ? back : QColor(Qt::white);
    const QColor over = fore.isValid() ? fore : QColor(Qt::black);
    const double f = s.shadingPercent / 10000.0;
    s.charFormat.setBackground(QColor::fromRgbF(under.redF() * (1 - f) + over.redF() * f,
                                                under.greenF() * (1 - f) + over.greenF() * f,
                                                under.blueF() * (1 - f) + over.blueF() * f));
}

void RtfTextDestination::listTextStart(const RtfState& s)
{
    flush(s);
    m_builder.markListText();
}

void RtfTextDestination::listTextEnd(const RtfState& s)
{
    flush(s);
    m_builder.dropBlankListText();
}

void RtfTextDestination::finish(const RtfState& s)
{
    flushBytes(s);
    m_builder.finish(s);
}

void RtfTextDestination::fontCommitted(int number, std::vector<RtfState>& stack) const
{
    // The font table comes after the text's first groups have opened: those that name no font
    // of their own take the default font now.
    if (number < 0 || number != m_defaultFont)
        return;
    const QTextCharFormat defaults = defaultCharFormat();
    const int page = CodePage::forCharset(m_fonts.font(m_defaultFont).charset);
    for (RtfState& s : stack) {
        if (!s.fontChosen) {
            s.charFormat.setFontFamilies(defaults.fontFamilies().toStringList());
            s.codePage = page;
        }
    }
}

} // namespace pagora
