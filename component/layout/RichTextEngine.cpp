#include "RichTextEngine.h"

#include "document/PageStyle.h"
#include "errors/PagoraError.h"
#include "layout/LayoutDocument.h"
#include "layout/LayoutPiece.h"
#include "layout/NoteRoom.h"
#include "layout/PageDrawing.h"
#include "layout/PageFrames.h"
#include "layout/PageNotes.h"
#include "layout/PageParts.h"
#include "layout/TextLayerNames.h"
#include "units/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace pagora {

namespace {

// How far down Qt's layout of one document can place a line: it keeps positions in 26.6
// fixed point, and past this many device pixels they wrap round, which would lose pages.
constexpr qreal LayoutReach = std::numeric_limits<int>::max() / 64.0;

} // namespace

RichTextEngine::RichTextEngine(QTextDocument* document, Use use)
    : m_source(document), m_doc(use == Use::PrintOnly), m_names(std::make_unique<TextLayerNames>())
{
    m_doc.setSource(document, QByteArray(), false);
}

RichTextEngine::~RichTextEngine() = default;

void RichTextEngine::setDocument(QTextDocument* document, const QByteArray& rtf, bool reading)
{
    release();
    m_source = document;
    m_doc.setSource(document, rtf, reading);
}

int RichTextEngine::textLength() const
{
    return std::max(0, m_source->characterCount() - 1 - m_doc.addedToSource());
}

void RichTextEngine::release()
{
    m_doc.release();
    m_slices.clear();
    m_target = nullptr;
}

void RichTextEngine::ensureLayout(QPaintDevice* target, const QRect& area)
{
    const int dpiX = target->logicalDpiX();
    const int dpiY = target->logicalDpiY();
    // A document still being read from its file changes only as the file says.
    const bool same = m_target == target && m_dpiX == dpiX && m_dpiY == dpiY &&
                      m_area == area.size() &&
                      (m_doc.sourceReading() || m_revision == m_source->revision());
    if (m_doc.layout() && same)
        return;
    m_target = target;
    m_dpiX = dpiX;
    m_dpiY = dpiY;
    m_area = area.size();
    m_names->clear();
    m_doc.make(target, area.size());
    // Pages are cut as they are asked for: Qt lays a document out only as far as the
    // positions asked of it, so the first page of a long document is there at once.
    restartSlices();
    m_notes.reset();
    if (const PageStyle* style = PageStyle::of(m_source); style && !style->notes().isEmpty()) {
        // Half a line of twelve points above the notes.
        m_notes = std::make_unique<PageNotes>(*style, target, m_doc.pageWidth(), 6.0 * dpiY / 72);
        sliceLayout();
        placeNotes();
    }
    m_revision = m_source->revision();
}

void RichTextEngine::restartSlices()
{
    m_doc.startOver();
    m_slices.clear();
    m_pieces.assign(1, Piece{0, 0, 0});
    m_cutChecked = 0;
    m_scan = m_doc.layout()->begin();
    m_complete = false;
}

void RichTextEngine::sliceLayout()
{
    restartSlices();
    while (!m_complete)
        sliceNextBlock();
}

