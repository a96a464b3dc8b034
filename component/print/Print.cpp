#include "Print.h"

#include "errors/PagoraError.h"
#include "hosting/ComponentServer.h"
#include "layout/RichTextEngine.h"
#include "layout/RtfDocument.h"
#include "print/ComponentState.h"
#include "printing/PdfFilePrinter.h"
#include "printing/PrintRoutines.h"
#include "printing/Printer.h"
#include "printing/QtPrinter.h"
#include "windows/DocumentHolder.h"
#include "windows/EditorWindow.h"

#include <QFileInfo>
#include <QPointer>
#include <QTextDocument>
#include <algorithm>
#include <cstring>
#include <memory>

namespace pagora {

namespace {

// The one editor window of the process; made again after it was closed.
QPointer<EditorWindow>& editor()
{
    static QPointer<EditorWindow> window;
    return window;
}

} // namespace

Print::Print()
{
    ComponentServer::objectCreated();
}

Print::~Print()
{
    ComponentServer::objectReleased();
}

void* Print::create(const char* interfaceId)
{
    if (!interfaceId || std::strcmp(interfaceId, PrintInterfaceId) != 0)
        return nullptr;
    return static_cast<_Print*>(new Print);
}

void Print::Release()
{
    delete this;
}

QVariant Print::Invoke(unsigned dispatchId, const QVariantList& arguments, bool put)
{
    switch (dispatchId) {
    case DispMyFile:
        if (put) {
            putMyFile(arguments.value(0).toString());
            return {};
        }
        return MyFile();
    case DispEditFilefile:
        return EditFilefile();
    case DispShowPreview:
        return ShowPreview();
    case DispSend2Print:
        return Send2Print();
    case DispSavePdf:
        return SavePdf(arguments.value(0).toString());
    case DispPrintTo:
        return PrintTo(arguments.value(0).toString(), arguments.value(1, 1).toInt());
    default:
        m_error = {438, QStringLiteral("Object doesn't support this property or method")};
        return {};
    }
}

QVariant Print::EditFilefile()
{
    m_error = {};
    ComponentState::setCurrentFile(m_myFile);
    const bool fresh = !editor();
    if (fresh)
        editor() = new EditorWindow;
    try {
        editor()->load(m_myFile);
    } catch (const PagoraError& e) {
        m_error = {e.number(), e.description()};
        if (fresh)
            delete editor().data();
        return {};
    }
    // The editor stays open beside its preview; the preview comes last, in front.
    editor()->show();
    editor()->preview();
    return {};
}

QVariant Print::ShowPreview()
{
    m_error = {};
    ComponentState::setCurrentFile(m_myFile);
    auto holder = std::make_unique<DocumentHolder>();
    try {
        holder->load(m_myFile);
    } catch (const PagoraError& e) {
        m_error = {e.number(), e.description()};
        return {};
    }
    // The holder stays, unseen, for as long as its preview is open.
    holder.release();
    return {};
}

QVariant Print::Send2Print()
{
    m_error = {};
    ComponentState::setCurrentFile(m_myFile);
    // Straight from the file to the printer, through the layout engine: no window.
    try {
        const std::unique_ptr<QTextDocument> document =
            RtfDocument::load(m_myFile, RtfReader::Use::Layout);
        Printer& printer = Printer::current();
        // The layout has a page without a printer; printing has not, and the caller hears so.
        if (!printer.isInstalled())
            throw PagoraError::printer();
        printer.setDocumentName(QFileInfo(m_myFile).fileName());
        RichTextEngine engine(document.get(), RichTextEngine::Use::PrintOnly);
        PrintRoutines::PrintRichText(engine, 1440, 1440, 1440, 1440, printer);
    } catch (const PagoraError& e) {
        m_error = {e.number(), e.description()};
    }
    return {};
}

QVariant Print::SavePdf(const QString& path)
{
    m_error = {};
    ComponentState::setCurrentFile(m_myFile);
    try {
        const std::unique_ptr<QTextDocument> document =
            RtfDocument::load(m_myFile, RtfReader::Use::Layout);
        PdfFilePrinter::save(path, QFileInfo(m_myFile).fileName(), [&](Printer& printer) {
            RichTextEngine engine(document.get(), RichTextEngine::Use::PrintOnly);
            PrintRoutines::PrintRichText(engine, 1440, 1440, 1440, 1440, printer);
        });
    } catch (const PagoraError& e) {
        m_error = {e.number(), e.description()};
    }
    return {};
}

QVariant Print::PrintTo(const QString& printerName, int copies)
{
    m_error = {};
    ComponentState::setCurrentFile(m_myFile);
    try {
        const std::unique_ptr<QTextDocument> document =
            RtfDocument::load(m_myFile, RtfReader::Use::Layout);
        const std::unique_ptr<QtPrinter> printer = QtPrinter::queue(printerName);
        printer->qprinter().setCopyCount(std::clamp(copies, 1, 999));
        printer->setDocumentName(QFileInfo(m_myFile).fileName());
        RichTextEngine engine(document.get(), RichTextEngine::Use::PrintOnly);
        PrintRoutines::PrintRichText(engine, 1440, 1440, 1440, 1440, *printer);
    } catch (const PagoraError& e) {
        m_error = {e.number(), e.description()};
    }
    return {};
}

} // namespace pagora
