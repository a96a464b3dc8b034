#pragma once

#include <QWidget>

namespace pagora {

class Printer;
class RichTextBox;

// A window that holds a copy of the current document in its rich-text control, laid out
// for the printer, and can print it.
class DocumentWindow : public QWidget
{
    Q_OBJECT
public:
    explicit DocumentWindow(const QString& name, const QString& caption);

    RichTextBox* richTextBox() const { return m_box; }
    // Prints the control's content with one-inch margins, on the printer chosen in a print
    // dialog or else the current one. Errors are told to the user.
    void MyPrintOff(Printer* chosen = nullptr);

protected:
    // Loads a file and fits its lines to the printer. Throws PagoraError when the file cannot
    // be loaded (missing, unreadable, no RTF); later steps fail quietly.
    void loadDocument(const QString& path, const QString& captionOnLoad = QString());

    RichTextBox* m_box;
    // The file shown, whose name the print job carries.
    QString m_path;
};

} // namespace pagora
