#pragma once

#include "layout/LayoutDocument.h"

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
        PrintOnly, // only for one printer: laid out in place, formats brought to the device and
                   // characters added where the layout needs them
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
        size_t piece;
    };
    // A piece of a document too long for one layout: where it starts in the source and in
    // the piece before, and its first page.
    struct Piece
    {
        int start;
        int cutAt;
        size_t firstSlice;
    };
    void ensureLayout(QPaintDevice* target, const QRect& area);
    // Ends the piece being laid out at one of its pages, if one can start a piece.
    bool cutPiece();
    // Makes `piece` the one laid out: the first is made again, and later ones cut from it.
    void enterPiece(size_t piece);
    // The layout's pages: where each starts. They are found block by block, as far as they
    // are needed.
    void restartSlices();
    void sliceLayout();
    void sliceNextBlock();
    // Until a page starts after character `first` (source), or there are no more.
    void sliceBeyond(int first);
    // Makes room for each page's footnotes.
    void placeNotes();
    // The lines of the slice's page, and only those, into `area`; `next` is the page after
    // it, or none.
    void drawPage(QPainter* painter, const QRect& area, const Slice& slice, const Slice* next);

    QTextDocument* m_source;
    LayoutDocument m_doc;
    const QPaintDevice* m_target = nullptr;
    int m_dpiX = 0, m_dpiY = 0;
    QSize m_area;
    int m_revision = -1;
    std::vector<Slice> m_slices;
    std::vector<Piece> m_pieces;
    size_t m_cutChecked = 0; // slices that cannot start a piece, or were looked at
    int m_scanAt = 0;        // where pages are being found, while another piece is laid out
    int m_textEnd = 0;
    QTextBlock m_scan; // the next block to find pages in
    bool m_complete = false;
    std::unique_ptr<PageNotes> m_notes;
    std::unique_ptr<TextLayerNames> m_names;
    // The characters of the page formatRange() laid out last.
    int m_pageFrom = 0;
    int m_pageTo = 0;
    qreal m_pageTop = 0; // device pixels, in its piece's layout
};

} // namespace pagora
