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

QTextDocument* PageStyle::makePart(Part part)
{
    QTextDocument*& text = m_parts[static_cast<size_t>(part)];
    if (!text)
        text = new QTextDocument(this);
    return text;
}

QTextDocument* PageStyle::forPage(Part all, int page) const
{
    // Header and Footer stand at the same places in the two runs of parts.
    const auto part = [this, all](int offset) {
        return m_parts[static_cast<size_t>(all + offset)];
    };
    if (page == 1 && titlePage)
        return part(HeaderFirst - Header);
    if (facingPages)
        return page % 2 == 0 ? part(HeaderLeft - Header) : part(HeaderRight - Header);
    // Files that give only a right-page header mean it for every page.
    return part(0) ? part(0) : part(HeaderRight - Header);
}

bool PageStyle::countsPages() const
{
    for (const QTextDocument* text : m_parts) {
        if (text && text->toPlainText().contains(PageCount))
            return true;
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
