#include "PreviewWindow.h"

#include "errors/PagoraError.h"
#include "layout/RichTextBox.h"
#include "printing/PrintRoutines.h"
#include "printing/QtPrinter.h"
#include "units/Twips.h"
#include "windows/Messages.h"
#include "windows/PageView.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <cmath>

namespace pagora {

namespace {

// The window's geometry is designed in twips.
int px(const QWidget* w, double twips)
{
    return Twips::x(w, twips);
}

// A margin guide: a thin dotted line along a strip.
class Guide : public QWidget
{
public:
    Guide(const QString& name, bool vertical, QWidget* parent)
        : QWidget(parent), m_vertical(vertical)
    {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
        if (m_vertical)
            p.drawLine(width() / 2, 0, width() / 2, height());
        else
            p.drawLine(0, height() / 2, width(), height() / 2);
    }

private:
    bool m_vertical;
};

QWidget* shadow(const QString& name, QWidget* parent)
{
    auto* box = new QWidget(parent);
    box->setObjectName(name);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Dark));
    box->setPalette(palette);
    return box;
}

} // namespace

PreviewWindow::PreviewWindow(Settings settings)
    : QWidget(nullptr, Qt::Window), m_settings(std::move(settings))
{
    setObjectName(m_settings.objectName);
    setWindowTitle(QStringLiteral("Tessaly Print Preview ActiveX Object"));
    setAttribute(Qt::WA_DeleteOnClose);

    buildToolbar();

    m_viewport = new QWidget(this);
    m_viewport->setObjectName(QStringLiteral("picParent"));
    m_viewport->setAutoFillBackground(true);
    QPalette viewportPalette = m_viewport->palette();
    viewportPalette.setColor(QPalette::Window, viewportPalette.color(QPalette::Mid));
    m_viewport->setPalette(viewportPalette);
    m_viewport->installEventFilter(this);

    m_rightShadow = shadow(QStringLiteral("picture1"), m_viewport);
    m_bottomShadow = shadow(QStringLiteral("Label1"), m_viewport);
    m_page = new PageView(m_viewport);
    m_guides[0] = new Guide(QStringLiteral("picV1_0"), true, m_viewport);
    m_guides[1] = new Guide(QStringLiteral("picV1_1"), true, m_viewport);
    m_guides[2] = new Guide(QStringLiteral("picH_0"), false, m_viewport);
    m_guides[3] = new Guide(QStringLiteral("picH_1"), false, m_viewport);
    m_pageNumberBox = new QWidget(m_viewport);
    m_pageNumberBox->setObjectName(QStringLiteral("picPageNum"));
    m_pageNumber = new QLabel(QStringLiteral("Page 1 Of 1"), m_pageNumberBox);
    m_pageNumber->setObjectName(QStringLiteral("Label2"));
    m_pageNumber->setAlignment(Qt::AlignCenter);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(8);
    m_pageNumber->setFont(tahoma);

    m_vertical = new QScrollBar(Qt::Vertical, m_viewport);
    m_vertical->setObjectName(QStringLiteral("vscPreview"));
    m_horizontal = new QScrollBar(Qt::Horizontal, m_viewport);
    m_horizontal->setObjectName(QStringLiteral("hscPreview"));
    for (QScrollBar* bar : {m_vertical, m_horizontal}) {
        bar->setSingleStep(px(this, 500));
        bar->setPageStep(px(this, 2000));
        bar->hide();
    }
    m_corner = new QWidget(m_viewport);
    m_corner->setObjectName(QStringLiteral("imgCorner"));
    m_corner->setAutoFillBackground(true);
    m_corner->hide();
    connect(m_vertical, &QScrollBar::valueChanged, this, [this](int v) {
        if (m_adjusting)
            return;
        m_page->move(m_page->x(), -v);
        placeAroundPage();
    });
    connect(m_horizontal, &QScrollBar::valueChanged, this, [this](int v) {
        if (m_adjusting)
            return;
        m_page->move(-v, m_page->y());
        placeAroundPage();
    });

    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("tabPreview"));
    m_tabs->addTab(QStringLiteral("Page 1"));
    m_tabs->setExpanding(false);
    connect(m_tabs, &QTabBar::tabBarClicked, this, &PreviewWindow::tabClicked);

    auto shortcut = [this](QKeySequence keys, auto action) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::Key_Escape), [this] { close(); });
    shortcut(QKeySequence(Qt::Key_PageUp), [this] { m_vertical->setValue(m_vertical->minimum()); });
    shortcut(QKeySequence(Qt::Key_PageDown),
             [this] { m_vertical->setValue(m_vertical->maximum()); });
    // The number pad's + and -. X11's key mapper offers them to shortcuts without the keypad
    // modifier, so a shortcut that names it never fires; these also take the main keys.
    shortcut(QKeySequence(Qt::Key_Plus), [this] {
        ZoomIn();
        CenterPage();
    });
    shortcut(QKeySequence(Qt::Key_Minus), [this] {
        ZoomOut();
        CenterPage();
    });

    // Load: the screen's size, the zoom list at 100%.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size());
    m_isLoading = true;
    FillZoomList();
    m_zoom = 100;
    m_isLoading = false;
    m_page->setPicture(&m_surfaces.page(0), m_surfaces.pageSize());
}

