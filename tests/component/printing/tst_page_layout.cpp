// Page layout: the page loop, line widths, and the preview's page surfaces.
#include "FakePrinter.h"
#include "errors/PagoraError.h"
#include "layout/LayoutMends.h"
#include "layout/RichTextBox.h"
#include "layout/RichTextEngine.h"
#include "layout/RtfDocument.h"
#include "printing/PageSurfaces.h"
#include "printing/PdfFilePrinter.h"
#include "printing/PrintRoutines.h"
#include "support/PdfText.h"
#include "windows/MessageReport.h"
#include "windows/Messages.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextTable>
#include <limits>

using namespace pagora;

namespace {

// Paragraphs of exactly one line each, 240 twips apart.
QByteArray lines(int count)
{
    QByteArray rtf(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fmodern Courier New;}}\\pard\\sl-240\\fs20 ");
    for (int i = 0; i < count; ++i) {
        rtf += "Line " + QByteArray::number(i + 1);
        if (i + 1 < count)
            rtf += "\\par\n";
    }
    return rtf + "}";
}

QByteArray pages(int count)
{
    QByteArray rtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}\\pard ");
    for (int i = 0; i < count; ++i) {
        rtf += "Page " + QByteArray::number(i + 1) + " top";
        if (i + 1 < count)
            rtf += "\\page\n";
    }
    return rtf + "}";
}

} // namespace

class PageLayoutTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    FakePrinter* usePrinter(bool installed, int offsetX = 0, int offsetY = 0)
    {
        auto printer =
            std::make_unique<FakePrinter>(m_dir.filePath("out.pdf"), installed, offsetX, offsetY);
        FakePrinter* raw = printer.get();
        Printer::setCurrent(std::move(printer));
        return raw;
    }

