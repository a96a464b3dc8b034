#include "RtfTextDestination.h"

#include "document/PageStyle.h"
#include "rtf/CodePage.h"
#include "rtf/RtfColorTable.h"
#include "rtf/RtfFontTable.h"
#include "rtf/RtfGroupFormat.h"
#include "rtf/RtfNumbering.h"
#include "rtf/RtfPageSetup.h"

#include <algorithm>

namespace pagora {

RtfTextDestination::RtfTextDestination(QTextDocument* document, const RtfFontTable& fonts,
                                       const RtfColorTable& colors, RtfNumbering& numbering)
    : m_document(document), m_body(document), m_frames(document), m_fonts(fonts), m_colors(colors),
      m_numbering(numbering)
{
}

QTextCharFormat RtfTextDestination::defaultCharFormat() const
{
    return m_fonts.defaultFormat(m_defaultFont);
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
        builder().rowDefinition(s).reset();
        return;
    default:
        if (RtfPageSetup::flag(m_document, id, m_sections))
            return;
        if (id >= I::CellBorderTop && id <= I::CellAlignBottom)
            builder().rowDefinition(s).flag(id);
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
        if (n > 0) {
            m_defaultTab = n;
            builder().setDefaultTab(n);
        }
        return;
    case I::Font: {
        m_fonts.applyTo(s.charFormat, n);
        s.codePage = CodePage::forCharset(m_fonts.font(n).charset);
        s.fontChosen = true;
        return;
    }
    case I::ForeColor:
        m_colors.foreground(s.charFormat, n);
        return;
    case I::Highlight:
    case I::BackColor:
        m_colors.background(s.charFormat, n);
        return;
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
    default:
        if (RtfPageSetup::value(m_document, id, n, m_sections))
            return;
        if (RtfRowDefinition::takesValue(id))
            builder().rowDefinition(s).value(id, n, m_colors);
        else
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
    case I::PageNumberSymbol:
        if (s.part && !m_inNote)
            append(s, QString(PageStyle::PageNumber));
        return;
    case I::FootnoteNumber:
        // The mark in the text comes before its note; the note repeats it.
        if (!s.part)
            append(s, QString::number(m_notes + 1));
        else if (m_inNote)
            append(s, QString::number(m_notes));
        return;
    case I::Section:
        // Whether the next section starts a page is said after this word, by its \sbk.
        ++m_sections;
        // After "\page" the section's text is on a page of its own already: the empty
        // paragraph there is the section's first, else it would fill a page alone.
        m_pageBrokenBefore = !s.part && m_body.atPageBreak();
        if (!m_pageBrokenBefore)
            paragraphEnd(s);
        if (!s.part)
            PageStyle::in(m_document).addSection();
        m_sectionBreaksPage = true;
        m_sectionPending = true;
        return;
    case I::Line:
        settle(s);
        flush(s);
        builder().lineBreak(s);
        return;
    case I::Tab:
        append(s, QStringLiteral("\t"));
        return;
    case I::Page:
        settle(s);
        flush(s);
        builder().pageBreak(s);
        return;
    case I::Cell:
        // A table in a shape's text reads as lines of cells a tab apart.
        if (s.shapeText)
            return append(s, QStringLiteral("\t"));
        flush(s);
        builder().cellEnd(s);
        return;
    case I::Row:
        if (s.shapeText)
            return paragraphEnd(s);
        flush(s);
        builder().rowEnd(s);
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
    if (s.destination == RtfState::Destination::Text) {
        settle(s);
        builder().append(QString(QChar(static_cast<char16_t>(code < 0 ? code + 65536 : code))));
    }
}

void RtfTextDestination::append(const RtfState& s, const QString& text)
{
    if (s.destination != RtfState::Destination::Text)
        return;
    flushBytes(s);
    settle(s);
    builder().append(text);
}

void RtfTextDestination::paragraphEnd(const RtfState& s)
{
    settle(s);
    flush(s);
    builder().paragraphEnd(s);
    if (!s.part)
        m_numbering.paragraphEnd(s);
}

void RtfTextDestination::insertImage(const RtfState& s, const QTextImageFormat& image)
{
    settle(s);
    builder().insertImage(s, image);
}

void RtfTextDestination::flushBytes(const RtfState& s)
{
    if (m_pendingBytes.isEmpty())
        return;
    settle(s);
    builder().append(
        CodePage::decode(s.codePage ? s.codePage : m_documentCodePage, m_pendingBytes));
    m_pendingBytes.clear();
}

void RtfTextDestination::flush(const RtfState& s)
{
    flushBytes(s);
    // A section's headers come before its text: its break waits for the text.
    const bool sectionStarts = m_sectionPending && !m_part && m_body.hasPending();
    if (sectionStarts) {
        m_sectionPending = false;
        if (m_sectionBreaksPage && !m_pageBrokenBefore)
            m_body.breakPageBeforeNext();
        m_pageBrokenBefore = false;
    }
    // A numbered paragraph's text, when the file wrote no label before it: its number's.
    if (!s.part && builder().hasPending() && builder().atParagraphStart())
        builder().prependLabel(m_numbering.label(s));
    builder().flush(s);
    // A section ends its last paragraph: the new one starts with the paragraph of its text.
    if (sectionStarts)
        PageStyle::in(m_document).startSection(m_body.blockPosition());
}

void RtfTextDestination::shade(RtfState& s) const
{
    const QColor c = m_colors.shading(s.shadingBack, s.shadingFore, s.shadingPercent);
    if (c.isValid())
        s.charFormat.setBackground(c);
    else
        s.charFormat.clearBackground();
}

void RtfTextDestination::listTextStart(const RtfState& s)
{
    flush(s);
    builder().markListText();
}

void RtfTextDestination::listTextEnd(const RtfState& s)
{
    flush(s);
    builder().dropBlankListText();
}

void RtfTextDestination::finish(const RtfState& s)
{
    flushBytes(s);
    if (m_part)
        partEnd(s); // a file cut short in a header
    m_frames.end(s);
    m_body.finish(s);
    if (PageStyle* page = PageStyle::of(m_document); page && page->notesAtEnd)
        m_body.appendNotes(page->takeNotes());
}

// Headers and footers stand in the same order among the control words as among the page's
// parts.
static_assert(static_cast<int>(RtfControlWord::Id::FooterFirst) -
                      static_cast<int>(RtfControlWord::Id::Header) ==
                  PageStyle::FooterFirst,
              "the header and footer words must follow the page style's parts");

void RtfTextDestination::partStart(RtfState& s, RtfControlWord::Id id)
{
    flush(s);
    if (m_part || s.part)
        return;
    const auto part = static_cast<PageStyle::Part>(static_cast<int>(id) -
                                                   static_cast<int>(RtfControlWord::Id::Header));
    PageStyle& page = PageStyle::in(m_document);
    // A section's part given twice: the first stands.
    if (page.part(part)) {
        s.destination = RtfState::Destination::Skip;
        return;
    }
    m_part = std::make_unique<RtfDocumentBuilder>(page.makePart(part));
    m_part->setDefaultTab(m_defaultTab);
    s.part = true;
    s.inTable = false;
}

void RtfTextDestination::partEnd(const RtfState& s)
{
    if (!m_part)
        return;
    flushBytes(s);
    m_part->finish(s);
    m_part.reset();
    m_inNote = false;
}

void RtfTextDestination::noteStart(RtfState& s)
{
    flush(s);
    if (m_part || s.part) {
        s.destination = RtfState::Destination::Skip;
        return;
    }
    ++m_notes;
    m_part = std::make_unique<RtfDocumentBuilder>(
        PageStyle::in(m_document).addNote(m_document, m_body.position()));
    m_part->setDefaultTab(m_defaultTab);
    m_inNote = true;
    s.part = true;
    s.inTable = false;
}

void RtfTextDestination::shapeTextStart(RtfState& s)
{
    // Its own paragraphs: the anchor's text before it ends its line.
    flush(s);
    if (builder().position() != builder().blockPosition())
        paragraphEnd(s);
    s.destination = RtfState::Destination::Text;
    s.shapeText = true;
    s.anchorInTable = s.inTable;
    s.anchorNesting = s.nesting;
}

void RtfTextDestination::fieldResultStart(RtfState& s)
{
    const QByteArray name = m_field.name();
    const std::optional<QByteArray> chosen = m_field.chosenItem();
    m_field.clear();
    if (chosen) {
        // A drop-down shows its chosen item, which a file may leave out of the result.
        append(s, CodePage::decode(s.codePage ? s.codePage : m_documentCodePage, *chosen));
        s.destination = RtfState::Destination::Skip;
        return;
    }
    if (!s.part)
        return;
    if (name == "PAGE")
        append(s, QString(PageStyle::PageNumber));
    else if (name == "NUMPAGES" || name == "SECTIONPAGES")
        append(s, QString(PageStyle::PageCount));
    else
        return;
    // The number the file last showed would stand beside it.
    s.destination = RtfState::Destination::Skip;
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
            m_fonts.applyTo(s.charFormat, m_defaultFont);
            s.codePage = page;
        }
    }
}

} // namespace pagora
