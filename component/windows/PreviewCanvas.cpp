#include "PreviewCanvas.h"

#include "units/Twips.h"
#include "windows/PageGuide.h"
#include "windows/PageView.h"

#include <QLabel>

namespace pagora {

namespace {

QWidget* shadow(const QString& name, QWidget* parent)
{
    auto* box = new QWidget(parent);
    box->setObjectName(name);
    box->setAutoFillBackground(true);
    box->setBackgroundRole(QPalette::Dark);
    return box;
}

// Room left around the page, in twips: the page number sits in the top one.
constexpr int SideMargin = 240;
constexpr int TopMargin = 480;
constexpr int PageNumberWidth = 1500, PageNumberHeight = 255;

} // namespace

PreviewCanvas::PreviewCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("previewCanvas"));
    setBackgroundRole(QPalette::Mid);
    // The shadows go first, so that the page is drawn over their inner ends.
    m_rightShadow = shadow(QStringLiteral("picture1"), this);
    m_bottomShadow = shadow(QStringLiteral("Label1"), this);
    m_page = new PageView(this);
    m_guides[0] = new PageGuide(QStringLiteral("picV1_0"), Qt::Vertical, this);
    m_guides[1] = new PageGuide(QStringLiteral("picV1_1"), Qt::Vertical, this);
    m_guides[2] = new PageGuide(QStringLiteral("picH_0"), Qt::Horizontal, this);
    m_guides[3] = new PageGuide(QStringLiteral("picH_1"), Qt::Horizontal, this);
    m_pageNumberBox = new QWidget(this);
    m_pageNumberBox->setObjectName(QStringLiteral("picPageNum"));
    m_pageNumber = new QLabel(QStringLiteral("Page 1 Of 1"), m_pageNumberBox);
    m_pageNumber->setObjectName(QStringLiteral("Label2"));
    m_pageNumber->setAlignment(Qt::AlignCenter);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(8);
    m_pageNumber->setFont(tahoma);
}

int PreviewCanvas::px(double twips) const
{
    return Twips::x(this, twips);
}

void PreviewCanvas::showPicture(const QPicture* picture, QSize surfaceTwips)
{
    m_surface = surfaceTwips;
    m_page->setPicture(picture, surfaceTwips);
}

void PreviewCanvas::setZoom(int percent)
{
    m_zoom = percent;
    m_page->resize(px(m_surface.width() * m_zoom / 100.0), px(m_surface.height() * m_zoom / 100.0));
}

QSize PreviewCanvas::room() const
{
    const double z = m_zoom / 100.0;
    return {m_page->width() + px(120 * z) + 2 * px(SideMargin),
            m_page->height() + px(90 * z) + px(TopMargin) + px(SideMargin)};
}

void PreviewCanvas::fit(QSize viewport)
{
    resize(room().expandedTo(viewport));
    placeAroundPage();
}

void PreviewCanvas::setPageText(const QString& text)
{
    m_pageNumber->setText(text);
}

void PreviewCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeAroundPage();
}

void PreviewCanvas::placeAroundPage()
{
    const QSize page = m_page->size();
    const QSize free = size() - room();
    m_page->move(px(SideMargin) + std::max(0, free.width() / 2),
                 px(TopMargin) + std::max(0, free.height() / 2));
    const QRect r = m_page->geometry();
    const double z = m_zoom / 100.0;
    m_rightShadow->setGeometry(r.right() + 1 - px(20), r.top() + px(80 * z), px(120 * z),
                               page.height());
    m_bottomShadow->setGeometry(r.left() + px(80 * z), r.bottom() + 1, page.width(), px(90 * z));
    m_guides[0]->setGeometry(r.right() + 1 - px(z * RightGuide), r.top(), px(15), page.height());
    m_guides[1]->setGeometry(r.left() + px(z * LeftGuide), r.top(), px(15), page.height());
    m_guides[2]->setGeometry(r.left() + px(10), r.top() + px(z * TopGuide), page.width() - px(20),
                             px(15));
    m_guides[3]->setGeometry(r.left() + px(10), r.bottom() + 1 - px(z * BottomGuide),
                             page.width() - px(20), px(15));
    const QSize box(px(PageNumberWidth), px(PageNumberHeight));
    m_pageNumberBox->setGeometry(r.left() + page.width() / 2 - box.width() / 2,
                                 r.top() - box.height() - px(80), box.width(), box.height());
    m_pageNumber->setGeometry(0, 0, box.width(), box.height());
}

} // namespace pagora
