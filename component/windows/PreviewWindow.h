#pragma once

#include "printing/PageSurfaces.h"
#include "printing/PreviewTarget.h"
#include "windows/PreviewOutput.h"

#include <QElapsedTimer>

#include <QWidget>
#include <functional>
#include <memory>

class QComboBox;
class QScrollArea;
class QScrollBar;
class QTabBar;
class QTimer;

namespace pagora {

class PreviewCanvas;
class PreviewToolbar;
class Printer;
class RichTextBox;

// "Tessaly Print Preview ActiveX Object": a laid-out document page by page, with zoom,
// scrolling, page navigation, printing and saving as PDF. One design for both instances;
// what differs between them is set by the one that opens it.
class PreviewWindow : public QWidget, public PreviewTarget
{
    Q_OBJECT
public:
    struct Settings
    {
        QString objectName; // frmPreview or frmJustPreview
        bool closeWhenDeactivated = false;
        // What "&Print" does before the window closes: print on the printer chosen with
        // "Printer...", or on the current one when none was chosen (nullptr).
        std::function<void(Printer*)> print;
        RichTextBox* document = nullptr; // what "Save PDF…" writes
    };

    explicit PreviewWindow(Settings settings);
    ~PreviewWindow() override;

    // PreviewTarget
    void SizePreview(int lWidth, int lHeight) override;
    void AddPage(int PageNumber) override;
    QPaintDevice* pageSurface(int index) override;
    void showPreview() override;
    void continueWith(const std::function<bool(ErrorReport&)>& step, ErrorReport& errors) override;

    void PictureShow();
    void ZoomIn();
    void ZoomOut();
    void savePdf();
    // "Printer...": the system's print dialog; its choice holds for this window's next Print.
    void choosePrinter();

    int zoomPercent() const { return m_zoom; }
    int currentPage() const;
    int pageCount() const { return m_surfaces.count(); }
    const PageSurfaces& surfaces() const { return m_surfaces; }

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectToolbar();
    void FillZoomList();
    void zoomChosen(int index);
    void SetScrollBars();
    void CenterPage();
    void relayout();
    void viewportResized();
    void pageSelectorChanged(int value);
    void tabClicked(int index);
    void activated();
    void showPage(int index);
    // Lays out more of the pages to come, for a moment, and then lets the window be used.
    void layOutMore();
    // The pages laid out since the last time join the tabs and the page selector.
    void addArrivedPages();

    Settings m_settings;
    PageSurfaces m_surfaces;
    int m_zoom = 100;
    bool m_isLoading = false;
    // The canvas is being fitted to the viewport, whose bars may come and go meanwhile.
    bool m_fitting = false;

    PreviewToolbar* m_toolbar;
    QComboBox* m_percent;
    QScrollBar* m_slider;
    PreviewOutput m_output;
    QScrollArea* m_viewport;
    PreviewCanvas* m_canvas;
    QScrollBar* m_vertical;
    QScrollBar* m_horizontal;
    QWidget* m_corner;
    QTabBar* m_tabs;
    std::function<bool(ErrorReport&)> m_layOut; // the pages still to come
    QTimer* m_layOutTimer;
    QElapsedTimer m_sinceArrival;
};

} // namespace pagora
