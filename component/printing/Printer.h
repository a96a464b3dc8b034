#pragma once

#include <QString>
#include <memory>

class QPainter;
class QPaintDevice;

namespace pagora {

// The current printer, as the layout and print routines use it. All lengths are twips.
class Printer
{
public:
    enum Orientation
    {
        Portrait = 1,
        Landscape = 2
    };

    virtual ~Printer() = default;

    // Whether paper can come out of it. Without a printer the layout still has a page: the
    // locale's default paper as a PDF page.
    virtual bool isInstalled() const = 0;
    // The device that text is laid out for.
    virtual QPaintDevice* device() = 0;

    // Starts a print job and returns its painter, in twips with the origin at the printable
    // area's corner. Throws the printer error (482) when nothing can be printed.
    virtual QPainter* startJob() = 0;
    // The painter of the job's current page.
    virtual QPainter* painter() = 0;
    virtual void newPage() = 0;
    // Commits the job: it goes to the printer.
    virtual void endDocument() = 0;
    // Abandons the job: nothing comes out.
    virtual void killDocument() = 0;

    // The paper.
    virtual int width() const = 0;
    virtual int height() const = 0;
    // The printable area.
    virtual int scaleWidth() const = 0;
    virtual int scaleHeight() const = 0;
    // From the paper's edge to the printable area.
    virtual int physicalOffsetX() const = 0;
    virtual int physicalOffsetY() const = 0;

    virtual int orientation() const = 0;
    virtual void setOrientation(int orientation) = 0;
    // Paper of this size, across and down as it prints. A printer that has one paper only
    // keeps it.
    virtual void setPaper(int /*width*/, int /*height*/) {}
    // The name the print job carries (the queue shows it; cups-pdf names its file after it).
    virtual void setDocumentName(const QString& name) = 0;
    virtual QString deviceName() const = 0;
    virtual QString driverName() const = 0;
    // The PDF file the job writes, when it writes one.
    virtual QString pdfFile() const { return {}; }
    // Whether page `page` (from 1) is among those the user asked for.
    virtual bool printsPage(int page) const { return page > 0; }

    // The system's default printer (or the PDF page when there is none).
    static Printer& current();
    // Tests put a printer of their own in place; nothing puts the system's back.
    static void setCurrent(std::unique_ptr<Printer> printer);

protected:
    // Starts a job's painting on `device`, in twips, unless it is painting already; the
    // printer error when it cannot.
    static QPainter* beginPainting(std::unique_ptr<QPainter>& painter, QPaintDevice* device);
    // Ends a job's painting, if it was painting; the printer error when the job did not come
    // out.
    static void endPainting(std::unique_ptr<QPainter>& painter);
};

} // namespace pagora
