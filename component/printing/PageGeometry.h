#pragma once

class QTextDocument;

namespace pagora {

class Printer;

// The margins a document prints with, and the paper: the document's own when it gives them,
// within what the printer can reach, else the printer's paper and the caller's margins. While
// it lives, the printer has the document's paper; it gets its own back afterwards.
class PageGeometry
{
public:
    PageGeometry(const QTextDocument* document, Printer& printer, int left, int top, int right,
                 int bottom);
    ~PageGeometry();
    PageGeometry(const PageGeometry&) = delete;
    PageGeometry& operator=(const PageGeometry&) = delete;

    int left() const { return m_left; }
    int top() const { return m_top; }
    int right() const { return m_right; }
    int bottom() const { return m_bottom; }

private:
    Printer& m_printer;
    int m_left, m_top, m_right, m_bottom;
    int m_paperWidth = 0, m_paperHeight = 0; // the printer's own, when it was changed
};

} // namespace pagora