void RichTextEngine::sliceNextBlock()
{
    if (m_complete)
        return;
    enterPiece(m_pieces.size() - 1);
    while (m_doc.reading() && !m_scan.next().isValid()) {
        const int at = m_scan.position();
        m_doc.readOn(at);
        m_scan = m_doc.layout()->findBlock(at);
    }
    const QTextBlock block = m_scan;
    // Asking for the block's place lays the document out up to it, and no further.
    const QRectF box = m_doc.layout()->documentLayout()->blockBoundingRect(block);
    // Halfway to the reach, so that no paragraph or table can pass it.
    if (box.top() >= LayoutReach / 2 && !m_notes && cutPiece())
        return;
    m_scan = block.next();
    const qreal pageHeight = m_doc.pageHeight();
    const QTextLayout* lines = block.layout();
    qreal lastTop = 0;
    for (int i = 0; i < lines->lineCount(); ++i) {
        const QTextLine line = lines->lineAt(i);
        // A line of an exact height smaller than its text's stands up to its own height above
        // its paragraph, on the paragraph's page; farther up, its place has wrapped round.
        const qreal top =
            box.top() + (line.y() > -line.height() ? std::max(0.0, line.y()) : line.y());
        // A print holds every page or none. Past the reach, places wrap round to below zero.
        if (top + line.height() + 2 * pageHeight >= LayoutReach || top < lastTop)
            throw PagoraError(PagoraError::Overflow,
                              QStringLiteral("A paragraph or table is too long to lay out: at "
                                             "this resolution it may have %1 pages at most.")
                                  .arg(static_cast<int>(LayoutReach / pageHeight) - 2));
        lastTop = top;
        const int page = static_cast<int>(std::floor((top + 0.01) / pageHeight));
        const int at = block.position() + line.textStart();
        if (m_slices.size() == m_pieces.back().firstSlice) {
            // A piece's first page starts at its start, whatever stands before its first line.
            m_slices.push_back({m_doc.toSource(0), page, 0, m_doc.piece()});
        } else if (page > m_slices.back().page) {
            if (m_slices.back().piece == m_doc.piece() && m_slices.back().layoutStart == at)
                m_slices.back().page = page; // a page with nothing on it is no page
            else
                m_slices.push_back({m_doc.toSource(at), page, at, m_doc.piece()});
        }
    }
    if (!m_scan.isValid()) {
        m_complete = true;
        m_textEnd = m_doc.toSource(std::max(0, m_doc.layout()->characterCount() - 1));
        if (m_slices.empty())
            m_slices.push_back({0, 0, 0, 0});
    }
}

bool RichTextEngine::cutPiece()
{
    // The piece after this one starts at the last page that starts a paragraph of the body.
    // The document changes over to it only when its pages are laid out, so that the pages
    // before are still drawn from this one.
    const size_t checked = std::max(m_pieces.back().firstSlice + 1, m_cutChecked);
    for (size_t i = m_slices.size(); i-- > checked;) {
        if (!LayoutPiece::canStartAt(*m_doc.layout(), m_slices[i].layoutStart))
            continue;
        const int at = m_slices[i].layoutStart;
        const int start = m_slices[i].start;
        m_slices.resize(i);
        m_pieces.push_back({start, at, i});
        m_slices.push_back({start, 0, 0, m_pieces.size() - 1});
        m_cutChecked = m_slices.size();
        m_scanAt = 0;
        return true;
    }
    m_cutChecked = m_slices.size();
    return false;
}

void RichTextEngine::enterPiece(size_t piece)
{
    if (piece == m_doc.piece())
        return;
    // Where the pages are being found, in the last piece.
    if (m_doc.piece() + 1 == m_pieces.size() && !m_complete)
        m_scanAt = m_scan.position();
    if (piece < m_doc.piece())
        m_doc.startOver();
    while (m_doc.piece() < piece) {
        const Piece& next = m_pieces[m_doc.piece() + 1];
        m_doc.cut(next.cutAt, next.start);
    }
    if (m_doc.piece() + 1 == m_pieces.size() && !m_complete)
        m_scan = m_doc.layout()->findBlock(m_scanAt);
}

void RichTextEngine::sliceBeyond(int first)
{
    while (!m_complete && (m_slices.empty() || m_slices.back().start <= first))
        sliceNextBlock();
}

void RichTextEngine::placeNotes()
{
    // Page by page, lines that the page's notes need the room of go to the next page; that
    // may take marks, and so notes, along with them.
    for (size_t p = 0; p < m_slices.size(); ++p) {
        for (int tries = 0; tries < 200; ++tries) {
            const int from = m_slices[p].start;
            const int to = p + 1 < m_slices.size() ? m_slices[p + 1].start : textLength() + 1;
            const qreal notes = m_notes->height(from, to);
            const NoteRoom room{m_doc.layout(), m_slices[p].layoutStart,
                                (m_slices[p].page + 1) * m_doc.pageHeight()};
            if (notes <= 0 || !room.pushFrom(room.pageEnd - notes, m_doc.splits()))
                break;
            m_doc.layout()->documentLayout()->documentSize();
            sliceLayout();
        }
    }
}