void PreviewWindow::buildToolbar()
{
    m_toolbar = new QWidget(this);
    m_toolbar->setObjectName(QStringLiteral("picToolbar"));
    auto button = [this](const QString& name, const QString& caption, int left, int width) {
        auto* b = new QPushButton(caption, m_toolbar);
        b->setObjectName(name);
        b->setGeometry(px(this, left), px(this, 40), px(this, width), px(this, 375));
        b->setAutoDefault(false);
        return b;
    };
    // "Save PDF…" follows "&Print"; the controls after it move right by its width, and the zoom
    // list is wide enough to show "100%" whole.
    // "Printer..." sits between them, and moves them right by its own width.
    constexpr int shift = 2 * 1170;
    m_print = button(QStringLiteral("btnPreview_0"), QStringLiteral("&Print"), 120, 795);
    m_printer = button(QStringLiteral("btnPrinter"), QStringLiteral("P&rinter..."), 990, 1095);
    m_savePdf =
        button(QStringLiteral("btnSavePdf"), QStringLiteral("Save PDF\u2026"), 990 + 1170, 1095);
    m_zoomIn = button(QStringLiteral("btnPreview_1"), QStringLiteral("Zoom &In"), 990 + shift, 855);
    m_zoomOut =
        button(QStringLiteral("btnPreview_2"), QStringLiteral("Zoom &Out"), 1920 + shift, 975);

    m_percent = new QComboBox(m_toolbar);
    m_percent->setObjectName(QStringLiteral("cboPercent"));
    m_percent->setEditable(false);
    m_percent->setGeometry(px(this, 3000 + shift), px(this, 40), px(this, 1005), px(this, 375));

    m_navigation = new QWidget(m_toolbar);
    m_navigation->setObjectName(QStringLiteral("Picture2"));
    m_navigation->setGeometry(px(this, 4110 + shift), px(this, 40), px(this, 4695), px(this, 375));
    m_slider = new QScrollBar(Qt::Horizontal, m_navigation);
    m_slider->setObjectName(QStringLiteral("Slider1"));
    m_slider->setGeometry(0, px(this, 30), px(this, 3000), px(this, 315));
    m_slider->setRange(1, 2);
    m_slider->setValue(1);
    m_slider->setPageStep(1);
    auto nav = [this](const QString& name, QStyle::StandardPixmap icon, int left) {
        auto* b = new QToolButton(m_navigation);
        b->setObjectName(name);
        b->setIcon(style()->standardIcon(icon));
        b->setGeometry(px(this, left), px(this, 30), px(this, 315), px(this, 315));
        return b;
    };
    m_start = nav(QStringLiteral("cmdStart"), QStyle::SP_MediaSkipBackward, 3120);
    m_previous = nav(QStringLiteral("cmdPrevious"), QStyle::SP_MediaSeekBackward, 3480);
    m_next = nav(QStringLiteral("cmdNext"), QStyle::SP_MediaSeekForward, 3840);
    m_end = nav(QStringLiteral("cmdEnd"), QStyle::SP_MediaSkipForward, 4200);
    m_start->setAccessibleName(QStringLiteral("First page"));
    m_previous->setAccessibleName(QStringLiteral("Previous page"));
    m_next->setAccessibleName(QStringLiteral("Next page"));
    m_end->setAccessibleName(QStringLiteral("Last page"));

    m_done = new QPushButton(QStringLiteral("&Done"), m_toolbar);
    m_done->setObjectName(QStringLiteral("cmdClose"));
    m_done->setAutoDefault(false);

    connect(m_print, &QPushButton::clicked, this, [this] {
        if (m_settings.print)
            m_settings.print(m_chosen.get());
        close();
    });
    connect(m_printer, &QPushButton::clicked, this, &PreviewWindow::choosePrinter);
    connect(m_savePdf, &QPushButton::clicked, this, &PreviewWindow::savePdf);
    connect(m_zoomIn, &QPushButton::clicked, this, &PreviewWindow::ZoomIn);
    connect(m_zoomOut, &QPushButton::clicked, this, &PreviewWindow::ZoomOut);
    connect(m_percent, &QComboBox::currentIndexChanged, this, &PreviewWindow::zoomChosen);
    connect(m_done, &QPushButton::clicked, this, &QWidget::close);
    connect(m_slider, &QScrollBar::valueChanged, this, &PreviewWindow::pageSelectorChanged);
    connect(m_start, &QToolButton::clicked, this, [this] { m_slider->setValue(1); });
    connect(m_previous, &QToolButton::clicked, this, [this] {
        if (m_slider->value() != 1)
            m_slider->setValue(m_slider->value() - 1);
    });
    connect(m_next, &QToolButton::clicked, this, [this] {
        if (m_slider->value() != m_slider->maximum())
            m_slider->setValue(m_slider->value() + 1);
    });
    connect(m_end, &QToolButton::clicked, this,
            [this] { m_slider->setValue(m_slider->maximum()); });
}

