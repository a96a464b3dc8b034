#include "RichTextEngine.h"

#include "errors/PagoraError.h"
#include "layout/LayoutProperty.h"
#include "layout/PageNotes.h"
#include "layout/PageParts.h"
#include "layout/PageStyle.h"
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

// Far below any page: a line placed there is one Qt will not draw.
constexpr qreal OutOfReach = 1e9;

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
    // The block being read may change yet: it waits for the next piece.
    QTextBlock block = m_layout->findBlockByNumber(m_preparedBlocks);
    for (; block.isValid() && (!m_reading || block.next().isValid()); block = block.next()) {
        scaleIndent(block, m_indentScale);
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
    fitTables(m_layout->rootFrame(), m_tableWidth);
    keepSpaceAbove(m_layout);
    keepSpaceInCells(m_layout->rootFrame());
}

void RichTextEngine::readOn()
{
    const int at = m_scan.position();
    if (!m_reading->readMore(ReadStep))
        m_reading.reset();
    // The piece's changes reach the layout as one: Qt lays a document out again after each
    // change it hears of.
    QTextCursor changes(m_layout);
    changes.beginEditBlock();
    prepareBlocks();
    changes.endEditBlock();
    // And all of it is laid out again from the line where the last piece ended, as one: Qt's
    // layout of a paragraph it has laid out before, mended bit by bit, can differ from the one
    // it makes at once, down to a line left across a page's foot.
    m_layout->markContentsDirty(at, m_layout->characterCount() - at);
    m_scan = m_layout->findBlock(at);
}

void RichTextEngine::keepSpaceAbove(QTextDocument* document)
{
    // Qt puts space above a paragraph only when a paragraph comes before it in the same
    // frame: the first one after a table loses its space, which word processors keep. The
    // table keeps it below itself instead.
    //
    // Qt keeps the space below the paragraph before a table, but in the document's pixels,
    // unscaled: on a 1200-dpi printer it all but vanishes. The table takes it above itself,
    // which Qt scales, and the paragraph gives it up. So does the table's anchor, a block of
    // its own with the paragraph's format, whose space above is no paragraph's.
    for (QTextFrame* table : document->rootFrame()->childFrames()) {
        const QTextBlock after = document->findBlock(table->lastPosition() + 1);
        const qreal space = after.isValid() ? after.blockFormat().topMargin() : 0;
        QTextFrameFormat format = table->frameFormat();
        if (space > format.bottomMargin())
            format.setBottomMargin(space);
        QTextBlock before = document->findBlock(table->firstPosition() - 1);
        for (int i = 0; i < 2 && before.isValid() &&
                        QTextCursor(before).currentFrame() == document->rootFrame();
             ++i, before = before.previous()) {
            QTextBlockFormat paragraph = before.blockFormat();
            if (paragraph.bottomMargin() > 0) {
                format.setTopMargin(std::max(format.topMargin(), paragraph.bottomMargin()));
                paragraph.setBottomMargin(0);
            }
            if (i == 0 && paragraph.topMargin() > 0)
                paragraph.setTopMargin(0);
            if (paragraph != before.blockFormat())
                QTextCursor(before).setBlockFormat(paragraph);
        }
        if (format != table->frameFormat())
            table->setFrameFormat(format);
    }
}

void RichTextEngine::keepSpaceInCells(QTextFrame* frame)
{
    // Nor above the first paragraph of a cell, which word processors keep within the cell: the
    // cell takes it as padding. The paragraph gives it up, so that a second look finds none.
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            for (int row = 0; row < table->rows(); ++row) {
                for (int column = 0; column < table->columns(); ++column) {
                    QTextTableCell cell = table->cellAt(row, column);
                    if (cell.row() != row || cell.column() != column)
                        continue; // a merged cell's other places
                    QTextCursor first = cell.firstCursorPosition();
                    QTextBlockFormat paragraph = first.blockFormat();
                    if (paragraph.topMargin() <= 0)
                        continue;
                    QTextTableCellFormat format = cell.format().toTableCellFormat();
                    format.setTopPadding(format.topPadding() + paragraph.topMargin());
                    cell.setFormat(format);
                    paragraph.setTopMargin(0);
                    first.setBlockFormat(paragraph);
                }
            }
        }
        keepSpaceInCells(child);
    }
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
            if (notes <= 0 || !pushFrom(m_slices[p], (m_slices[p].page + 1) * m_pageHeight - notes))
                break;
            m_layout->documentLayout()->documentSize();
            sliceLayout();
        }
    }
}

