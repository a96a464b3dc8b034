#include "PreviewOutput.h"

#include "errors/PagoraError.h"
#include "layout/RichTextBox.h"
#include "printing/PdfFilePrinter.h"
#include "printing/PrintRoutines.h"
#include "printing/QtPrinter.h"
#include "windows/Messages.h"

#include <QString>

namespace pagora {

PreviewOutput::PreviewOutput(QWidget* window) : m_window(window) {}

PreviewOutput::~PreviewOutput() = default;

void PreviewOutput::choosePrinter()
{
    const bool hadChoice = m_chosen != nullptr;
    std::unique_ptr<QtPrinter> printer =
        hadChoice ? std::move(m_chosen) : QtPrinter::systemDefault();
    m_inDialog = true;
    const bool accepted = Messages::choosePrinter(m_window, printer->qprinter());
    m_inDialog = false;
    if (accepted)
        printer->chosen();
    if (accepted || hadChoice)
        m_chosen = std::move(printer);
}

void PreviewOutput::savePdf(RichTextBox& document)
{
    m_inDialog = true;
    const QString path = Messages::saveFile(m_window, QStringLiteral("Save PDF"),
                                            QStringLiteral("PDF files (*.pdf)"));
    m_inDialog = false;
    if (path.isEmpty())
        return;
    try {
        PdfFilePrinter::save(path, QString(), [&](Printer& printer) {
            PrintRoutines::PrintRichText(document, 1440, 1440, 1440, 1440, printer);
        });
    } catch (const PagoraError& e) {
        Messages::error(m_window, e.number(), e.description());
    }
}

} // namespace pagora
