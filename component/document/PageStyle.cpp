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
    Section next;
    next.parts = m_sections.back().parts;
    m_sections.push_back(next);
}

void PageStyle::startSection(int position)
{
    for (size_t i = m_started; i < m_sections.size(); ++i)
        m_sections[i].start = position;
    m_started = m_sections.size();
}

void PageStyle::setTitlePage()
{
    m_sections.back().titlePage = true;
}

QTextDocument* PageStyle::part(Part part) const
{
    const auto i = static_cast<size_t>(part);
    return m_sections.back().own[i] ? m_sections.back().parts[i] : nullptr;
}

QTextDocument* PageStyle::makePart(Part part)
{
    const auto i = static_cast<size_t>(part);
    Section& section = m_sections.back();
    if (!section.own[i]) {
        section.parts[i] = new QTextDocument(this);
        section.own[i] = true;
    }
    return section.parts[i];
}

QTextDocument* PageStyle::forPage(Part all, int page, int from, int to) const
{
    // A page takes the parts of the section it starts in, as word processors do. The started
    // sections stand in the order of their text.
    const auto started = m_sections.begin() + static_cast<std::ptrdiff_t>(m_started);
    const auto after = std::upper_bound(m_sections.begin() + 1, started, from,
                                        [](int at, const Section& s) { return at < s.start; });
    const Section& section = *(after - 1);
    const bool first =
        &section == &m_sections.front() ? page == 1 : section.start >= from && section.start < to;
    // Header and Footer stand at the same places in the two runs of parts.
    const auto part = [&section, all](int offset) {
        return section.parts[static_cast<size_t>(all + offset)];
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
        for (size_t i = 0; i < section.parts.size(); ++i) {
            if (section.own[i] && section.parts[i]->toPlainText().contains(PageCount))
                return true;
        }
    }
    return false;
}

} // namespace pagora

namespace pagora {

QTextCursor PageStyle::anchor(QTextDocument* body, int position)
{
    QTextCursor mark(body);
    // The text after the mark is written after it.
    mark.setKeepPositionOnInsert(true);
    mark.setPosition(std::clamp(position, 0, std::max(0, body->characterCount() - 1)));
    return mark;
}

QTextDocument* PageStyle::addNote(QTextDocument* body, int position)
{
    auto* text = new QTextDocument(this);
    m_notes.push_back({text, anchor(body, position)});
    return text;
}

QTextDocument* PageStyle::addFrame(QTextDocument* body, int position, const FramePlace& place)
{
    auto* text = new QTextDocument(this);
    m_frames.push_back({text, anchor(body, position), place});
    return text;
}

} // namespace pagora