bool RichTextEngine::pushFrom(const Slice& slice, qreal limit)
{
    QAbstractTextDocumentLayout* layout = m_layout->documentLayout();
    const qreal pageEnd = (slice.page + 1) * m_pageHeight;
    for (QTextBlock block = m_layout->findBlock(slice.layoutStart); block.isValid();
         block = block.next()) {
        const QRectF box = layout->blockBoundingRect(block);
        if (box.top() >= pageEnd)
            return false;
        const QTextLayout* lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const qreal top = box.top() + line.y();
            const int at = block.position() + line.textStart();
            if (at < slice.layoutStart || top + line.height() <= limit)
                continue;
            // The page's first line stays, notes or not.
            if (top >= pageEnd || at == slice.layoutStart)
                return false;
            if (QTextFrame* frame = QTextCursor(block).currentFrame();
                frame != m_layout->rootFrame())
                return pushRow(qobject_cast<QTextTable*>(frame), block, slice, pageEnd - top);
            QTextCursor cursor(block);
            QTextBlockFormat format = block.blockFormat();
            if (i == 0) {
                format.setPageBreakPolicy(format.pageBreakPolicy() |
                                          QTextFormat::PageBreak_AlwaysBefore);
                cursor.setBlockFormat(format);
                return true;
            }
            // The paragraph is cut in two at the line, in this copy only.
            QTextBlockFormat rest = format;
            rest.setTopMargin(0);
            rest.setTextIndent(0);
            rest.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            format.setBottomMargin(0);
            cursor.setBlockFormat(format);
            cursor.setPosition(at);
            cursor.insertBlock(rest, cursor.charFormat());
            m_splits.push_back(at);
            return true;
        }
    }
    return false;
}

bool RichTextEngine::pushRow(QTextTable* table, const QTextBlock& block, const Slice& slice,
                             qreal space)
{
    // Qt moves a row to the next page when it does not fit: the row before grows, blank, until
    // the line is half a pixel from the page's end, which leaves this row no room and the row
    // before it all. A table's first rows, or its heading rows, go along with the table.
    // Tables in cells break where Qt breaks them.
    if (!table || table->parentFrame() != m_layout->rootFrame() ||
        table->firstCursorPosition().position() <= slice.layoutStart)
        return false;
    const int row = table->cellAt(block.position()).row();
    if (row <= table->format().headerRowCount()) {
        QTextTableFormat format = table->format();
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            return false;
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        table->setFormat(format);
        return true;
    }
    // In the document's pixels, which Qt scales to the device's.
    const qreal grow = (space - 0.5) * Twips::documentDpi() /
                       m_layout->documentLayout()->paintDevice()->logicalDpiY();
    if (grow <= 0)
        return false;
    for (int column = 0; column < table->columns(); ++column) {
        QTextTableCell cell = table->cellAt(row - 1, column);
        if (cell.column() != column)
            continue; // a merged cell's other places
        QTextTableCellFormat format = cell.format().toTableCellFormat();
        format.setBottomPadding(format.bottomPadding() + grow);
        cell.setFormat(format);
    }
    return true;
}

void RichTextEngine::scaleIndents(QTextDocument* document, qreal scale)
{
    // Qt brings a paragraph's space above and below to the device's resolution, but not its
    // left and right margins or its first-line indent, which the reader gives in pixels at the
    // screen's DPI: on a 1200-dpi printer an inch of indent would print as a twelfth of that.
    if (scale == 1)
        return;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        scaleIndent(block, scale);
}

