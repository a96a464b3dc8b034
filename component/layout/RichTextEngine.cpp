#include "RichTextEngine.h"

#include "units/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <cmath>

namespace pagora {

RichTextEngine::RichTextEngine(QTextDocument* document) : m_source(document) {}

RichTextEngine::~RichTextEngine() = default;

void RichTextEngine::setDocument(QTextDocument* document)
{
    release();
    m_source = document;
}

int RichTextEngine::textLength() const
{
    return std::max(0, m_source->characterCount() - 1);
}

void RichTextEngine::release()
{
    m_layout.reset();
    m_slices.clear();
    m_target = nullptr;
}

void RichTextEngine::ensureLayout(QPaintDevice* target, const QRect& area)
{
    const int dpiX = target->logicalDpiX();
    const int dpiY = target->logicalDpiY();
    if (m_layout && m_target == target && m_dpiX == dpiX && m_dpiY == dpiY &&
        m_area == area.size() && m_revision == m_source->revision())
        return;

    m_layout.reset(m_source->clone());
    m_layout->documentLayout()->setPaintDevice(target);
    QTextFrameFormat root = m_layout->rootFrame()->frameFormat();
    root.setMargin(0);
    root.setPadding(0);
    root.setBorder(0);
    m_layout->rootFrame()->setFrameFormat(root);
    m_layout->setDocumentMargin(0);
    scaleIndents(dpiX / 96.0);
    // Whole device pixels: the document's pagination works in them, and a fractional page
    // height would put a page's first line at the bottom of the page before.
    const qreal width = std::max(1.0, std::floor(Twips::toPixelsExact(area.width(), dpiX)));
    m_pageHeight = std::max(1.0, std::floor(Twips::toPixelsExact(area.height(), dpiY)));
    m_layout->setPageSize(QSizeF(width, m_pageHeight));

    m_slices.clear();
    QAbstractTextDocumentLayout* layout = m_layout->documentLayout();
    layout->documentSize(); // lays the whole document out
    for (QTextBlock block = m_layout->begin(); block.isValid(); block = block.next()) {
        const QRectF box = layout->blockBoundingRect(block);
        const QTextLayout* lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const int page =
                static_cast<int>(std::floor((box.top() + line.y() + 0.01) / m_pageHeight));
            if (m_slices.empty() || page > m_slices.back().page)
                m_slices.push_back({block.position() + line.textStart(), page});
        }
    }
    if (m_slices.empty())
        m_slices.push_back({0, 0});
    m_slices.front().start = 0;

    m_target = target;
    m_dpiX = dpiX;
    m_dpiY = dpiY;
    m_area = area.size();
    m_revision = m_source->revision();
}

void RichTextEngine::scaleIndents(qreal scale)
{
    // Qt brings a paragraph's space above and below to the device's resolution, but not its
    // left and right margins or its first-line indent, which the reader gives in pixels at 96
    // to the inch: on a 1200-dpi printer an inch of indent would print as a twelfth of that.
    if (scale == 1)
        return;
    for (QTextBlock block = m_layout->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.leftMargin() == 0 && format.rightMargin() == 0 && format.textIndent() == 0)
            continue;
        format.setLeftMargin(format.leftMargin() * scale);
        format.setRightMargin(format.rightMargin() * scale);
        format.setTextIndent(format.textIndent() * scale);
        QTextCursor(block).setBlockFormat(format);
    }
}

int RichTextEngine::pageCount(QPaintDevice* target, const QRect& area)
{
    ensureLayout(target, area);
    // A slice that starts at the end holds only the empty last paragraph: no page of its own.
    int pages = 1;
    for (size_t i = 1; i < m_slices.size(); ++i) {
        if (m_slices[i].start < textLength())
            ++pages;
    }
    return pages;
}

int RichTextEngine::formatRange(QPainter* painter, QPaintDevice* target, const QRect& area,
                                int first)
{
    ensureLayout(target, area);
    size_t index = 0;
    while (index + 1 < m_slices.size() && m_slices[index + 1].start <= first)
        ++index;
    const Slice slice = m_slices[index];

    if (painter) {
        const qreal width = std::floor(Twips::toPixelsExact(area.width(), m_dpiX));
        const qreal top = slice.page * m_pageHeight;
        painter->save();
        painter->translate(area.left(), area.top());
        painter->scale(1 / Twips::toPixelsExact(1, m_dpiX), 1 / Twips::toPixelsExact(1, m_dpiY));
        painter->translate(0, -top);
        const QRectF clip(0, top, width, m_pageHeight);
        painter->setClipRect(clip, Qt::IntersectClip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        context.palette.setColor(QPalette::Text, Qt::black);
        m_layout->documentLayout()->draw(painter, context);
        painter->restore();
    }
    return index + 1 < m_slices.size() ? m_slices[index + 1].start : textLength();
}

} // namespace pagora