void PreviewWindow::FillZoomList()
{
    for (int percent = 200; percent >= 30; percent -= 10)
        m_percent->addItem(QString::number(percent) + QLatin1Char('%'));
    m_percent->setCurrentIndex(m_percent->findText(QStringLiteral("100%"), Qt::MatchStartsWith));
}

void PreviewWindow::ZoomIn()
{
    if (m_percent->currentIndex() > 0)
        m_percent->setCurrentIndex(m_percent->currentIndex() - 1);
}

void PreviewWindow::ZoomOut()
{
    if (m_percent->currentIndex() < m_percent->count() - 1)
        m_percent->setCurrentIndex(m_percent->currentIndex() + 1);
}

void PreviewWindow::zoomChosen(int index)
{
    if (m_isLoading || index < 0)
        return;
    m_adjusting = true;
    m_horizontal->setValue(0);
    m_vertical->setValue(0);
    m_adjusting = false;
    QString text = m_percent->itemText(index);
    text.chop(1);
    m_zoom = text.toInt();
    PictureShow();
    relayout();
}

void PreviewWindow::SizePreview(int lWidth, int lHeight)
{
    m_surfaces.SizePreview(lWidth, lHeight);
    m_page->move(0, 0);
    m_page->resize(px(this, lWidth), px(this, lHeight));
    m_page->setPicture(&m_surfaces.page(0), m_surfaces.pageSize());
    relayout();
}

void PreviewWindow::AddPage(int PageNumber)
{
    if (PageNumber <= 1)
        return;
    m_surfaces.AddPage(PageNumber);
    m_tabs->insertTab(PageNumber - 1, QStringLiteral("Page ") + QString::number(PageNumber));
}

QPaintDevice* PreviewWindow::pageSurface(int index)
{
    return m_surfaces.pageSurface(index);
}

void PreviewWindow::showPreview()
{
    showMaximized();
    raise();
    activateWindow();
    activated();
}

int PreviewWindow::currentPage() const
{
    return m_slider->value();
}

void PreviewWindow::PictureShow()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QSize surface = m_surfaces.pageSize();
    m_page->resize(px(this, surface.width() * m_zoom / 100.0),
                   px(this, surface.height() * m_zoom / 100.0));
    SetScrollBars();
    CenterPage();
    QApplication::restoreOverrideCursor();
    relayout();
}

