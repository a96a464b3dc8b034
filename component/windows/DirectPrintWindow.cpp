#include "DirectPrintWindow.h"

#include "errors/PagoraError.h"
#include "printing/Printer.h"

namespace pagora {

DirectPrintWindow::DirectPrintWindow()
    : DocumentWindow(QStringLiteral("frmJustPrint"), QStringLiteral("JustPrint"))
{
}

void DirectPrintWindow::load()
{
    loadDocument(QStringLiteral("Print Preview"));
    // The layout has a page without a printer; printing has not, and the caller hears so.
    if (!Printer::current().isInstalled())
        throw PagoraError::printer();
    MyPrintOff();
}

} // namespace pagora
