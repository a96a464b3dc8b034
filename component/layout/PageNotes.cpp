#include "PageNotes.h"

#include "document/PageStyle.h"
#include "layout/PageParts.h"
#include "layout/TextLayerNames.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>

namespace pagora {

PageNotes::PageNotes(const PageStyle& style, QPaintDevice* target, qreal width, qreal gap)
    : m_gap(gap), m_width(width)
{
    for (const PageStyle::Note& note : style.notes()) {
        std::unique_ptr<QTextDocument> text(note.text->clone());
        const qreal height = PageParts::layOut(text.get(), target, width);
        m_notes.push_back({note.mark.position(), std::move(text), height});
    }
    std::stable_sort(m_notes.begin(), m_notes.end(),
                     [](const Note& a, const Note& b) { return a.position < b.position; });
}

PageNotes::~PageNotes() = default;

qreal PageNotes::height(int from, int to) const
{
    qreal height = 0;
    for (const Note& note : m_notes) {
        if (note.position >= from && note.position < to)
            height += note.height;
    }
    return height > 0 ? height + m_gap : 0;
}

void PageNotes::draw(QPainter* painter, int from, int to, qreal bottom, TextLayerNames* names) const
{
    qreal y = bottom - height(from, to);
    if (y >= bottom)
        return;
    painter->save();
    // A short rule halfway down the space above the notes, as word processors draw it.
    painter->setPen(QPen(Qt::black, std::max<qreal>(1, m_gap / 24)));
    painter->drawLine(QPointF(0, y + m_gap / 2), QPointF(m_width / 3, y + m_gap / 2));
    y += m_gap;
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (const Note& note : m_notes) {
        if (note.position < from || note.position >= to)
            continue;
        painter->save();
        painter->translate(0, y);
        note.text->documentLayout()->draw(painter, context);
        names->notePart(note.text.get());
        painter->restore();
        y += note.height;
    }
    painter->restore();
}

} // namespace pagora
