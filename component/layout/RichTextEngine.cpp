#include "RichTextEngine.h"

#include "document/LayoutProperty.h"
#include "document/PageStyle.h"
#include "errors/PagoraError.h"
#include "layout/LayoutMends.h"
#include "layout/LineStrut.h"
#include "layout/NoteRoom.h"
#include "layout/PageDrawing.h"
#include "layout/PageNotes.h"
#include "layout/PageParts.h"
#include "layout/RtfDocument.h"
#include "layout/TabLeaders.h"
#include "layout/TextLayerNames.h"
#include "rtf/RtfReading.h"
#include "units/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <limits>

namespace pagora {

namespace {

// About 300 pages of report, whose glyphs take some 50 MB.
constexpr int KeptGlyphCharacters = 1'000'000;

// How much of the file is read for the first pages, and then at a time as pages are asked
// for: a few pages of text.
constexpr qsizetype ReadAhead = 32 * 1024;
constexpr qsizetype ReadStep = 64 * 1024;

// How far down Qt's layout of one document can place a line: it keeps positions in 26.6
// fixed point, and past this many device pixels they wrap round, which would lose pages.
constexpr qreal LayoutReach = std::numeric_limits<int>::max() / 64.0;

} // namespace

RichTextEngine::RichTextEngine(QTextDocument* document, Use use)
    : m_source(document), m_inPlace(use == Use::PrintOnly),
      m_names(std::make_unique<TextLayerNames>())
{
}

RichTextEngine::~RichTextEngine() = default;

void RichTextEngine::setDocument(QTextDocument* document, const QByteArray& rtf, bool reading)
{
    release();
    m_source = document;
    m_rtf = rtf;
    m_rtfRevision = document->revision();
    m_sourceReading = reading && !rtf.isEmpty();
}

int RichTextEngine::textLength() const
{
    return std::max(0, m_source->characterCount() - 1);
}

void RichTextEngine::release()
{
    m_reading.reset();
    m_copy.reset();
    m_layout = nullptr;
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
                      (m_sourceReading || m_revision == m_source->revision());
    if (m_layout && same)
        return;
    // A document only printed is laid out where it is, once: a copy of a long document costs
    // as much time and memory as its reading.
    // Footnotes cut paragraphs in the layout, which the marks of the document's own notes
    // would follow, and space above the first paragraph adds one: those documents are always
    // copied.
    const PageStyle* style = PageStyle::of(m_source);
    const bool inPlace = m_inPlace && !(style && !style->notes().isEmpty()) &&
                         m_source->begin().blockFormat().topMargin() <= 0;
    if (inPlace && m_prepared) {
        m_layout = m_source;
        if (same) {
            restartSlices();
            return;
        }
    }
    m_reading.reset();
    if (inPlace && !m_prepared) {
        m_copy.reset();
        m_layout = m_source;
        m_prepared = true;
    } else if (!m_rtf.isEmpty() && (m_sourceReading || m_source->revision() == m_rtfRevision)) {
        // Reading the file again makes the same document in a third of the time a copy takes,
        // as long as nobody has changed it since. It is read as far as the pages asked for
        // need: the first page of a long document is there at once.
        m_copy = std::make_unique<QTextDocument>();
        m_reading = std::make_unique<RtfReading>(m_rtf, m_copy.get(), RtfReader::Use::Layout);
        // Up to the first paragraph at least, whose space above is kept below.
        while (m_reading->readMore(ReadAhead) && m_copy->blockCount() < 2) {
        }
        if (m_reading->atEnd())
            m_reading.reset();
        m_layout = m_copy.get();
    } else {
        m_copy.reset(m_source->clone());
        m_layout = m_copy.get();
    }
    m_layout->documentLayout()->setPaintDevice(target);
    LineStrut::registerIn(m_layout);
    QTextFrameFormat root = m_layout->rootFrame()->frameFormat();
    root.setMargin(0);
    root.setPadding(0);
    root.setBorder(0);
    m_layout->rootFrame()->setFrameFormat(root);
    m_layout->setDocumentMargin(0);
    // Before the layout starts: Qt's layout of the pages after an edit at the start is not
    // the one it makes of the whole. Blocks read later are edited before Qt reaches them.
    m_hasLeaders = false;
    m_names->clear();
    m_preparedBlocks = 0;
    m_keptGlyphs = 0;
    m_indentScale = dpiX / Twips::documentDpi();
    m_tableWidth = Twips::toPixelsExact(area.width(), Twips::documentDpi());
    prepareBlocks();
    m_splits.clear();
    keepSpaceAtTop();
    // Whole device pixels: the document's pagination works in them, and a fractional page
    // height would put a page's first line at the bottom of the page before.
    const qreal width = std::max(1.0, std::floor(Twips::toPixelsExact(area.width(), dpiX)));
    m_pageHeight = std::max(1.0, std::floor(Twips::toPixelsExact(area.height(), dpiY)));
    m_layout->setPageSize(QSizeF(width, m_pageHeight));
    // Pages are cut as they are asked for: Qt lays a document out only as far as the
    // positions asked of it, so the first page of a long document is there at once.
    restartSlices();
    m_notes.reset();
    if (const PageStyle* style = PageStyle::of(m_source); style && !style->notes().isEmpty()) {
        // Half a line of twelve points above the notes.
        m_notes = std::make_unique<PageNotes>(*style, target, width, 6.0 * dpiY / 72);
        sliceLayout();
        placeNotes();
    }

    m_target = target;
    m_dpiX = dpiX;
    m_dpiY = dpiY;
    m_area = area.size();
    m_revision = m_source->revision();
}

void RichTextEngine::prepareBlocks()
{
    // The changes reach the layout as one: Qt lays a document out again after each change it
    // hears of, walking all of it when a paragraph is justified or centred, and a change for
    // each table made a long document's layout grow with the square of its length.
    QTextCursor changes(m_layout);
    changes.beginEditBlock();
    // The block being read may change yet: it waits for the next piece.
    QTextBlock block = m_layout->findBlockByNumber(m_preparedBlocks);
    for (; block.isValid() && (!m_reading || block.next().isValid()); block = block.next()) {
        LayoutMends::scaleIndent(block, m_indentScale);
        m_hasLeaders = m_hasLeaders || block.blockFormat().hasProperty(LayoutProperty::TabLeaders);
        // Qt shapes a paragraph's text to lay it out, and again to draw it unless the layout
        // keeps the glyphs. They cost some fifty bytes a character: paragraphs keep them while
        // the document's first million characters last.
        if (block.length() <= KeptGlyphCharacters - m_keptGlyphs) {
            m_keptGlyphs += block.length();
            block.layout()->setCacheEnabled(true);
        }
        ++m_preparedBlocks;
    }
    // All three leave tables already done as they are.
    LayoutMends::fitTables(m_layout->rootFrame(), m_tableWidth);
    LayoutMends::keepSpaceAbove(m_layout);
    LayoutMends::keepSpaceInCells(m_layout->rootFrame());
    changes.endEditBlock();
}

void RichTextEngine::readOn()
{
    const int at = m_scan.position();
    if (!m_reading->readMore(ReadStep))
        m_reading.reset();
    prepareBlocks();
    // And all of it is laid out again from the line where the last piece ended, as one: Qt's
    // layout of a paragraph it has laid out before, mended bit by bit, can differ from the one
    // it makes at once, down to a line left across a page's foot.
    m_layout->markContentsDirty(at, m_layout->characterCount() - at);
    m_scan = m_layout->findBlock(at);
}

void RichTextEngine::keepSpaceAtTop()
{
    // The first paragraph loses its space above too: an empty paragraph of that height goes
    // before it, in the copy only.
    const QTextBlock first = m_layout->begin();
    const qreal space = first.blockFormat().topMargin();
    if (space <= 0 || m_layout != m_copy.get())
        return;
    QTextBlockFormat spacer;
    spacer.setLineHeight(space, QTextBlockFormat::FixedHeight);
    QTextBlockFormat format = first.blockFormat();
    format.setTopMargin(0);
    QTextCursor start(m_layout);
    start.insertBlock(format, first.charFormat());
    start.movePosition(QTextCursor::Start);
    start.setBlockFormat(spacer);
    m_splits.push_back(0);
    ++m_preparedBlocks;
}

void RichTextEngine::restartSlices()
{
    m_slices.clear();
    m_scan = m_layout->begin();
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
    while (m_reading && !m_scan.next().isValid())
        readOn();
    const QTextBlock block = m_scan;
    m_scan = block.next();
    // Asking for the block's place lays the document out up to it, and no further.
    const QRectF box = m_layout->documentLayout()->blockBoundingRect(block);
    const QTextLayout* lines = block.layout();
    for (int i = 0; i < lines->lineCount(); ++i) {
        const QTextLine line = lines->lineAt(i);
        // A print holds every page or none.
        if (box.top() + line.y() + line.height() + 2 * m_pageHeight >= LayoutReach)
            throw PagoraError(PagoraError::Overflow,
                              QStringLiteral("The document is too long to lay out: at this "
                                             "resolution it may have %1 pages at most.")
                                  .arg(static_cast<int>(LayoutReach / m_pageHeight) - 2));
        const int page = static_cast<int>(std::floor((box.top() + line.y() + 0.01) / m_pageHeight));
        if (m_slices.empty()) {
            // The first page starts at the start, whatever stands before its first line.
            m_slices.push_back({0, page, 0});
        } else if (page > m_slices.back().page) {
            const int at = block.position() + line.textStart();
            m_slices.push_back({toSource(at), page, at});
        }
    }
    if (!m_scan.isValid()) {
        m_complete = true;
        if (m_slices.empty())
            m_slices.push_back({0, 0, 0});
    }
}

void RichTextEngine::sliceBeyond(int first)
{
    while (!m_complete && (m_slices.empty() || m_slices.back().start <= first))
        sliceNextBlock();
}

int RichTextEngine::toSource(int at) const
{
    // Each split before `at` added a character that the source does not have.
    return at - static_cast<int>(std::lower_bound(m_splits.begin(), m_splits.end(), at) -
                                 m_splits.begin());
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
            const NoteRoom room{m_layout, m_slices[p].layoutStart,
                                (m_slices[p].page + 1) * m_pageHeight};
            if (notes <= 0 || !room.pushFrom(room.pageEnd - notes, m_splits))
                break;
            m_layout->documentLayout()->documentSize();
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
    const PageDrawing page{m_layout,
                           m_pageHeight,
                           m_dpiX,
                           m_dpiY,
                           slice.page,
                           slice.layoutStart,
                           next ? next->layoutStart : m_layout->characterCount(),
                           slice.start,
                           next ? next->start : textLength() + 1,
                           m_hasLeaders,
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
    PageParts::draw(painter, target, PageStyle::of(m_source), paper, body,
                    {page, pages, m_pageFrom, m_pageTo}, m_names.get());
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
    if (painter)
        drawPage(painter, area, m_slices[index], next);
    m_pageFrom = m_slices[index].start;
    m_pageTo = next ? next->start : textEnd();
    return m_pageTo;
}

int RichTextEngine::textEnd() const
{
    if (!m_layout)
        return textLength();
    if (!m_complete)
        return std::numeric_limits<int>::max();
    return toSource(std::max(0, m_layout->characterCount() - 1));
}

void RichTextEngine::sourceRead()
{
    m_sourceReading = false;
    m_rtfRevision = m_source->revision();
    // What was laid out came from the file, as the document now does.
    if (m_layout)
        m_revision = m_source->revision();
}

} // namespace pagora
