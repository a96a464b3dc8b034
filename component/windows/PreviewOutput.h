#pragma once

#include <memory>

class QWidget;

namespace pagora {

class QtPrinter;
class RichTextBox;

// Where a preview's document goes besides the screen: the printer chosen with "Printer..."
// for the window's next Print, and a PDF file. Its dialogs belong to the window.
class PreviewOutput
{
public:
    explicit PreviewOutput(QWidget* window);
    ~PreviewOutput();

    // The system's print dialog, starting on the last choice or on the system's default queue.
    void choosePrinter();
    // The document on Letter paper with one-inch margins, into a file the user names.
    void savePdf(RichTextBox& document);
    // The printer chosen, or none.
    QtPrinter* chosen() const { return m_chosen.get(); }
    // One of its dialogs is open: the window losing the focus to it stays open.
    bool inDialog() const { return m_inDialog; }

private:
    QWidget* m_window;
    std::unique_ptr<QtPrinter> m_chosen;
    bool m_inDialog = false;
};

} // namespace pagora
