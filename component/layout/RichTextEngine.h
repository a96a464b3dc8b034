#pragma once

#include <QByteArray>
#include <QHash>
#include <QRect>
#include <QTextBlock>
#include <memory>
#include <vector>

class QPainter;
class QPointF;
class QTextFrame;
class QPaintDevice;
class QTextDocument;
class QTextTable;

namespace pagora {

class PageNotes;
class TextLayerNames;
class RtfReading;

// Page layout of a rich-text document for a device: the document is laid out with the
// device's own metrics at the width and height of a rectangle, cut into page slices, and
// each slice can be drawn into that rectangle on any painter. Preview and paper break lines
// alike because both are laid out for the same device.
class RichTextEngine
{
public:
    enum class Use
    {
        Shown,     // the document is on the screen too: it is laid out as a copy
        PrintOnly, // only for one printer: laid out in place, formats brought to the device
    };
    explicit RichTextEngine(QTextDocument* document, Use use = Use::Shown);
    ~RichTextEngine();

    // `rtf`, when given, is what the document was read from: its layout copy is read from it
    // again rather than copied, until the document changes. `reading`: the document is still
    // being read from it, and changes only as it says until sourceRead().
    void setDocument(QTextDocument* document, const QByteArray& rtf = QByteArray(),
                     bool reading = false);
    void sourceRead();

    const QTextDocument* document() const { return m_source; }

    // Characters of the document's plain text.
    int textLength() const;
    // Where the laid-out text ends: where the last page found ends once all are found, and
    // beyond any page until then. A page that starts there is no page.
    int textEnd() const;

    // Draws (when `painter` is given) or only measures the text from character `first` into
    // `area` on the painter, whose units are twips; the layout is made for `target`.
    // Returns the first character that did not fit: the start of the next page, or the text
    // length after the last page. At least one line is always placed.
    int formatRange(QPainter* painter, QPaintDevice* target, const QRect& area, int first);

    // Draws the header and footer of page `page` (from 1) of `pages`, the page formatRange()
    // laid out last, between the left and right edges of `body` on `paper`: both in the
    // painter's twips, laid out for `target`.
    void drawPageParts(QPainter* painter, QPaintDevice* target, const QRect& paper,
                       const QRect& body, int page, int pages);

    // Where a laid-out block's lines are drawn from: QTextLine positions are relative to it.
    static QPointF lineOrigin(const QTextDocument* document, const QTextBlock& block);

    // Frees the cached layout.
    void release();

    int pageCount(QPaintDevice* target, const QRect& area);

    // The characters a PDF's text layer names wrongly on the pages drawn so far, each with the
    // document's own.
    QHash<char16_t, char16_t> renamedCharacters() const;

private:
    struct Slice
    {
        int start; // in the source document
        int page;
        int layoutStart; // in the layout copy, which has a character more for each split
    };
    void ensureLayout(QPaintDevice* target, const QRect& area);
    // The space above the first paragraph, which Qt leaves out.
    void keepSpaceAtTop();
    // The layout's pages: where each starts. They are found block by block, as far as they
    // are needed.
    void restartSlices();
    // Brings the blocks read since the last time to the device; the block being read waits.
    void prepareBlocks();
    // Reads the next piece of the file, for the pages after the last block read.
    void readOn();
    void sliceLayout();
    void sliceNextBlock();
    // Until a page starts after character `first` (source), or there are no more.
    void sliceBeyond(int first);
    int toSource(int layoutPosition) const;
    // Makes room for each page's footnotes.
    void placeNotes();
    // The lines of the slice's page, and only those, into `area`; `next` is the page after
    // it, or none.
    void drawPage(QPainter* painter, const QRect& area, const Slice& slice, const Slice* next);

    QTextDocument* m_source;
    bool m_inPlace;
    bool m_prepared = false; // in place: the document has been brought to the device
    std::unique_ptr<QTextDocument> m_copy;
    QByteArray m_rtf;
    int m_rtfRevision = -1;
    QTextDocument* m_layout = nullptr; // the copy, or the document itself
    const QPaintDevice* m_target = nullptr;
    int m_dpiX = 0, m_dpiY = 0;
    QSize m_area;
    int m_revision = -1;
    qreal m_pageHeight = 0;
    std::vector<Slice> m_slices;
    QTextBlock m_scan; // the next block to find pages in
    bool m_complete = false;
    std::vector<int> m_splits; // where the layout copy's paragraphs were cut for footnotes
    std::unique_ptr<PageNotes> m_notes;
    bool m_hasLeaders = false;
    std::unique_ptr<TextLayerNames> m_names;
    bool m_sourceReading = false;
    std::unique_ptr<RtfReading> m_reading; // of the layout copy, while pages need more of it
    int m_preparedBlocks = 0;
    int m_keptGlyphs = 0; // characters whose glyphs are kept
    // The characters of the page formatRange() laid out last.
    int m_pageFrom = 0;
    int m_pageTo = 0;
    qreal m_indentScale = 1;
    qreal m_tableWidth = 0;
};

} // namespace pagora
