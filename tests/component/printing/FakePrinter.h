#pragma once

#include "errors/PagoraError.h"
#include "printing/PdfFilePrinter.h"

// A printer whose page and offsets a test chooses, printing into a PDF file.
class FakePrinter : public pagora::Printer
{
public:
    FakePrinter(const QString& pdf, bool installed, int offsetX = 0, int offsetY = 0)
        : m_pdf(std::make_unique<pagora::PdfFilePrinter>(pdf)), m_installed(installed),
          m_offsetX(offsetX), m_offsetY(offsetY)
    {
    }
    bool isInstalled() const override { return m_installed; }
    QPaintDevice* device() override { return m_pdf->device(); }
    QPainter* startJob() override
    {
        if (!m_installed)
            throw pagora::PagoraError::printer();
        return m_pdf->startJob();
    }
    QPainter* painter() override { return m_pdf->painter(); }
    void newPage() override { m_pdf->newPage(); }
    void endDocument() override { m_pdf->endDocument(); }
    void killDocument() override { m_pdf->killDocument(); }
    int width() const override { return m_pdf->width(); }
    int height() const override { return m_pdf->height(); }
    int scaleWidth() const override { return m_pdf->width() - 2 * m_offsetX; }
    int scaleHeight() const override { return m_pdf->height() - 2 * m_offsetY; }
    int physicalOffsetX() const override { return m_offsetX; }
    int physicalOffsetY() const override { return m_offsetY; }
    int orientation() const override { return m_pdf->orientation(); }
    void setOrientation(int o) override { m_pdf->setOrientation(o); }
    void setPaper(int width, int height) override { m_pdf->setPaper(width, height); }
    void setDocumentName(const QString& name) override { m_pdf->setDocumentName(name); }
    QString deviceName() const override { return QStringLiteral("fake"); }
    QString driverName() const override { return QStringLiteral("fake"); }

private:
    std::unique_ptr<pagora::PdfFilePrinter> m_pdf;
    bool m_installed;
    int m_offsetX, m_offsetY;
};
