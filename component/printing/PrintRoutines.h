#pragma once

namespace pagora {

class ErrorReport;
class PreviewTarget;
class Printer;
class RichTextBox;
class RichTextEngine;

// Turns the content of a rich-text control into printed or previewed pages, on the current
// printer. All margins are twips.
class PrintRoutines
{
public:
    // Makes the control break its lines as the printer will (or, with `MatchPrinter` false,
    // at its window edge) and returns the line width (or the control's width).
    static int MatchPrinterLayout(RichTextBox& control, int LeftMargin, int RightMargin,
                                  bool MatchPrinter);
    // Prints the whole content, page by page, in one job. Throws PagoraError.
    static void PrintRichText(RichTextBox& control, int LeftMargin, int TopMargin, int RightMargin,
                              int BottomMargin);
    // The same on a given printer (a PDF file, say).
    static void PrintRichText(RichTextBox& control, int LeftMargin, int TopMargin, int RightMargin,
                              int BottomMargin, Printer& printer);
    // A document laid out by its engine, with no control to show it.
    static void PrintRichText(RichTextEngine& document, int LeftMargin, int TopMargin,
                              int RightMargin, int BottomMargin, Printer& printer);
    // Lays the content out page by page onto the preview's surfaces and shows the preview.
    // Errors go to `errors`, never thrown: the printer error ends the routine, any other
    // error is told and the routine goes on.
    static void PreviewRichText(RichTextBox& control, double LeftMargin, double TopMargin,
                                double RightMargin, double BottomMargin, int Orientation,
                                PreviewTarget& preview, ErrorReport& errors);
};

} // namespace pagora
