#include "DocumentWindow.h"

#include "errors/PagoraError.h"
#include "layout/RichTextBox.h"
#include "printing/PrintRoutines.h"
#include "printing/Printer.h"
#include "units/Twips.h"
#include "windows/Messages.h"
#include <QFileInfo>

namespace pagora {

DocumentWindow::DocumentWindow(const QString& name, const QString& caption)
    : QWidget(nullptr, Qt::Window), m_box(new RichTextBox(this))
{
    setObjectName(name);
    setWindowTitle(caption);
}

void DocumentWindow::loadDocument(const QString& path, const QString& captionOnLoad)
{
    m_box->loadFile(path);
    m_path = path;
    if (!captionOnLoad.isEmpty())
        setWindowTitle(captionOnLoad);
    const int width = PrintRoutines::MatchPrinterLayout(*m_box, 1440, 1440, true);
    // From here on a step that fails is skipped.
    resize(Twips::x(this, width) + Twips::x(this, 200), height());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void DocumentWindow::MyPrintOff(Printer* chosen)
{
    try {
        Printer& printer = chosen ? *chosen : Printer::current();
        if (!printer.isInstalled())
            throw PagoraError::printer();
        printer.width();
        printer.setDocumentName(QFileInfo(m_path).fileName());
        PrintRoutines::PrintRichText(*m_box, 1440, 1440, 1440, 1440, printer);
    } catch (const PagoraError& e) {
        if (e.number() == PagoraError::PrinterFault)
            Messages::printerError(this);
        else
            Messages::error(this, e.number(), e.description());
    }
}

} // namespace pagora
