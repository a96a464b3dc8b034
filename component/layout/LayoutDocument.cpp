#include "LayoutDocument.h"

#include "document/LayoutProperty.h"
#include "document/PageStyle.h"
#include "layout/FrameRoom.h"
#include "layout/LayoutMends.h"
#include "layout/LayoutPiece.h"
#include "layout/LineStrut.h"
#include "rtf/RtfReading.h"
#include "rtf/RtfTabStops.h"
#include "units/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
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

// Qt checks every float of a document at every line it lays out, so that rooms for frames cost
// their number times the document's length: a document's first ones get theirs, and the text
// runs under the frames after them, as it did before any had room.
constexpr int MostRooms = 256;

} // namespace

LayoutDocument::LayoutDocument(bool printOnly) : m_printOnly(printOnly) {}

LayoutDocument::~LayoutDocument() = default;

void LayoutDocument::setSource(QTextDocument* source, const QByteArray& rtf, bool reading)
{
    release();
    m_source = source;
    m_rtf = rtf;
    m_rtfRevision = source->revision();
    m_sourceReading = reading && !rtf.isEmpty();
}

void LayoutDocument::sourceRead()
{
    m_sourceReading = false;
    m_rtfRevision = m_source->revision();
}

void LayoutDocument::release()
{
    m_reading.reset();
    m_copy.reset();
    m_layout = nullptr;
}

int LayoutDocument::dpiX() const
{
    return m_target ? m_target->logicalDpiX() : 0;
}

int LayoutDocument::dpiY() const
{
    return m_target ? m_target->logicalDpiY() : 0;
}

void LayoutDocument::make(QPaintDevice* target, QSize area)
{
    m_target = target;
    m_area = area;
    // A document only printed is laid out where it is, once: a copy of a long document costs
    // as much time and memory as its reading.
    // Footnotes cut paragraphs in the layout, which the marks of the document's own notes
    // would follow: those documents are always copied.
    const PageStyle* style = PageStyle::of(m_source);
    const bool inPlace = m_printOnly && !(style && !style->notes().isEmpty());
    m_reading.reset();
    // A clone of a source laid out in place before has the characters the layout added.
    std::vector<int> added = m_prepared ? m_sourceSplits : std::vector<int>();
    m_firstInPlace = inPlace && !m_prepared;
    if (m_firstInPlace) {
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
        added.clear();
    } else {
        m_copy.reset(m_source->clone());
        m_layout = m_copy.get();
    }
    // Whole device pixels: the document's pagination works in them, and a fractional page
    // height would put a page's first line at the bottom of the page before.
    m_pageWidth = std::max(1.0, std::floor(Twips::toPixelsExact(area.width(), dpiX())));
    m_pageHeight = std::max(1.0, std::floor(Twips::toPixelsExact(area.height(), dpiY())));
    setUpLayout();
    // Before the layout starts: Qt's layout of the pages after an edit at the start is not
    // the one it makes of the whole. Blocks read later are edited before Qt reaches them.
    m_hasLeaders = false;
    m_preparedBlocks = 0;
    m_keptGlyphs = 0;
    m_framesPassed = 0;
    m_rooms = 0;
    m_indentScale = dpiX() / Twips::documentDpi();
    m_tableWidth = Twips::toPixelsExact(area.width(), Twips::documentDpi());
    m_splits = std::move(added);
    prepareBlocks();
    keepSpaceAtTop();
    if (m_firstInPlace) {
        m_sourceSplits = m_splits;
        m_addedToSource = static_cast<int>(m_splits.size());
    }
    m_layout->setPageSize(QSizeF(m_pageWidth, m_pageHeight));
    m_piece = 0;
    m_offset = 0;
}

void LayoutDocument::setUpLayout()
{
    m_layout->documentLayout()->setPaintDevice(m_target);
    LineStrut::registerIn(m_layout);
    QTextFrameFormat root = m_layout->rootFrame()->frameFormat();
    root.setMargin(0);
    root.setPadding(0);
    root.setBorder(0);
    m_layout->rootFrame()->setFrameFormat(root);
    m_layout->setDocumentMargin(0);
}

