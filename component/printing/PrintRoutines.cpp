#include "PrintRoutines.h"

#include "document/PageStyle.h"
#include "errors/PagoraError.h"
#include "layout/RichTextBox.h"
#include "printing/ErrorReport.h"
#include "printing/PageGeometry.h"
#include "printing/PdfCharacterMaps.h"
#include "printing/PreviewTarget.h"
#include "printing/Printer.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QPointer>
#include <cmath>
#include <limits>
#include <memory>

namespace pagora {

namespace {

// Margin arithmetic is done in 32-bit integers, as callers expect; leaving their range is an
// overflow error rather than a wrapped-around width.
int checked(qint64 value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw PagoraError(PagoraError::Overflow, QStringLiteral("Overflow"));
    return static_cast<int>(value);
}

int rounded(double twips)
{
    if (!std::isfinite(twips) || std::fabs(twips) > std::numeric_limits<int>::max())
        throw PagoraError(PagoraError::Overflow, QStringLiteral("Overflow"));
    return static_cast<int>(std::lround(twips));
}

QRect area(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QSize(std::max(1, right - left), std::max(1, bottom - top)));
}

// The page count a header or footer shows; laying the pages out to count them is left to the
// documents that show it.
int countedPages(RichTextEngine& document, QPaintDevice* device, const QRect& area)
{
    const PageStyle* style = PageStyle::of(document.document());
    return style && style->countsPages() ? document.pageCount(device, area) : 0;
}

} // namespace

int PrintRoutines::MatchPrinterLayout(RichTextBox& control, int LeftMargin, int RightMargin,
                                      bool MatchPrinter)
{
    if (!MatchPrinter) {
        control.setTargetDevice(nullptr, 0);
        return control.widthTwips();
    }
    Printer& printer = Printer::current();
    const PageGeometry page(control.engine().document(), printer, LeftMargin, 0, RightMargin, 0);
    const qint64 offset = printer.physicalOffsetX();
    const int leftEdge = checked(page.left() - offset);
    const int rightEdge = checked(qint64(printer.width()) - page.right() - offset);
    const int lineWidth = checked(qint64(rightEdge) - leftEdge);
    control.setTargetDevice(printer.device(), lineWidth);
    return lineWidth;
}

void PrintRoutines::PrintRichText(RichTextBox& control, int LeftMargin, int TopMargin,
                                  int RightMargin, int BottomMargin)
{
    PrintRichText(control, LeftMargin, TopMargin, RightMargin, BottomMargin, Printer::current());
}

void PrintRoutines::PrintRichText(RichTextBox& control, int LeftMargin, int TopMargin,
                                  int RightMargin, int BottomMargin, Printer& printer)
{
    control.finishLoading();
    PrintRichText(control.engine(), LeftMargin, TopMargin, RightMargin, BottomMargin, printer);
}

void PrintRoutines::PrintRichText(RichTextEngine& control, int LeftMargin, int TopMargin,
                                  int RightMargin, int BottomMargin, Printer& printer)
{
    const PageGeometry page(control.document(), printer, LeftMargin, TopMargin, RightMargin,
                            BottomMargin);
    QPainter* painter = printer.startJob();
    try {
        const qint64 offsetX = printer.physicalOffsetX();
        const qint64 offsetY = printer.physicalOffsetY();
        // Relative to the printable area, so that the text falls the margins from the paper's
        // edges.
        const QRect draw = area(checked(page.left() - offsetX), checked(page.top() - offsetY),
                                checked(qint64(printer.width()) - page.right() - offsetX),
                                checked(qint64(printer.height()) - page.bottom() - offsetY));
        const QRect paper(-int(offsetX), -int(offsetY), printer.width(), printer.height());
        const int pages = countedPages(control, printer.device(), draw);
        int start = 0;
        bool printed = false;
        // Pages outside the chosen range are laid out, so that the next one starts where it
        // should, but not drawn.
        for (int number = 1;; ++number) {
            const bool wanted = printer.printsPage(number);
            if (wanted && printed) {
                printer.newPage();
                painter = printer.painter();
            }
            const int next =
                control.formatRange(wanted ? painter : nullptr, printer.device(), draw, start);
            if (wanted)
                control.drawPageParts(painter, printer.device(), paper, draw, number, pages);
            printed = printed || wanted;
            if (next >= control.textEnd())
                break;
            start = next;
        }
        if (printed) {
            printer.endDocument();
            // The file is whole without it: a text layer that names a few characters wrongly
            // is no reason to fail the print.
            if (const QString file = printer.pdfFile(); !file.isEmpty())
                PdfCharacterMaps::rename(file, control.renamedCharacters());
        } else {
            printer.killDocument();
        }
    } catch (...) {
        printer.killDocument();
        control.release();
        throw;
    }
    control.release();
}