private slots:
    // Two cells share each border between them: the wider of the two is drawn, once, by the
    // cell below or to the right; the table's outer borders stay with the cells at its edges.
    void sharedBordersAreDrawnOnce()
    {
        const std::unique_ptr<QTextDocument> document = RtfDocument::read(
            "{\\rtf1\\trowd\\clbrdrr\\brdrs\\brdrw40\\clbrdrb\\brdrs\\brdrw50"
            "\\cellx2000\\clbrdrl\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw20\\cellx4000"
            "\\pard\\intbl a\\cell b\\cell\\row\\trowd\\clbrdrt\\brdrs\\brdrw30"
            "\\cellx2000\\cellx4000\\pard\\intbl c\\cell d\\cell\\row}",
            "borders");
        auto* table = qobject_cast<QTextTable*>(document->rootFrame()->childFrames().value(0));
        QVERIFY(table);
        const auto border = [&](int row, int column) {
            return table->cellAt(row, column).format().toTableCellFormat();
        };
        const qreal above = border(0, 0).bottomBorder(), wide = border(0, 0).rightBorder();
        const qreal top = border(1, 0).topBorder(), right = border(0, 1).rightBorder();
        LayoutMends::resolveBorders(document->rootFrame(), std::numeric_limits<int>::max());
        QVERIFY(!table->format().borderCollapse());
        QCOMPARE(border(0, 0).rightBorder(), 0.0);
        QCOMPARE(border(0, 1).leftBorder(), wide);
        QCOMPARE(border(0, 1).rightBorder(), right);
        QCOMPARE(border(0, 0).bottomBorder(), 0.0);
        QVERIFY(above > top);
        QCOMPARE(border(1, 0).topBorder(), above);
        QCOMPARE(border(1, 1).topBorder(), 0.0);
    }

    void init()
    {
        Messages::setAnswering(true);
        Messages::clear();
        QFile::remove(m_dir.filePath("out.pdf"));
    }

    // An abandoned job into a PDF file leaves no file: nothing comes out.
    void anAbandonedPdfJobLeavesNoFile()
    {
        const QString path = m_dir.filePath("abandoned.pdf");
        {
            PdfFilePrinter printer(path);
            printer.startJob();
            printer.killDocument();
        }
        QVERIFY(!QFile::exists(path));
    }

    void anEmptyDocumentIsOnePage()
    {
        usePrinter(true);
        RichTextBox box;
        box.loadRtf("{\\rtf1}");
        QCOMPARE(box.textLength(), 0);
        PageSurfaces preview;
        MessageReport errors;
        PrintRoutines::PreviewRichText(box, 1400, 1400, 1400, 1400, Printer::Portrait, preview,
                                       errors);
        QCOMPARE(preview.count(), 1);
        QVERIFY(preview.shown());
        PrintRoutines::PrintRichText(box, 1440, 1440, 1440, 1440);
        QCOMPARE(PdfText(m_dir.filePath("out.pdf")).pageCount(), 1);
    }

    void textEndingAtAPageEndMakesNoTrailingPage()
    {
        FakePrinter* printer = usePrinter(true);
        RichTextBox box;
        const QRect tenLines(0, 0, 7200, 2400);
        box.loadRtf(lines(10));
        QCOMPARE(box.formatRange(nullptr, printer->device(), tenLines, 0), box.textLength());
        box.loadRtf(lines(11));
        const int next = box.formatRange(nullptr, printer->device(), tenLines, 0);
        QCOMPARE(next, box.toPlainText().indexOf("Line 11"));
        QCOMPARE(box.formatRange(nullptr, printer->device(), tenLines, next), box.textLength());
    }

    void aLineTallerThanThePageStillMovesOn()
    {
        FakePrinter* printer = usePrinter(true);
        RichTextBox box;
        box.loadRtf("{\\rtf1\\fs200 Huge\\par\\fs200 Huge}");
        const QRect tiny(0, 0, 14400, 100);
        int start = 0, pages = 0;
        while (start < box.textLength() && pages < 10) {
            const int next = box.formatRange(nullptr, printer->device(), tiny, start);
            QVERIFY(next > start);
            start = next;
            ++pages;
        }
        QCOMPARE(pages, 2);
    }

    void theLineWidthDoesNotDependOnThePhysicalOffset()
    {
        RichTextBox box;
        usePrinter(true, 0);
        const int plain = PrintRoutines::MatchPrinterLayout(box, 1440, 1440, true);
        FakePrinter* offset = usePrinter(true, 360, 200);
        QCOMPARE(PrintRoutines::MatchPrinterLayout(box, 1440, 1440, true), plain);
        QCOMPARE(plain, offset->width() - 2880);
        QCOMPARE(box.lineWrapMode(), QTextEdit::FixedPixelWidth);

        box.resize(300, 200);
        QCOMPARE(PrintRoutines::MatchPrinterLayout(box, 1440, 1440, false), box.widthTwips());
        QCOMPARE(box.lineWrapMode(), QTextEdit::WidgetWidth);
    }

    void thePreviewDrawsEveryPageOnItsOwnSurface()
    {
        FakePrinter* printer = usePrinter(true);
        RichTextBox box;
        box.loadRtf(pages(3));
        PageSurfaces preview;
        MessageReport errors;
        PrintRoutines::PreviewRichText(box, 1400, 1400, 1400, 1400, Printer::Portrait, preview,
                                       errors);
        QCOMPARE(preview.count(), 3);
        QCOMPARE(preview.pageSize(), QSize(printer->width(), printer->height()));
        QVERIFY(Messages::recorded().isEmpty());
        // Each surface holds one page, drawn from the 1400-twip margins on.
        for (int i = 0; i < 3; ++i) {
            QImage image(QSize(612, 792), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter p(&image);
            p.scale(612.0 / preview.pageSize().width(), 792.0 / preview.pageSize().height());
            p.drawPicture(0, 0, preview.page(i));
            p.end();
            int top = -1, left = 10000;
            for (int y = 0; y < image.height() && top < 0; ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 128) {
                        top = y;
                        break;
                    }
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < left; ++x)
                    if (qGray(image.pixel(x, y)) < 128)
                        left = x;
            QVERIFY2(top >= 68 && top <= 80, qPrintable(QString::number(top)));
            QVERIFY2(left >= 68 && left <= 74, qPrintable(QString::number(left)));
        }
    }

    void withoutAPrinterThePreviewStillWorksButPrintingDoesNot()
    {
        usePrinter(false);
        RichTextBox box;
        box.loadRtf(pages(2));
        QCOMPARE(PrintRoutines::MatchPrinterLayout(box, 1440, 1440, true) > 0, true);
        PageSurfaces preview;
        MessageReport errors;
        PrintRoutines::PreviewRichText(box, 1400, 1400, 1400, 1400, Printer::Portrait, preview,
                                       errors);
        QCOMPARE(preview.count(), 2);
        QVERIFY(preview.shown());
        QVERIFY(Messages::recorded().isEmpty());
        try {
            PrintRoutines::PrintRichText(box, 1440, 1440, 1440, 1440);
            QFAIL("printed without a printer");
        } catch (const PagoraError& e) {
            QCOMPARE(e.number(), 482);
        }
    }

    void aPreviewIntoSurfacesThatExistReportsEachPage()
    {
        usePrinter(true);
        RichTextBox box;
        box.loadRtf(pages(3));
        PageSurfaces preview;
        MessageReport errors;
        PrintRoutines::PreviewRichText(box, 1400, 1400, 1400, 1400, Printer::Portrait, preview,
                                       errors);
        PrintRoutines::PreviewRichText(box, 1400, 1400, 1400, 1400, Printer::Portrait, preview,
                                       errors);
        QCOMPARE(preview.count(), 3);
        QCOMPARE(Messages::recorded().size(), 2);
        QVERIFY(Messages::recorded().first().startsWith("Cindrel|360 ") ||
                Messages::recorded().first().contains("|360 "));
    }

    // Paragraph indents print at their size on a printer's resolution: where a word's left
    // (or, right-aligned, right) edge falls, in points inside the one-inch margins.
    void marginArithmeticThatOverflowsIsAnError()
    {
        usePrinter(true);
        RichTextBox box;
        try {
            PrintRoutines::MatchPrinterLayout(box, std::numeric_limits<int>::min() + 5, 1440, true);
            QFAIL("no overflow");
        } catch (const PagoraError& e) {
            QCOMPARE(e.number(), 6);
        }
    }
};

QTEST_MAIN(PageLayoutTest)
#include "tst_page_layout.moc"
