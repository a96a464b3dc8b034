#include "PageGeometry.h"

#include "document/PageStyle.h"
#include "printing/Printer.h"

#include <algorithm>

namespace pagora {

namespace {

// RTF's margins for a file that gives its paper and not them.
constexpr int DefaultSide = 1800;
constexpr int DefaultEnd = 1440;
// Less text width or height than this is no page to print on.
constexpr int SmallestText = 1440;

} // namespace

PageGeometry::PageGeometry(const QTextDocument* document, Printer& printer, int left, int top,
                           int right, int bottom)
    : m_printer(printer), m_left(left), m_top(top), m_right(right), m_bottom(bottom)
{
    const PageStyle* style = PageStyle::of(document);
    if (!style || !style->givesPage())
        return;
    if (style->paperWidth > 0 || style->paperHeight > 0 || style->landscape) {
        int width = style->paperWidth > 0 ? style->paperWidth : printer.width();
        int height = style->paperHeight > 0 ? style->paperHeight : printer.height();
        // \landscape says the paper lies on its side, whichever way its size was written.
        if (style->landscape && width < height)
            std::swap(width, height);
        if (width != printer.width() || height != printer.height()) {
            m_paperWidth = printer.width();
            m_paperHeight = printer.height();
            printer.setPaper(width, height);
        }
    }
    const int w = printer.width(), h = printer.height();
    const int reachLeft = printer.physicalOffsetX();
    const int reachTop = printer.physicalOffsetY();
    const int reachRight = std::max(0, w - reachLeft - printer.scaleWidth());
    const int reachBottom = std::max(0, h - reachTop - printer.scaleHeight());
    auto margin = [](int given, int fallback, int reach) {
        return std::max(given >= 0 ? given : fallback, reach);
    };
    const int l = margin(style->marginLeft, DefaultSide, reachLeft);
    const int r = margin(style->marginRight, DefaultSide, reachRight);
    const int t = margin(style->marginTop, DefaultEnd, reachTop);
    const int b = margin(style->marginBottom, DefaultEnd, reachBottom);
    if (w - l - r < SmallestText || h - t - b < SmallestText)
        return;
    m_left = l;
    m_right = r;
    m_top = t;
    m_bottom = b;
}

PageGeometry::~PageGeometry()
{
    if (m_paperWidth > 0)
        m_printer.setPaper(m_paperWidth, m_paperHeight);
}

} // namespace pagora