void RichTextEngine::scaleIndent(const QTextBlock& block, qreal scale)
{
    QTextBlockFormat format = block.blockFormat();
    if (scale == 1 ||
        (format.leftMargin() == 0 && format.rightMargin() == 0 && format.textIndent() == 0))
        return;
    format.setLeftMargin(format.leftMargin() * scale);
    format.setRightMargin(format.rightMargin() * scale);
    format.setTextIndent(format.textIndent() * scale);
    QTextCursor(block).setBlockFormat(format);
}

void RichTextEngine::fitTables(QTextFrame* frame, qreal width)
{
    // A table wider than the page would lose its last columns past the edge: like a word
    // processor, bring it to the page's width, each column keeping its share.
    for (QTextFrame* child : frame->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(child);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        const QList<QTextLength> widths = format.columnWidthConstraints();
        qreal total = 0;
        for (const QTextLength& w : widths) {
            if (w.type() != QTextLength::FixedLength) {
                total = 0;
                break;
            }
            total += w.rawValue();
        }
        const qreal left = std::max<qreal>(0, format.leftMargin());
        if (total <= 0 || total + format.leftMargin() <= width + 0.5)
            continue;
        QList<QTextLength> shares;
        for (const QTextLength& w : widths)
            shares << QTextLength(QTextLength::PercentageLength, w.rawValue() / total * 100);
        format.setColumnWidthConstraints(shares);
        format.setLeftMargin(std::min(format.leftMargin(), 0.0));
        format.setWidth(QTextLength(QTextLength::FixedLength, width - left));
        table->setFormat(format);
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
    const qreal height = m_pageHeight;
    const qreal width = std::floor(Twips::toPixelsExact(area.width(), m_dpiX));
    const qreal top = slice.page * m_pageHeight;
    painter->save();
    painter->translate(area.left(), area.top());
    painter->scale(1 / Twips::toPixelsExact(1, m_dpiX), 1 / Twips::toPixelsExact(1, m_dpiY));
    painter->translate(0, -top);
    const QRectF clip(0, top, width, m_pageHeight);
    painter->setClipRect(clip, Qt::IntersectClip);

    // Qt draws a paragraph from the line before the first one in its clip: the last line of
    // the page before would be written again, under the clip, where a search of the PDF finds
    // it. A paragraph that runs on from the page before is drawn here, line by line, and
    // hidden from Qt by moving its lines out of reach for the moment.
    QTextBlock carried = m_layout->findBlock(slice.layoutStart);
    QTextLayout* lines = carried.isValid() ? carried.layout() : nullptr;
    std::vector<QPointF> positions;
    QPointF origin;
    if (lines && slice.layoutStart > carried.position() && lines->lineCount() > 0) {
        origin = lineOrigin(m_layout, carried);
        for (int i = 0; i < lines->lineCount(); ++i) {
            QTextLine line = lines->lineAt(i);
            positions.push_back(line.position());
            line.setPosition(QPointF(line.x(), OutOfReach));
        }
    }
    QAbstractTextDocumentLayout::PaintContext context;
    // Lines of the next page start exactly at the page's end.
    context.clip = QRectF(0, top, width, std::max<qreal>(1, height - 0.5));
    context.palette.setColor(QPalette::Text, Qt::black);
    m_layout->documentLayout()->draw(painter, context);
    if (!positions.empty()) {
        for (int i = 0; i < lines->lineCount(); ++i) {
            QTextLine line = lines->lineAt(i);
            line.setPosition(positions[static_cast<size_t>(i)]);
            const qreal y = origin.y() + line.y();
            if (y >= top - 0.5 && y < top + height - 0.5)
                line.draw(painter, origin);
        }
    }
    if (m_hasLeaders)
        TabLeaders::draw(painter, m_layout, slice.layoutStart,
                         next ? next->layoutStart : m_layout->characterCount(), top,
                         top + height - 0.5, m_dpiX / Twips::documentDpi());
    if (m_notes)
        m_notes->draw(painter, slice.start, next ? next->start : textLength() + 1, top + height,
                      m_names.get());
    painter->restore();
    const int end = next ? next->layoutStart : m_layout->characterCount();
    for (QTextBlock block = carried; block.isValid() && block.position() < end;
         block = block.next())
        m_names->note(block);
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
