#pragma once

#include "printing/Printer.h"

#include <QPageSize>
#include <QPdfWriter>
#include <functional>
#include <memory>

namespace pagora {

// Prints into a PDF file, with no print system behind it: the locale's default paper, all of
// it printable, at the resolution of a printer.
class PdfFilePrinter : public Printer
{
public:
    explicit PdfFilePrinter(const QString& path);
    ~PdfFilePrinter() override;

    bool isInstalled() const override { return true; }
    QPaintDevice* device() override { return &m_writer; }
    QPainter* startJob() override;
    QPainter* painter() override { return m_painter.get(); }
    void newPage() override;
    void endDocument() override;
    // Nothing comes out: the file goes.
    void killDocument() override;
    QString pdfFile() const override { return m_path; }
    int width() const override;
    int height() const override;
    int scaleWidth() const override { return width(); }
    int scaleHeight() const override { return height(); }
    int physicalOffsetX() const override { return 0; }
    int physicalOffsetY() const override { return 0; }
    int orientation() const override;
    void setOrientation(int orientation) override;
    void setPaper(int width, int height) override;
    void setDocumentName(const QString& name) override { m_writer.setTitle(name); }
    QString deviceName() const override { return m_path; }
    QString driverName() const override { return QStringLiteral("PDF"); }

    // `print` into a PDF file of its own beside `path`, then renamed over it: a reader of
    // `path` never sees half a file, and a failure leaves the file that was there. Throws
    // PagoraError.
    static void save(const QString& path, const QString& documentName,
                     const std::function<void(Printer&)>& print);

    // Letter where the locale measures in inches, A4 elsewhere.
    static QPageSize localePaper();
    // The paper of this size in twips, across and down: a standard one within a point of it is
    // that one, so that a queue can feed it.
    static QPageSize paper(int width, int height);

private:
    QString m_path;
    QPdfWriter m_writer;
    std::unique_ptr<QPainter> m_painter;
};

} // namespace pagora
