#pragma once

#include <QWidget>

class QComboBox;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace pagora {

// The preview's toolbar strip (picToolbar): print, printer, PDF, zoom, and the page selector
// with its four navigation buttons, placed as designed in twips. The preview window connects
// the controls; the navigation buttons move the page selector themselves.
class PreviewToolbar : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewToolbar(QWidget* parent);

    // Keeps "&Done" at its distance from the strip's right end.
    void placeDone();
    // The page selector and the four buttons.
    void setNavigationEnabled(bool enabled);
    // First and previous off on the first page, next and last off on the last.
    void setNavigationButtons(int page);

    QPushButton* print;
    QPushButton* printer;
    QPushButton* savePdf;
    QPushButton* zoomIn;
    QPushButton* zoomOut;
    QComboBox* percent;
    QScrollBar* slider;
    QPushButton* done;

private:
    QWidget* m_navigation;
    QToolButton* m_start;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_end;
};

} // namespace pagora
