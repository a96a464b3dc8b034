#include "PageStyle.h"

#include <QTextDocument>
#include <algorithm>

namespace pagora {

PageStyle::PageStyle(QObject* parent) : QObject(parent) {}

PageStyle* PageStyle::of(const QTextDocument* document)
{
    return document ? document->findChild<PageStyle*>(QString(), Qt::FindDirectChildrenOnly)
                    : nullptr;
}

PageStyle& PageStyle::in(QTextDocument* document)
{
    if (PageStyle* style = of(document))
        return *style;
    return *new PageStyle(document);
}

bool PageStyle::givesPage() const
{
    return paperWidth > 0 || paperHeight > 0 || marginLeft >= 0 || marginRight >= 0 ||
           marginTop >= 0 || marginBottom >= 0 || landscape;
}

void PageStyle::addSection()
{
    m_sections.push_back(Section());
}

void PageStyle::startSection(int position)
{
    if (m_sections.back().start < 0)
        m_sections.back().start = position;
}

void PageStyle::setTitlePage()
{
    m_sections.back().titlePage = true;
}

QTextDocument* PageStyle::part(Part part) const
{
    return m_sections.back().parts[static_cast<size_t>(part)];
}

QTextDocument* PageStyle::makePart(Part part)
{
    QTextDocument*& text = m_sections.back().parts[static_cast<size_t>(part)];
    if (!text)
        text = new QTextDocument(this);
    return text;
}

QTextDocument* PageStyle::inherited(size_t index, int part) const
{
    for (size_t i = index + 1; i-- > 0;) {
        if (QTextDocument* text = m_sections[i].parts[static_cast<size_t>(part)])
            return text;
    }
    return nullptr;
}

QTextDocument* PageStyle::forPage(Part all, int page, int from, int to) const
{
    // A page takes the parts of the section it starts in, as word processors do.
    size_t index = 0;
    for (size_t i = 1; i < m_sections.size(); ++i) {
        if (m_sections[i].start >= 0 && m_sections[i].start <= from)
            index = i;
    }
    const Section& section = m_sections[index];
    const bool first = index == 0 ? page == 1 : section.start >= from && section.start < to;
    // Header and Footer stand at the same places in the two runs of parts.
    const auto part = [this, all, index](int offset) {
        return inherited(index, all + offset);
    };
    if (first && section.titlePage)
        return part(HeaderFirst - Header);
    if (facingPages)
        return page % 2 == 0 ? part(HeaderLeft - Header) : part(HeaderRight - Header);
    // Files that give only a right-page header mean it for every page.
    return part(0) ? part(0) : part(HeaderRight - Header);
}

bool PageStyle::countsPages() const
{
    for (const Section& section : m_sections) {
        for (const QTextDocument* text : section.parts) {
            if (text && text->toPlainText().contains(PageCount))
                return true;
        }
    }
    return false;
}

} // namespace pagora

namespace pagora {

QTextDocument* PageStyle::addNote(QTextDocument* body, int position)
{
    QTextCursor mark(body);
    // The text after the mark is written after it.
    mark.setKeepPositionOnInsert(true);
    mark.setPosition(std::clamp(position, 0, std::max(0, body->characterCount() - 1)));
    auto* text = new QTextDocument(this);
    m_notes.push_back({text, mark});
    return text;
}

} // namespace pagora