void PreviewWindow::SetScrollBars()
{
    const QSize page = m_page->size();
    const QRect inner = m_viewport->contentsRect();
    m_adjusting = true;
    if (page.height() > m_viewport->height()) {
        m_vertical->setRange(0, page.height() - inner.height());
        m_vertical->setPageStep(std::max(1, page.height() - m_viewport->height()));
        m_vertical->show();
        m_corner->show();
    } else {
        m_vertical->setValue(0);
        m_vertical->hide();
        m_corner->hide();
    }
    if (page.width() > m_viewport->width()) {
        m_horizontal->setRange(0, page.width() - inner.width());
        m_horizontal->setPageStep(std::max(1, page.width() - inner.width()));
        m_horizontal->show();
        m_corner->show();
    } else {
        m_horizontal->setValue(0);
        m_horizontal->hide();
        m_corner->hide();
    }
    m_adjusting = false;
}

void PreviewWindow::CenterPage()
{
    const QSize page = m_page->size();
    const int left =
        page.width() > width() ? -m_horizontal->value() : width() / 2 - page.width() / 2;
    const int top = height() - px(this, 1000) >= page.height()
                        ? height() / 2 - page.height() / 2 - px(this, 910)
                        : -m_vertical->value();
    m_page->move(left, std::max(top, -m_vertical->maximum()));
    placeAroundPage();
}

void PreviewWindow::placeAroundPage()
{
    const QRect page = m_page->geometry();
    const double z = m_zoom / 100.0;
    m_rightShadow->setGeometry(page.right() + 1 - px(this, 20), page.top() + px(this, 80 * z),
                               px(this, 120 * z), page.height());
    m_bottomShadow->setGeometry(page.left() + px(this, 80 * z), page.bottom() + 1, page.width(),
                                px(this, 90 * z));
    m_guides[0]->setGeometry(page.right() + 1 - px(this, z * m_rightGuide), page.top(),
                             px(this, 15), page.height());
    m_guides[1]->setGeometry(page.left() + px(this, z * m_leftGuide), page.top(), px(this, 15),
                             page.height());
    m_guides[2]->setGeometry(page.left() + px(this, 10), page.top() + px(this, z * m_topGuide),
                             page.width() - px(this, 20), px(this, 15));
    m_guides[3]->setGeometry(page.left() + px(this, 10),
                             page.bottom() + 1 - px(this, z * m_bottomGuide),
                             page.width() - px(this, 20), px(this, 15));
    const QSize box(px(this, 1500), px(this, 255));
    m_pageNumberBox->setGeometry(page.left() + page.width() / 2 - box.width() / 2,
                                 std::max(0, page.top() - box.height() - px(this, 40)), box.width(),
                                 box.height());
    m_pageNumber->setGeometry(0, 0, box.width(), box.height());
    m_rightShadow->lower();
    m_bottomShadow->lower();
    for (QWidget* w : {static_cast<QWidget*>(m_page), m_guides[0], m_guides[1], m_guides[2],
                       m_guides[3], m_pageNumberBox, static_cast<QWidget*>(m_vertical),
                       static_cast<QWidget*>(m_horizontal), m_corner})
        w->raise();
}

void PreviewWindow::relayout()
{
    CenterPage();
    if (windowState() == Qt::WindowNoState && width() < px(this, 10560))
        resize(px(this, 10560), height());
    if (isMinimized())
        return;
    const QRect inner = contentsRect();
    m_toolbar->setGeometry(px(this, 80), px(this, 40), inner.width() - px(this, 100),
                           px(this, 480));
    m_done->setGeometry(m_toolbar->width() - px(this, 980), px(this, 40), px(this, 855),
                        px(this, 375));
    placeAroundPage();
    const int tabHeight = m_tabs->sizeHint().height();
    m_tabs->setGeometry(px(this, 80), inner.height() - tabHeight - px(this, 450),
                        inner.width() - px(this, 120), tabHeight);
    m_viewport->setGeometry(
        px(this, 80), m_toolbar->height() + px(this, 100), inner.width() - px(this, 120),
        std::max(1, inner.height() - tabHeight - m_toolbar->height() - px(this, 550)));
}

