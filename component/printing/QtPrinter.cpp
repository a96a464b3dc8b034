#include "QtPrinter.h"

#include "errors/PagoraError.h"
#include "printing/PdfFilePrinter.h"
#include "units/Twips.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <cmath>

namespace pagora {

std::unique_ptr<QtPrinter> QtPrinter::systemDefault()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        // The queue's own paper, not Qt's default.
        if (info.defaultPageSize().isValid())
            printer->setPageSize(info.defaultPageSize());
        return std::unique_ptr<QtPrinter>(new QtPrinter(std::move(printer), true));
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(PdfFilePrinter::localePaper());
    printer->setPageMargins(QMarginsF(0, 0, 0, 0));
    return std::unique_ptr<QtPrinter>(new QtPrinter(std::move(printer), false));
}

std::unique_ptr<QtPrinter> QtPrinter::queue(const QString& name)
{
    const QPrinterInfo info =
        name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
    if (info.isNull() && name.isEmpty())
        throw PagoraError::printer();
    if (info.isNull())
        throw PagoraError(
            PagoraError::PrinterFault,
            QStringLiteral("Printer error: there is no printer named '%1'").arg(name));
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (info.defaultPageSize().isValid())
        printer->setPageSize(info.defaultPageSize());
    return std::unique_ptr<QtPrinter>(new QtPrinter(std::move(printer), true));
}

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer, bool installed)
    : m_printer(std::move(printer)), m_installed(installed)
{
}

void QtPrinter::chosen()
{
    m_installed = m_printer->outputFormat() == QPrinter::PdfFormat
                      ? !m_printer->outputFileName().isEmpty()
                      : !m_printer->printerName().isEmpty();
}

bool QtPrinter::printsPage(int page) const
{
    if (m_printer->printRange() != QPrinter::PageRange || m_printer->fromPage() < 1)
        return page > 0;
    return page >= m_printer->fromPage() && page <= m_printer->toPage();
}

QtPrinter::~QtPrinter()
{
    if (m_painter && m_painter->isActive())
        killDocument();
}

QPaintDevice* QtPrinter::device()
{
    return m_printer.get();
}

QPainter* QtPrinter::startJob()
{
    if (!m_installed)
        throw PagoraError::printer();
    return beginPainting(m_painter, m_printer.get());
}

void QtPrinter::newPage()
{
    if (!m_painter || !m_printer->newPage())
        throw PagoraError::printer();
}

void QtPrinter::endDocument()
{
    endPainting(m_painter);
}

void QtPrinter::killDocument()
{
    if (!m_painter)
        return;
    m_printer->abort();
    if (m_painter->isActive())
        m_painter->end();
    m_painter.reset();
}

int QtPrinter::toTwipsX(qreal pixels) const
{
    return Twips::fromPixels(pixels, m_printer->logicalDpiX());
}

int QtPrinter::toTwipsY(qreal pixels) const
{
    return Twips::fromPixels(pixels, m_printer->logicalDpiY());
}

int QtPrinter::width() const
{
    return toTwipsX(m_printer->paperRect(QPrinter::DevicePixel).width());
}

int QtPrinter::height() const
{
    return toTwipsY(m_printer->paperRect(QPrinter::DevicePixel).height());
}

int QtPrinter::scaleWidth() const
{
    return toTwipsX(m_printer->pageRect(QPrinter::DevicePixel).width());
}

int QtPrinter::scaleHeight() const
{
    return toTwipsY(m_printer->pageRect(QPrinter::DevicePixel).height());
}

int QtPrinter::physicalOffsetX() const
{
    return toTwipsX(m_printer->pageRect(QPrinter::DevicePixel).left() -
                    m_printer->paperRect(QPrinter::DevicePixel).left());
}

int QtPrinter::physicalOffsetY() const
{
    return toTwipsY(m_printer->pageRect(QPrinter::DevicePixel).top() -
                    m_printer->paperRect(QPrinter::DevicePixel).top());
}

int QtPrinter::orientation() const
{
    return m_printer->pageLayout().orientation() == QPageLayout::Landscape ? Landscape : Portrait;
}

void QtPrinter::setOrientation(int orientation)
{
    m_printer->setPageOrientation(orientation == Landscape ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait);
}

void QtPrinter::setPaper(int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    m_printer->setPageSize(PdfFilePrinter::paper(width, height));
    m_printer->setPageOrientation(width > height ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QString QtPrinter::pdfFile() const
{
    return m_printer->outputFormat() == QPrinter::PdfFormat ? m_printer->outputFileName()
                                                            : QString();
}

void QtPrinter::setDocumentName(const QString& name)
{
    m_printer->setDocName(name);
}

QString QtPrinter::deviceName() const
{
    return m_installed && m_printer->outputFormat() == QPrinter::NativeFormat
               ? m_printer->printerName()
               : m_printer->outputFileName();
}

QString QtPrinter::driverName() const
{
    return m_printer->outputFormat() == QPrinter::PdfFormat ? QStringLiteral("PDF")
                                                            : QStringLiteral("CUPS");
}

} // namespace pagora