namespace {

// A preview's layout in progress: what it draws with, and how far it has come.
struct PreviewJob
{
    QPointer<RichTextBox> control;
    QPaintDevice* device;
    QRect draw;
    QRect paper;
    int pages;
    int start = 0;
    int number = 1;
    bool failed = false; // ended by the printer error
};

// Runs one piece of work; false when the routine must end (the printer error).
template <typename Work> bool attempt(ErrorReport& errors, const Work& work)
{
    try {
        work();
        return true;
    } catch (const PagoraError& e) {
        if (e.number() == PagoraError::PrinterFault) {
            errors.printerError();
            return false;
        }
        errors.error(e.number(), e.description());
    } catch (const std::exception& e) {
        errors.error(0, QString::fromLocal8Bit(e.what()));
    }
    return true;
}

// Lays out and draws the job's next page; false when there is none to come.
bool previewPage(PreviewJob& job, PreviewTarget& preview, ErrorReport& errors)
{
    // The document's window was closed: nothing more to lay out.
    if (!job.control)
        return false;
    RichTextBox& control = *job.control;
    if (job.number > 1 && !attempt(errors, [&] { preview.AddPage(job.number); })) {
        job.failed = true;
        return false;
    }
    int next = 0;
    const bool going = attempt(errors, [&] {
        QPainter painter(preview.pageSurface(job.number - 1));
        next = control.formatRange(&painter, job.device, job.draw, job.start);
        control.engine().drawPageParts(&painter, job.device, job.paper, job.draw, job.number,
                                       job.pages);
    });
    if (!going) {
        job.failed = true;
        return false;
    }
    // The document may still be being read: the layout knows where its text ends.
    bool more = next < control.engine().textEnd() && next > job.start;
    if (more && job.number == 32767) {
        errors.error(PagoraError::Overflow, QStringLiteral("Overflow"));
        more = false;
    }
    job.start = next;
    ++job.number;
    if (!more)
        control.releaseLayout();
    return more;
}

// A long document shows its first pages after this long, and lays out the rest while they
// are looked at.
constexpr int ShowAfterMs = 100;

} // namespace

void PrintRoutines::PreviewRichText(RichTextBox& control, double LeftMargin, double TopMargin,
                                    double RightMargin, double BottomMargin, int Orientation,
                                    PreviewTarget& preview, ErrorReport& errors)
{
    const auto step = [&errors](const auto& work) {
        return attempt(errors, work);
    };

    Printer* printer = nullptr;
    if (!step([&] {
            printer = &Printer::current();
            printer->setOrientation(Orientation);
        }))
        return;
    if (!printer)
        return;

    // Measured from the paper's edge: a page surface is the whole sheet.
    QRect draw;
    std::unique_ptr<PageGeometry> page;
    if (!step([&] {
            page = std::make_unique<PageGeometry>(control.engine().document(), *printer,
                                                  rounded(LeftMargin), rounded(TopMargin),
                                                  rounded(RightMargin), rounded(BottomMargin));
            draw = area(page->left(), page->top(), rounded(printer->width() - page->right()),
                        rounded(printer->height() - page->bottom()));
        }))
        return;
    const QRect paper(0, 0, printer->width(), printer->height());
    if (!step([&] { preview.SizePreview(printer->width(), printer->height()); }))
        return;

    auto job = std::make_shared<PreviewJob>();
    job->control = &control;
    job->device = printer->device();
    job->draw = draw;
    job->paper = paper;
    if (!step([&] { job->pages = countedPages(control.engine(), printer->device(), draw); }))
        return;
    QElapsedTimer clock;
    clock.start();
    bool more = true;
    while (more && (job->number == 1 || clock.elapsed() < ShowAfterMs))
        more = previewPage(*job, preview, errors);
    if (job->failed)
        return;
    step([&] { preview.showPreview(); });
    if (more)
        preview.continueWith(
            [job, &preview](ErrorReport& later) { return previewPage(*job, preview, later); },
            errors);
}

} // namespace pagora