void PreviewWindow::viewportResized()
{
    if (windowState() == Qt::WindowNoState &&
        (width() < px(this, 12000) || height() < px(this, 8000)))
        resize(std::max(width(), px(this, 12000)), std::max(height(), px(this, 8000)));
    SetScrollBars();
    const QRect inner = m_viewport->contentsRect();
    const int barWidth = m_vertical->sizeHint().width();
    const int barHeight = m_horizontal->sizeHint().height();
    const int hHeight = m_horizontal->isVisible() ? barHeight : 0;
    const int vWidth = m_vertical->isVisible() ? barWidth : 0;
    m_vertical->setGeometry(inner.left() + inner.width() - barWidth, inner.top() + px(this, 20),
                            barWidth, inner.height() - hHeight - px(this, 20));
    m_horizontal->setGeometry(px(this, 20), inner.height() - barHeight,
                              inner.width() - vWidth - px(this, 20), barHeight);
    m_corner->setGeometry(m_vertical->x(), m_horizontal->y(), barWidth, barHeight);
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_viewport && event->type() == QEvent::Resize)
        viewportResized();
    return QWidget::eventFilter(watched, event);
}

void PreviewWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void PreviewWindow::pageSelectorChanged(int value)
{
    if (m_tabs->currentIndex() != value - 1) {
        m_tabs->setCurrentIndex(value - 1);
        tabClicked(value - 1);
        CenterPage();
    }
    m_pageNumber->setText(QStringLiteral("Page %1 of %2").arg(value).arg(m_slider->maximum()));
    if (m_tabs->count() == 1)
        return;
    const bool first = value <= m_slider->minimum();
    const bool last = value >= m_slider->maximum();
    m_start->setEnabled(!first);
    m_previous->setEnabled(!first);
    m_next->setEnabled(!last);
    m_end->setEnabled(!last);
}

void PreviewWindow::tabClicked(int index)
{
    if (index < 0 || index >= m_surfaces.count())
        return;
    relayout();
    m_adjusting = true;
    m_horizontal->setValue(0);
    m_vertical->setValue(0);
    m_adjusting = false;
    if (m_slider->value() != index + 1)
        m_slider->setValue(index + 1);
    showPage(index);
    PictureShow();
}

void PreviewWindow::showPage(int index)
{
    m_page->setPicture(&m_surfaces.page(index), m_surfaces.pageSize());
}

void PreviewWindow::activated()
{
    // Coming back to the window keeps the page that was shown.
    showPage(std::max(0, m_slider->value() - 1));
    PictureShow();
    relayout();
    m_slider->setMaximum(std::max(1, m_tabs->count()));
    const bool several = m_tabs->count() > 1;
    for (QWidget* w : {static_cast<QWidget*>(m_slider), static_cast<QWidget*>(m_start),
                       static_cast<QWidget*>(m_previous), static_cast<QWidget*>(m_next),
                       static_cast<QWidget*>(m_end)})
        w->setEnabled(several);
    pageSelectorChanged(m_slider->value());
}

void PreviewWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        activated();
    else if (m_settings.closeWhenDeactivated && isVisible() && !m_inDialog)
        close();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::choosePrinter()
{
    // The dialog starts on the last choice, or on the system's default queue.
    const bool hadChoice = m_chosen != nullptr;
    std::unique_ptr<QtPrinter> printer =
        hadChoice ? std::move(m_chosen) : QtPrinter::systemDefault();
    m_inDialog = true;
    const bool accepted = Messages::choosePrinter(this, printer->qprinter());
    m_inDialog = false;
    if (accepted)
        printer->chosen();
    if (accepted || hadChoice)
        m_chosen = std::move(printer);
}

void PreviewWindow::savePdf()
{
    if (!m_settings.document)
        return;
    m_inDialog = true;
    const QString path =
        Messages::saveFile(this, QStringLiteral("Save PDF"), QStringLiteral("PDF files (*.pdf)"));
    m_inDialog = false;
    if (path.isEmpty())
        return;
    try {
        auto printer = QtPrinter::pdfFile(path);
        PrintRoutines::PrintRichText(*m_settings.document, 1440, 1440, 1440, 1440, *printer);
    } catch (const PagoraError& e) {
        Messages::error(this, e.number(), e.description());
    }
}

} // namespace pagora
