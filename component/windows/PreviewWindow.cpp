#include "PreviewWindow.h"

#include "layout/RichTextBox.h"
#include "printing/QtPrinter.h"
#include "units/Twips.h"
#include "windows/MessageReport.h"
#include "windows/Messages.h"
#include "windows/PreviewCanvas.h"
#include "windows/PreviewToolbar.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>
#include <cmath>

namespace pagora {

namespace {

// The window's geometry is designed in twips.
int px(const QWidget* w, double twips)
{
    return Twips::x(w, twips);
}

} // namespace

PreviewWindow::PreviewWindow(Settings settings)
    : QWidget(nullptr, Qt::Window), m_settings(std::move(settings)), m_output(this)
{
    setObjectName(m_settings.objectName);
    setWindowTitle(QStringLiteral("Tessaly Print Preview ActiveX Object"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_toolbar = new PreviewToolbar(this);
    m_percent = m_toolbar->percent;
    m_slider = m_toolbar->slider;
    connectToolbar();

    m_viewport = new QScrollArea(this);
    m_viewport->setObjectName(QStringLiteral("picParent"));
    m_viewport->setBackgroundRole(QPalette::Mid);
    m_viewport->setFrameShape(QFrame::NoFrame);
    m_canvas = new PreviewCanvas;
    m_viewport->setWidget(m_canvas);
    m_vertical = m_viewport->verticalScrollBar();
    m_vertical->setObjectName(QStringLiteral("vscPreview"));
    m_horizontal = m_viewport->horizontalScrollBar();
    m_horizontal->setObjectName(QStringLiteral("hscPreview"));
    m_corner = new QWidget;
    m_corner->setObjectName(QStringLiteral("imgCorner"));
    m_corner->setAutoFillBackground(true);
    m_viewport->setCornerWidget(m_corner);
    m_viewport->installEventFilter(this);
    m_viewport->viewport()->installEventFilter(this);

    m_layOutTimer = new QTimer(this);
    m_layOutTimer->setSingleShot(true);
    m_layOutTimer->setInterval(0);
    connect(m_layOutTimer, &QTimer::timeout, this, &PreviewWindow::layOutMore);
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
    showPage(0);
}

void PreviewWindow::connectToolbar()
{
    connect(m_toolbar->print, &QPushButton::clicked, this, [this] {
        if (m_settings.print)
            m_settings.print(m_output.chosen());
        close();
    });
    connect(m_toolbar->printer, &QPushButton::clicked, this, &PreviewWindow::choosePrinter);
    connect(m_toolbar->savePdf, &QPushButton::clicked, this, &PreviewWindow::savePdf);
    connect(m_toolbar->zoomIn, &QPushButton::clicked, this, &PreviewWindow::ZoomIn);
    connect(m_toolbar->zoomOut, &QPushButton::clicked, this, &PreviewWindow::ZoomOut);
    connect(m_percent, &QComboBox::currentIndexChanged, this, &PreviewWindow::zoomChosen);
    connect(m_toolbar->done, &QPushButton::clicked, this, &QWidget::close);
    connect(m_slider, &QScrollBar::valueChanged, this, &PreviewWindow::pageSelectorChanged);
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
    m_horizontal->setValue(0);
    m_vertical->setValue(0);
    QString text = m_percent->itemText(index);
    text.chop(1);
    m_zoom = text.toInt();
    PictureShow();
    relayout();
}

void PreviewWindow::SizePreview(int lWidth, int lHeight)
{
    m_surfaces.SizePreview(lWidth, lHeight);
    showPage(0);
    PictureShow();
    relayout();
}

void PreviewWindow::AddPage(int PageNumber)
{
    if (PageNumber <= 1)
        return;
    m_surfaces.AddPage(PageNumber);
    // Pages laid out while the window is shown get their tabs together, now and then: a shown
    // tab bar measures all its tabs again for each one added.
    if (!m_layOut)
        m_tabs->insertTab(PageNumber - 1, QStringLiteral("Page ") + QString::number(PageNumber));
}

void PreviewWindow::addArrivedPages()
{
    if (m_tabs->count() >= m_surfaces.count())
        return;
    const bool shown = m_tabs->isVisible();
    m_tabs->hide();
    for (int page = m_tabs->count() + 1; page <= m_surfaces.count(); ++page)
        m_tabs->addTab(QStringLiteral("Page ") + QString::number(page));
    m_tabs->setVisible(shown);
    m_slider->setMaximum(std::max(1, m_tabs->count()));
    m_toolbar->setNavigationEnabled(m_tabs->count() > 1);
    pageSelectorChanged(m_slider->value());
    m_sinceArrival.restart();
}

void PreviewWindow::continueWith(const std::function<bool(ErrorReport&)>& step, ErrorReport&)
{
    m_layOut = step;
    m_sinceArrival.start();
    m_layOutTimer->start();
}

void PreviewWindow::layOutMore()
{
    if (!m_layOut)
        return;
    MessageReport errors(this);
    QElapsedTimer clock;
    clock.start();
    bool more = true;
    while (more && clock.elapsed() < 40)
        more = m_layOut(errors);
    if (!more)
        m_layOut = nullptr;
    if (!more || m_sinceArrival.elapsed() > 500)
        addArrivedPages();
    if (more)
        m_layOutTimer->start();
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
    m_canvas->setZoom(m_zoom);
    CenterPage();
    QApplication::restoreOverrideCursor();
    relayout();
}

void PreviewWindow::SetScrollBars()
{
    // Decided here rather than left to the scroll area, whose own decision arrives only after
    // the next turn of the event loop: the bars must match the page as soon as it is zoomed.
    const QSize room = m_canvas->room();
    const QSize inner = m_viewport->contentsRect().size();
    const int barWidth = m_vertical->sizeHint().width();
    const int barHeight = m_horizontal->sizeHint().height();
    bool vertical = room.height() > inner.height();
    bool horizontal = room.width() > inner.width() - (vertical ? barWidth : 0);
    vertical = vertical || room.height() > inner.height() - (horizontal ? barHeight : 0);
    m_viewport->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn
                                                    : Qt::ScrollBarAlwaysOff);
    m_viewport->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
    m_canvas->fit(inner - QSize(vertical ? barWidth : 0, horizontal ? barHeight : 0));
    for (QScrollBar* bar : {m_vertical, m_horizontal})
        bar->setSingleStep(px(this, 500));
    m_corner->setVisible(horizontal);
}

void PreviewWindow::CenterPage()
{
    if (m_fitting)
        return;
    m_fitting = true;
    SetScrollBars();
    m_fitting = false;
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
    m_toolbar->placeDone();
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
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_viewport)
            viewportResized();
        else if (watched == m_viewport->viewport())
            CenterPage();
    }
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
    m_canvas->setPageText(QStringLiteral("Page %1 of %2").arg(value).arg(m_slider->maximum()));
    if (m_tabs->count() == 1)
        return;
    m_toolbar->setNavigationButtons(value);
}

void PreviewWindow::tabClicked(int index)
{
    if (index < 0 || index >= m_surfaces.count())
        return;
    relayout();
    m_horizontal->setValue(0);
    m_vertical->setValue(0);
    if (m_slider->value() != index + 1)
        m_slider->setValue(index + 1);
    showPage(index);
    PictureShow();
}

void PreviewWindow::showPage(int index)
{
    m_canvas->showPicture(&m_surfaces.page(index), m_surfaces.pageSize());
}

void PreviewWindow::activated()
{
    // Coming back to the window keeps the page that was shown.
    showPage(std::max(0, m_slider->value() - 1));
    PictureShow();
    relayout();
    m_slider->setMaximum(std::max(1, m_tabs->count()));
    m_toolbar->setNavigationEnabled(m_tabs->count() > 1);
    pageSelectorChanged(m_slider->value());
}

void PreviewWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        activated();
    else if (m_settings.closeWhenDeactivated && isVisible() && !m_output.inDialog())
        close();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::choosePrinter()
{
    m_output.choosePrinter();
}

void PreviewWindow::savePdf()
{
    if (m_settings.document)
        m_output.savePdf(*m_settings.document);
}

} // namespace pagora
