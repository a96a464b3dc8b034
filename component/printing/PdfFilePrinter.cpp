#include "PdfFilePrinter.h"

#include "errors/PagoraError.h"
#include "units/Twips.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QTemporaryFile>
#include <cstdio>

namespace pagora {

namespace {

// As a high-resolution printer lays text out, so that a PDF file breaks lines as paper does.
constexpr int Resolution = 1200;

} // namespace

PdfFilePrinter::PdfFilePrinter(const QString& path) : m_path(path), m_writer(path)
{
    m_writer.setResolution(Resolution);
    m_writer.setPageSize(localePaper());
    m_writer.setPageMargins(QMarginsF(0, 0, 0, 0));
}

PdfFilePrinter::~PdfFilePrinter()
{
    if (m_painter && m_painter->isActive())
        killDocument();
}

QPainter* PdfFilePrinter::startJob()
{
    return beginPainting(m_painter, &m_writer);
}

void PdfFilePrinter::newPage()
{
    if (!m_painter || !m_writer.newPage())
        throw PagoraError::printer();
}

void PdfFilePrinter::endDocument()
{
    endPainting(m_painter);
}

void PdfFilePrinter::killDocument()
{
    if (!m_painter)
        return;
    if (m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    QFile::remove(m_path);
}

int PdfFilePrinter::width() const
{
    return Twips::fromPixels(m_writer.pageLayout().fullRectPixels(Resolution).width(), Resolution);
}

int PdfFilePrinter::height() const
{
    return Twips::fromPixels(m_writer.pageLayout().fullRectPixels(Resolution).height(), Resolution);
}

int PdfFilePrinter::orientation() const
{
    return m_writer.pageLayout().orientation() == QPageLayout::Landscape ? Landscape : Portrait;
}

void PdfFilePrinter::setOrientation(int orientation)
{
    m_writer.setPageOrientation(orientation == Landscape ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait);
}

void PdfFilePrinter::setPaper(int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    m_writer.setPageSize(paper(width, height));
    m_writer.setPageOrientation(width > height ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QPageSize PdfFilePrinter::localePaper()
{
    const QLocale locale;
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                   : QPageSize(QPageSize::A4);
}

QPageSize PdfFilePrinter::paper(int width, int height)
{
    return QPageSize(QSizeF(std::min(width, height) / 20.0, std::max(width, height) / 20.0),
                     QPageSize::Point, QString(), QPageSize::FuzzyMatch);
}

void PdfFilePrinter::save(const QString& path, const QString& documentName,
                          const std::function<void(Printer&)>& print)
{
    const QFileInfo target(path);
    QTemporaryFile partial(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (path.isEmpty() || !partial.open())
        throw PagoraError::pathAccess(path);
    partial.close();
    // A temporary file is the owner's alone; a PDF is for handing on.
    partial.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                           QFileDevice::ReadGroup | QFileDevice::ReadOther);
    {
        PdfFilePrinter printer(partial.fileName());
        if (!documentName.isEmpty())
            printer.setDocumentName(documentName);
        print(printer);
    }
    if (std::rename(QFile::encodeName(partial.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        throw PagoraError::pathAccess(path);
    partial.setAutoRemove(false);
}

} // namespace pagora
