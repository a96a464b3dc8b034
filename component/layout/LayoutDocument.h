#pragma once

#include <QByteArray>
#include <QSize>
#include <memory>
#include <vector>

class QPaintDevice;
class QTextBlock;
class QTextDocument;

namespace pagora {

class RtfReading;

// The document Qt lays out for a device, and the mends that make its layout a word
// processor's. It is the source itself when that is only printed, else a copy: read again from
// the file as far as the pages asked for need, or cloned. A document too long for one layout is
// laid out a piece at a time, each piece all of the text from one page on.
class LayoutDocument
{
public:
    explicit LayoutDocument(bool printOnly);
    ~LayoutDocument();

    // `rtf`, when given, is what the source was read from; `reading`: it is still being read
    // from it, and changes only as it says until sourceRead().
    void setSource(QTextDocument* source, const QByteArray& rtf, bool reading);
    void sourceRead();
    bool sourceReading() const { return m_sourceReading; }

    // The first piece, laid out for `target` on pages of `area` (twips).
    void make(QPaintDevice* target, QSize area);
    void release();

    QTextDocument* layout() const { return m_layout; }
    qreal pageWidth() const { return m_pageWidth; }   // device pixels
    qreal pageHeight() const { return m_pageHeight; } // device pixels
    bool hasLeaders() const { return m_hasLeaders; }
    int dpiX() const;
    int dpiY() const;

    // Whether the file is still being read into the layout.
    bool reading() const { return m_reading != nullptr; }
    // Reads the next part of the file; the text from `at` on is laid out again.
    void readOn(int at);

    size_t piece() const { return m_piece; }
    // Back to the first piece.
    void startOver();
    // On to the next piece, which starts at `at` in this one and at `start` in the source.
    void cut(int at, int start);

    // Where the layout has a character that the source had not, in this piece: a paragraph
    // cut in two, or a space for an indent.
    std::vector<int>& splits() { return m_splits; }
    // The characters the layout added to a source laid out in place.
    int addedToSource() const { return m_addedToSource; }
    // A position in the source as the file gave it, before the layout added characters to a
    // source laid out in place.
    int sourceOwn(int position) const;
    int toSource(int at) const;
    // Where a character of the source stands in this piece.
    int toLayout(int source) const;

private:
    // Brings the blocks read since the last time to the device; the block being read waits.
    void prepareBlocks();
    // A first line's indent, in a paragraph with tabs, made of a space before its text.
    void indentBySpace(const QTextBlock& block);
    // Room for the frames anchored at `block`, before it; the block of its text after that.
    QTextBlock makeRooms(QTextBlock block);
    void readAll();
    // The space above the first paragraph, which Qt leaves out.
    void keepSpaceAtTop();
    void setUpLayout();

    bool m_printOnly;
    QTextDocument* m_source = nullptr;
    QByteArray m_rtf;
    int m_rtfRevision = -1;
    bool m_sourceReading = false;
    bool m_prepared = false;     // printed only: the source has been brought to the device
    bool m_firstInPlace = false; // the first piece is the source itself
    std::unique_ptr<QTextDocument> m_copy;
    std::unique_ptr<RtfReading> m_reading; // of the copy, while pages need more of it
    QTextDocument* m_layout = nullptr;     // the copy, or the source itself
    QPaintDevice* m_target = nullptr;
    QSize m_area;
    qreal m_pageWidth = 0;
    qreal m_pageHeight = 0;
    qreal m_indentScale = 1;
    qreal m_tableWidth = 0;
    bool m_hasLeaders = false;
    int m_preparedBlocks = 0;
    int m_keptGlyphs = 0;         // characters whose glyphs are kept
    qsizetype m_framesPassed = 0; // the frames anchored in the prepared blocks
    int m_rooms = 0;              // made for them
    std::vector<int> m_splits;
    std::vector<int> m_sourceSplits; // those of a source laid out in place
    int m_addedToSource = 0;
    size_t m_piece = 0;
    int m_offset = 0; // where the piece starts in the source
};

} // namespace pagora
