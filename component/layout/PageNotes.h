#pragma once

#include <QtGlobal>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;
class QTextDocument;

namespace pagora {

class PageStyle;
class TextLayerNames;

// A document's footnotes laid out for a device, to print at the foot of the page that has
// their marks: their heights, to keep that much of the page free, and their drawing.
class PageNotes
{
public:
    // `width` device pixels wide; `gap` is the space above the notes, with the rule in it.
    PageNotes(const PageStyle& style, QPaintDevice* target, qreal width, qreal gap);
    ~PageNotes();

    bool isEmpty() const { return m_notes.empty(); }
    // The height of the notes whose marks are at characters `from` to `to` (not included),
    // with the space above them; 0 when there are none.
    qreal height(int from, int to) const;
    // Those notes, their last line ending at `bottom`; their glyphs noted in `names`.
    void draw(QPainter* painter, int from, int to, qreal bottom, TextLayerNames* names) const;

private:
    struct Note
    {
        int position;
        std::unique_ptr<QTextDocument> text;
        qreal height;
    };
    std::vector<Note> m_notes; // in the order of their marks
    qreal m_gap;
    qreal m_width;
};

} // namespace pagora
