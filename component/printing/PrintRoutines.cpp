#include "PrintRoutines.h"

#include "errors/PagoraError.h"
#include "layout/RichTextBox.h"
#include "printing/ErrorReport.h"
#include "printing/PreviewTarget.h"
#include "printing/Printer.h"

#include <QPainter>
#include <cmath>
#include <limits>

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

} // namespace

int PrintRoutines::MatchPrinterLayout(RichTextBox& control, int LeftMargin, int RightMargin,
                                      bool MatchPrinter)
{
    if (!MatchPrinter) {
        control.setTargetDevice(nullptr, 0);
        return control.widthTwips();
    }
    Printer& printer = Printer::current();
    const qint64 offset = printer.physicalOffsetX();
    const int leftEdge = checked(LeftMargin - offset);
    const int rightEdge = checked(qint64(printer.width()) - RightMargin - offset);
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
    PrintRichText(control.engine(), LeftMargin, TopMargin, RightMargin, BottomMargin, printer);
}

void PrintRoutines::PrintRichText(RichTextEngine& control, int LeftMargin, int TopMargin,
                                  int RightMargin, int BottomMargin, Printer& printer)
{
    QPainter* painter = printer.startJob();
    try {
        const qint64 offsetX = printer.physicalOffsetX();
        const qint64 offsetY = printer.physicalOffsetY();
        // Relative to the printable area, so that the text falls the margins from the paper's
        // edges.
        const QRect draw = area(checked(LeftMargin - offsetX), checked(TopMargin - offsetY),
                                checked(qint64(printer.width()) - RightMargin - offsetX),
                                checked(qint64(printer.height()) - BottomMargin - offsetY));
        const int length = control.textLength();
        int start = 0;
        bool printed = false;
        // Pages outside the chosen range are laid out, so that the next one starts where it
        // should, but not drawn.
        for (int page = 1;; ++page) {
            const bool wanted = printer.printsPage(page);
            if (wanted && printed) {
                printer.newPage();
                painter = printer.painter();
            }
            const int next =
                control.formatRange(wanted ? painter : nullptr, printer.device(), draw, start);
            printed = printed || wanted;
            if (next >= length)
                break;
            start = next;
        }
        if (printed)
            printer.endDocument();
        else
            printer.killDocument();
    } catch (...) {
        printer.killDocument();
        control.release();
        throw;
    }
    control.release();
}

void PrintRoutines::PreviewRichText(RichTextBox& control, double LeftMargin, double TopMargin,
                                    double RightMargin, double BottomMargin, int Orientation,
                                    PreviewTarget& preview, ErrorReport& errors)
{
    // Runs one step; false when the routine must end (the printer error).
    auto step = [&errors](const auto& work) {
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
    if (!step([&] {
            draw = area(rounded(LeftMargin), rounded(TopMargin),
                        rounded(printer->width() - RightMargin),
                        rounded(printer->height() - BottomMargin));
        }))
        return;
    if (!step([&] { preview.SizePreview(printer->width(), printer->height()); }))
        return;

    const int length = control.textLength();
    int start = 0;
    int page = 1;
    for (;;) {
        if (page > 1 && !step([&] { preview.AddPage(page); }))
            return;
        int next = length;
        const bool going = step([&] {
            QPainter painter(preview.pageSurface(page - 1));
            next = control.formatRange(&painter, printer->device(), draw, start);
        });
        if (!going)
            return;
        if (next >= length || next <= start)
            break;
        start = next;
        if (page == 32767) {
            errors.error(PagoraError::Overflow, QStringLiteral("Overflow"));
            break;
        }
        ++page;
    }
    control.releaseLayout();
    step([&] { preview.showPreview(); });
}

} // namespace pagora
