// A CUPS server with no queue at all: printing is the printer error, previewing still works.
#include "errors/PagoraError.h"
#include "layout/RichTextBox.h"
#include "printing/PageSurfaces.h"
#include "printing/PrintRoutines.h"
#include "printing/Printer.h"
#include "windows/MessageReport.h"
#include "windows/Messages.h"

#include <QTest>

using namespace pagora;

class PrintingWithoutPrinterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QByteArray server = qgetenv("PAGORA_TEST_CUPS_EMPTY");
        if (server.isEmpty())
            QSKIP("no empty CUPS server: run the tests with `make test`");
        qputenv("CUPS_SERVER", server);
        Messages::setAnswering(true);
    }

    void printingFailsWithThePrinterErrorAndPreviewingWorks()
    {
        Printer& printer = Printer::current();
        QVERIFY(!printer.isInstalled());
        RichTextBox box;
        box.loadRtf("{\\rtf1 One\\page Two}");
        try {
            PrintRoutines::PrintRichText(box, 1440, 1440, 1440, 1440);
            QFAIL("printed without a printer");
        } catch (const PagoraError& e) {
            QCOMPARE(e.number(), 482);
        }
        PageSurfaces preview;
        MessageReport errors;
        PrintRoutines::PreviewRichText(box, 1400, 1400, 1400, 1400, printer.orientation(), preview,
                                       errors);
        QVERIFY(preview.shown());
        QCOMPARE(preview.count(), 2);
        // US English: the page is Letter.
        QCOMPARE(preview.pageSize(), QSize(12240, 15840));
        QVERIFY(Messages::recorded().isEmpty());
    }
};

QTEST_MAIN(PrintingWithoutPrinterTest)
#include "tst_printing_without_printer.moc"