void LayoutDocument::prepareBlocks()
{
    // The changes reach the layout as one: Qt lays a document out again after each change it
    // hears of, walking all of it when a paragraph is justified or centred, and a change for
    // each table made a long document's layout grow with the square of its length.
    QTextCursor changes(m_layout);
    changes.beginEditBlock();
    // The block being read may change yet: it waits for the next part.
    QTextBlock block = m_layout->findBlockByNumber(m_preparedBlocks);
    for (; block.isValid() && (!m_reading || block.next().isValid()); block = block.next()) {
        block = makeRooms(block);
        indentBySpace(block);
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
    // All of them leave tables already done as they are.
    LayoutMends::fitTables(m_layout->rootFrame(), m_tableWidth);
    LayoutMends::keepSpaceAbove(m_layout);
    LayoutMends::keepSpaceInCells(m_layout->rootFrame());
    // A table the file is still writing rows of waits.
    LayoutMends::resolveBorders(m_layout->rootFrame(), m_reading ? m_layout->lastBlock().position()
                                                                 : std::numeric_limits<int>::max());
    changes.endEditBlock();
}

void LayoutDocument::indentBySpace(const QTextBlock& block)
{
    const QTextBlockFormat format = block.blockFormat();
    if (format.textIndent() <= 0 || !block.text().contains(QLatin1Char('\t')))
        return;
    QTextBlockFormat moved = format;
    RtfTabStops::placeFromIndent(moved, m_layout->defaultTextOption().tabStopDistance());
    QTextCursor start(block);
    start.setBlockFormat(moved);
    QTextCharFormat space =
        block.begin().atEnd() ? block.charFormat() : block.begin().fragment().charFormat();
    space.setObjectType(LayoutProperty::LineStrut);
    space.setProperty(LayoutProperty::StrutWidth, format.textIndent() * m_indentScale);
    start.insertText(QString(QChar::ObjectReplacementCharacter), space);
    m_splits.insert(std::upper_bound(m_splits.begin(), m_splits.end(), block.position()),
                    block.position());
}

QTextBlock LayoutDocument::makeRooms(QTextBlock block)
{
    const PageStyle* style = PageStyle::of(m_source);
    if (!style)
        return block;
    // The frames come in the order of their anchors. The source's own anchors stay before the
    // characters the layout adds at them.
    std::vector<const PageStyle::Frame*> here;
    for (; m_framesPassed < style->frames().size(); ++m_framesPassed) {
        const PageStyle::Frame& frame = style->frames()[m_framesPassed];
        const int anchor = frame.anchor.position();
        const int at = m_layout == m_source ? anchor : toLayout(sourceOwn(anchor));
        if (at > block.position())
            break;
        if (at == block.position())
            here.push_back(&frame);
    }
    if (here.empty())
        return block;
    // A copy of a source laid out in place has its rooms, and counts them.
    if (FrameRoom::isBefore(block)) {
        for (QTextBlock room = block; FrameRoom::isBefore(room); room = room.previous().previous())
            ++m_rooms;
        return block;
    }
    for (const PageStyle::Frame* frame : here) {
        if (m_rooms >= MostRooms)
            break;
        const int position = block.position();
        const int added = FrameRoom::make(m_layout, block, *frame, m_target, m_area.width());
        for (int i = 0; i < added; ++i)
            m_splits.insert(std::upper_bound(m_splits.begin(), m_splits.end(), position + i),
                            position + i);
        m_preparedBlocks += added;
        if (added > 0) {
            block = m_layout->findBlock(position + added);
            ++m_rooms;
        }
    }
    return block;
}

void LayoutDocument::readOn(int at)
{
    if (!m_reading->readMore(ReadStep))
        m_reading.reset();
    prepareBlocks();
    // And all of it is laid out again from the line where the last part ended, as one: Qt's
    // layout of a paragraph it has laid out before, mended bit by bit, can differ from the one
    // it makes at once, down to a line left across a page's foot.
    m_layout->markContentsDirty(at, m_layout->characterCount() - at);
}

void LayoutDocument::keepSpaceAtTop()
{
    // The first paragraph loses its space above too: an empty paragraph of that height goes
    // before it.
    const QTextBlock first = m_layout->begin();
    const qreal space = first.blockFormat().topMargin();
    if (space <= 0)
        return;
    QTextBlockFormat spacer;
    spacer.setLineHeight(space, QTextBlockFormat::FixedHeight);
    QTextBlockFormat format = first.blockFormat();
    format.setTopMargin(0);
    QTextCursor start(m_layout);
    start.insertBlock(format, first.charFormat());
    start.movePosition(QTextCursor::Start);
    start.setBlockFormat(spacer);
    for (int& split : m_splits)
        ++split;
    m_splits.insert(m_splits.begin(), 0);
    ++m_preparedBlocks;
}

void LayoutDocument::readAll()
{
    if (!m_reading)
        return;
    m_reading->finish();
    m_reading.reset();
    prepareBlocks();
}

void LayoutDocument::startOver()
{
    if (m_piece == 0)
        return;
    if (!m_firstInPlace) {
        // Its pages are known: they are drawn, and need all of its text read.
        make(m_target, m_area);
        readAll();
        return;
    }
    // The source still has the first piece's layout.
    m_reading.reset();
    m_copy.reset();
    m_layout = m_source;
    m_splits = m_sourceSplits;
    m_piece = 0;
    m_offset = 0;
}

void LayoutDocument::cut(int at, int start)
{
    // A piece is whole: the pages of the next are laid out from all that follows.
    readAll();
    if (m_layout == m_source) {
        m_copy = LayoutPiece::copyFrom(*m_source, at);
        m_layout = m_copy.get();
        setUpLayout();
        m_preparedBlocks = m_layout->blockCount();
    } else {
        m_preparedBlocks -= LayoutPiece::dropBefore(*m_layout, at);
    }
    // A page size given anew lays the whole document out again, from the top and as far as
    // it is asked: after a change, Qt would keep the places of the lines it had.
    m_layout->setPageSize(QSizeF(m_pageWidth, m_pageHeight));
    // The characters the layout added after the cut go with it.
    const auto kept = std::lower_bound(m_splits.begin(), m_splits.end(), at);
    m_splits.erase(m_splits.begin(), kept);
    for (int& split : m_splits)
        split -= at;
    m_offset = start;
    ++m_piece;
}

int LayoutDocument::toSource(int at) const
{
    // Each split before `at` added a character that the source does not have.
    return m_offset + at -
           static_cast<int>(std::lower_bound(m_splits.begin(), m_splits.end(), at) -
                            m_splits.begin());
}

int LayoutDocument::toLayout(int source) const
{
    int at = source - m_offset;
    for (int split : m_splits) {
        if (split > at)
            break;
        ++at;
    }
    return at;
}

int LayoutDocument::sourceOwn(int position) const
{
    if (m_addedToSource == 0)
        return position;
    return position - static_cast<int>(
                          std::lower_bound(m_sourceSplits.begin(), m_sourceSplits.end(), position) -
                          m_sourceSplits.begin());
}

} // namespace pagora
