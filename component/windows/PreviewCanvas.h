#pragma once

#include <QWidget>

class QLabel;
class QPicture;

namespace pagora {

class PageGuide;
class PageView;

// What the preview's viewport scrolls: the shown page (picChild) at the window's zoom, with its
// shadows, margin guides and page number placed around it. The canvas is at least as large as
// the viewport, so that a page smaller than the viewport sits in its middle.
class PreviewCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewCanvas(QWidget* parent = nullptr);

    // The picture of a page surface and the surface's size in twips.
    void showPicture(const QPicture* picture, QSize surfaceTwips);
    void setZoom(int percent);
    // Sizes the canvas for a viewport of this size and centres the page in it where it fits.
    void fit(QSize viewport);
    void setPageText(const QString& text);
    // The size the page needs with its shadows and the room around it.
    QSize room() const;

    // Margin guides at 100% zoom, in twips inside the page's edges.
    static constexpr int LeftGuide = 320, RightGuide = 560, TopGuide = 440, BottomGuide = 600;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeAroundPage();
    int px(double twips) const;

    QSize m_surface;
    int m_zoom = 100;
    PageView* m_page;
    QWidget* m_rightShadow;
    QWidget* m_bottomShadow;
    PageGuide* m_guides[4];
    QWidget* m_pageNumberBox;
    QLabel* m_pageNumber;
};

} // namespace pagora