int RichTextEngine::pageCount(QPaintDevice* target, const QRect& area)
{
    ensureLayout(target, area);
    sliceBeyond(std::numeric_limits<int>::max());
    // A slice that starts at the end holds only the empty last paragraph: no page of its own.
    int pages = 1;
    for (size_t i = 1; i < m_slices.size(); ++i) {
        if (m_slices[i].start < textLength())
            ++pages;
    }
    return pages;
}

void RichTextEngine::drawPage(QPainter* painter, const QRect& area, const Slice& slice,
                              const Slice* next)
{
    const PageDrawing page{m_doc.layout(),
                           m_doc.pageHeight(),
                           m_dpiX,
                           m_dpiY,
                           slice.page,
                           slice.layoutStart,
                           !next                        ? m_doc.layout()->characterCount()
                           : next->piece == slice.piece ? next->layoutStart
                                                        : m_pieces[next->piece].cutAt,
                           slice.start,
                           next ? next->start : textLength() + 1,
                           m_doc.hasLeaders(),
                           m_notes.get(),
                           m_names.get()};
    page.draw(painter, area);
}

QHash<char16_t, char16_t> RichTextEngine::renamedCharacters() const
{
    return m_names->renamed();
}

QPointF RichTextEngine::lineOrigin(const QTextDocument* document, const QTextBlock& block)
{
    return document->documentLayout()->blockBoundingRect(block).topLeft() -
           block.layout()->boundingRect().topLeft();
}

void RichTextEngine::drawPageParts(QPainter* painter, QPaintDevice* target, const QRect& paper,
                                   const QRect& body, int page, int pages)
{
    const PageStyle* style = PageStyle::of(m_source);
    PageParts::draw(painter, target, style, paper, body, {page, pages, m_pageFrom, m_pageTo},
                    m_names.get());
    if (!style || style->frames().isEmpty())
        return;
    // The last page holds the frames anchored at the text's very end too.
    const int to = m_pageTo >= textEnd() ? std::numeric_limits<int>::max() : m_pageTo;
    const auto anchorTop = [this, to](int anchor) -> std::optional<int> {
        const int source = m_doc.sourceOwn(anchor);
        if (source < m_pageFrom || source >= to)
            return std::nullopt;
        const QTextDocument* layout = m_doc.layout();
        const int at = std::clamp(m_doc.toLayout(source), 0, layout->characterCount() - 1);
        const QTextBlock block = layout->findBlock(at);
        const QTextLine line = block.layout()->lineForTextPosition(at - block.position());
        const qreal top = layout->documentLayout()->blockBoundingRect(block).top() +
                          (line.isValid() ? line.y() : 0) - m_pageTop;
        return static_cast<int>(std::max(0.0, top) / Twips::toPixelsExact(1, m_dpiY));
    };
    PageFrames::draw(painter, target, style, paper, body, {page, pages, m_pageFrom, to}, anchorTop,
                     m_names.get());
}

int RichTextEngine::formatRange(QPainter* painter, QPaintDevice* target, const QRect& area,
                                int first)
{
    ensureLayout(target, area);
    size_t index = 0;
    // The slice after this page's too: where this page ends.
    sliceBeyond(first);
    while (index + 1 < m_slices.size() && m_slices[index + 1].start <= first)
        ++index;
    sliceBeyond(m_slices[index].start);
    const Slice* next = index + 1 < m_slices.size() ? &m_slices[index + 1] : nullptr;
    if (painter) {
        enterPiece(m_slices[index].piece);
        drawPage(painter, area, m_slices[index], next);
        m_pageTop = m_slices[index].page * m_doc.pageHeight();
    }
    m_pageFrom = m_slices[index].start;
    m_pageTo = next ? next->start : textEnd();
    return m_pageTo;
}

int RichTextEngine::textEnd() const
{
    if (!m_doc.layout())
        return textLength();
    if (!m_complete)
        return std::numeric_limits<int>::max();
    return m_textEnd;
}

void RichTextEngine::sourceRead()
{
    m_doc.sourceRead();
    // What was laid out came from the file, as the document now does.
    if (m_doc.layout())
        m_revision = m_source->revision();
}

} // namespace pagora
