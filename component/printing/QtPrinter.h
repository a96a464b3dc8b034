#pragma once

#include "printing/Printer.h"

#include <QPrinter>
#include <memory>

class QPrinterInfo;

namespace pagora {

// A printer through Qt Print Support: a CUPS queue, or the PDF file the print dialog chose.
class QtPrinter : public Printer
{
public:
    // The system's default queue, or, when there is none, a PDF page of the locale's default
    // paper that lays out but does not print.
    static std::unique_ptr<QtPrinter> systemDefault();
    // The queue of this name (the default one for no name), with its own paper. Throws the
    // printer error when there is none.
    static std::unique_ptr<QtPrinter> queue(const QString& name);

    ~QtPrinter() override;

    bool isInstalled() const override { return m_installed; }
    QPaintDevice* device() override;
    QPainter* startJob() override;
    QPainter* painter() override { return m_painter.get(); }
    void newPage() override;
    void endDocument() override;
    QString pdfFile() const override;
    void killDocument() override;
    int width() const override;
    int height() const override;
    int scaleWidth() const override;
    int scaleHeight() const override;
    int physicalOffsetX() const override;
    int physicalOffsetY() const override;
    int orientation() const override;
    void setOrientation(int orientation) override;
    void setPaper(int width, int height) override;
    void setDocumentName(const QString& name) override;
    QString deviceName() const override;
    QString driverName() const override;
    bool printsPage(int page) const override;

    QPrinter& qprinter() { return *m_printer; }
    // After the print dialog changed the printer: a queue or a file chosen there prints.
    void chosen();

private:
    QtPrinter(std::unique_ptr<QPrinter> printer, bool installed);
    int toTwipsX(qreal pixels) const;
    int toTwipsY(qreal pixels) const;

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    bool m_installed;
};

} // namespace pagora
