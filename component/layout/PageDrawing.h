#pragma once

#include <QRect>

class QPainter;
class QTextDocument;

namespace pagora {

class PageNotes;
class TextLayerNames;

// One page of a laid-out document, drawn into a rectangle of the painter's twips: its lines
// and no others, its tab leaders and its footnotes; the text layer learns its characters.
struct PageDrawing
{
    const QTextDocument* layout;
    qreal pageHeight; // device pixels
    int dpiX, dpiY;
    int page;                   // the page's place in the layout, from 0
    int layoutStart, layoutEnd; // its characters in the layout
    int start, end;             // and in the source document, which the notes follow
    bool leaders;
    const PageNotes* notes;
    TextLayerNames* names;

    void draw(QPainter* painter, const QRect& area) const;
};

} // namespace pagora
