// Printing for real: through a CUPS queue with the cups-pdf backend, read back from its PDF.
#include "layout/RichTextBox.h"
#include "pagora/Print.h"
#include "print/Print.h"
#include "printing/PrintRoutines.h"
#include "printing/Printer.h"
#include "support/PdfText.h"
#include "windows/Messages.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

using namespace pagora;

class PrintingTest : public QObject
{
    Q_OBJECT

    QString m_pdfs;

    // A Print instance on a document of its own in `dir`.
    static _Print* printing(const QTemporaryDir& dir, const QByteArray& rtf)
    {
        const QString file = dir.filePath("document.rtf");
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(rtf) != rtf.size())
            qFatal("cannot write %s", qPrintable(file));
        f.close();
        auto* print = static_cast<_Print*>(Print::create(PrintInterfaceId));
        print->putMyFile(file);
        return print;
    }

private slots:
    void initTestCase()
    {
        const QByteArray server = qgetenv("PAGORA_TEST_CUPS");
        m_pdfs = QString::fromLocal8Bit(qgetenv("PAGORA_TEST_PDF_DIR"));
        if (server.isEmpty() || m_pdfs.isEmpty())
            QSKIP("no test printer queue: run the tests with `make test`");
        qputenv("CUPS_SERVER", server);
        Messages::setAnswering(true);
    }

    void threePagesWithOneInchMargins()
    {
        Printer& printer = Printer::current();
        QVERIFY(printer.isInstalled());
        QCOMPARE(printer.deviceName(), qEnvironmentVariable("PAGORA_TEST_QUEUE"));
        RichTextBox box;
        QByteArray rtf(
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Liberation Serif;}}\\pard\\fs24 ");
        for (int page = 1; page <= 3; ++page) {
            rtf += "Page" + QByteArray::number(page) + "Start";
            for (int i = 0; i < 8; ++i)
                rtf += " words that fill the line out to its right margin and wrap onto the next";
            rtf += page < 3 ? "\\page\n" : "}";
        }
        box.loadRtf(rtf);
        const QStringList before = PdfText::pdfsIn(m_pdfs);
        PrintRoutines::PrintRichText(box, 1440, 1440, 1440, 1440);
        const QString path = PdfText::waitForNewPdf(m_pdfs, before);
        QVERIFY2(!path.isEmpty(), "the queue wrote no PDF");
        const PdfText pdf(path);
        QVERIFY(pdf.isValid());
        QCOMPARE(pdf.pageCount(), 3);
        QCOMPARE(pdf.pageSize(), QSizeF(612, 792));
        for (int page = 1; page <= 3; ++page) {
            const QRectF ink = pdf.inkBox(page);
            QVERIFY2(qAbs(ink.left() - 72) < 3, qPrintable(QString::number(ink.left())));
            QVERIFY2(ink.top() >= 70 && ink.top() < 78, qPrintable(QString::number(ink.top())));
            QVERIFY2(ink.right() <= 612 - 72 + 1 && ink.right() > 612 - 72 - 40,
                     qPrintable(QString::number(ink.right())));
        }
        QVERIFY(pdf.text().indexOf("Page1Start") < pdf.text().indexOf("Page2Start"));
        QVERIFY(pdf.text().indexOf("Page2Start") < pdf.text().indexOf("Page3Start"));
    }

    void eachPreviewsPrintButtonPrintsOnceAndCloses()
    {
        QTemporaryDir dir;
        _Print* print = printing(dir, "{\\rtf1 FirstSheet\\page SecondSheet}");
        for (auto method : {&_Print::ShowPreview, &_Print::EditFilefile}) {
            (print->*method)();
            QCOMPARE(print->lastError().number, 0);
            const char* name = method == &_Print::ShowPreview ? "frmJustPreview" : "frmPreview";
            QPointer<QWidget> preview;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String(name) && w->isVisible())
                    preview = w;
            QVERIFY(preview);
            const QStringList before = PdfText::pdfsIn(m_pdfs);
            QTest::mouseClick(preview->findChild<QWidget*>("btnPreview_0"), Qt::LeftButton);
            QTRY_VERIFY(!preview);
            const QString path = PdfText::waitForNewPdf(m_pdfs, before);
            QVERIFY2(!path.isEmpty(), name);
            const PdfText pdf(path);
            QCOMPARE(pdf.pageCount(), 2);
            QVERIFY(pdf.text().contains("SecondSheet"));
            // Once: no second job follows.
            const QStringList after = PdfText::pdfsIn(m_pdfs);
            QTest::qWait(1500);
            QCOMPARE(PdfText::pdfsIn(m_pdfs), after);
        }
        const QStringList before = PdfText::pdfsIn(m_pdfs);
        print->Send2Print();
        QCOMPARE(print->lastError().number, 0);
        const QString path = PdfText::waitForNewPdf(m_pdfs, before);
        QVERIFY(!path.isEmpty());
        QCOMPARE(PdfText(path).pageCount(), 2);
        print->Release();
        QVERIFY(Messages::recorded().isEmpty());
    }

    // "Printer..." hands the print dialog's choice to the next Print: here pages 2 to 3 of four.
    void thePrintDialogsChoiceHoldsForPrint()
    {
        QTemporaryDir dir;
        _Print* print = printing(dir, "{\\rtf1 FirstSheet\\page SecondSheet\\page ThirdSheet\\page "
                                      "FourthSheet}");
        print->ShowPreview();
        QPointer<QWidget> preview;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmJustPreview") && w->isVisible())
                preview = w;
        QVERIFY(preview);
        // A cancelled dialog changes nothing; the next choice is kept.
        QTest::mouseClick(preview->findChild<QWidget*>("btnPrinter"), Qt::LeftButton);
        Messages::setNextPrinterChoice({qEnvironmentVariable("PAGORA_TEST_QUEUE"), 1, 2, 3});
        QTest::mouseClick(preview->findChild<QWidget*>("btnPrinter"), Qt::LeftButton);
        const QStringList before = PdfText::pdfsIn(m_pdfs);
        QTest::mouseClick(preview->findChild<QWidget*>("btnPreview_0"), Qt::LeftButton);
        QTRY_VERIFY(!preview);
        const QString path = PdfText::waitForNewPdf(m_pdfs, before);
        QVERIFY(!path.isEmpty());
        const PdfText pdf(path);
        QCOMPARE(pdf.pageCount(), 2);
        QVERIFY(pdf.text().contains("SecondSheet") && pdf.text().contains("ThirdSheet"));
        QVERIFY(!pdf.text().contains("FirstSheet") && !pdf.text().contains("FourthSheet"));
        print->Release();
    }

    // What a user types into the editor window prints as typed, whatever the characters.
    void theEditorPrintsWhatIsTyped()
    {
        QTemporaryDir dir;
        _Print* print =
            printing(dir, "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 Start\\par}");
        print->EditFilefile();
        QCOMPARE(print->lastError().number, 0);
        QPointer<QWidget> editor;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("OpenFile") && w->isVisible())
                editor = w;
        QVERIFY(editor);
        auto* box = editor->findChild<RichTextBox*>();
        box->moveCursor(QTextCursor::End);
        const QStringList typed = {
            QStringLiteral("O'Brien's 100% \"quoted\" C:\\Track {braces} '; DROP TABLE Teams; --"),
            QStringLiteral("Zo\u00eb \u00c5ngstr\u00f6m \u20ac5 \u0391\u03b8\u03b7\u03bd\u03ac "
                           "\u4e2d\u6587 Fast \U0001F600"),
            QStringLiteral("0123456789").repeated(300)};
        QTest::keyClicks(box, typed[0]);
        for (const QString& text : typed.mid(1)) {
            QTest::keyClick(box, Qt::Key_Return);
            box->insertPlainText(text);
        }
        const QStringList before = PdfText::pdfsIn(m_pdfs);
        QTest::mouseClick(editor->findChild<QWidget*>("Command1"), Qt::LeftButton);
        const QString path = PdfText::waitForNewPdf(m_pdfs, before);
        QVERIFY(!path.isEmpty());
        const QString page = PdfText::comparable(PdfText(path).text());
        const QString job = PdfText::comparable(PdfText::lastJobText());
        for (const QString& text : typed) {
            const QString expected = PdfText::comparable(text);
            QVERIFY2(PdfText::isWindows1252(text) ? page.contains(expected)
                                                  : job.contains(expected),
                     qPrintable(text.left(60)));
        }
        editor->close();
        print->Release();
    }

    // `pagora print` from a script: on the queue it names, as many copies as it asks for.
    void theCommandPrintsOnTheQueueItNames_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("copies"); // 0: nothing printed
        const QString queue = qEnvironmentVariable("PAGORA_TEST_QUEUE");
        QTest::newRow("the default queue") << QStringList() << 0 << 1;
        QTest::newRow("a named queue") << QStringList{"--printer", queue} << 0 << 1;
        QTest::newRow("copies") << QStringList{"--printer", queue, "--copies", "2"} << 0 << 2;
        QTest::newRow("copies on the default queue") << QStringList{"--copies", "3"} << 0 << 3;
        QTest::newRow("no such queue") << QStringList{"--printer", "NoSuchQueue"} << 1 << 0;
        QTest::newRow("no copies") << QStringList{"--copies", "0"} << 2 << 0;
        QTest::newRow("copies that are no number") << QStringList{"--copies", "two"} << 2 << 0;
        QTest::newRow("an option without its value") << QStringList{"--printer"} << 2 << 0;
    }
    void theCommandPrintsOnTheQueueItNames()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(int, copies);
        QTemporaryDir dir;
        // cups-pdf names its file after the document: a name of each row's own.
        static int row = 0;
        const QString name = QStringLiteral("command%1").arg(++row);
        const QString file = dir.filePath(name + ".rtf");
        QFile rtf(file);
        QVERIFY(rtf.open(QIODevice::WriteOnly));
        rtf.write("{\\rtf1\\ansi Scripted print}");
        rtf.close();
        const QStringList before = PdfText::pdfsIn(m_pdfs);
        QProcess command;
        command.start(QStringLiteral(PAGORA_COMMAND), QStringList{"print", file} + options);
        QVERIFY(command.waitForFinished(60000));
        QCOMPARE(command.exitCode(), exitCode);
        if (copies == 0) {
            QTest::qWait(500);
            QCOMPARE(PdfText::pdfsIn(m_pdfs), before);
            return;
        }
        const QString pdf = QDir(m_pdfs).filePath(name + ".pdf");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pdf), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(PdfText(pdf).text().contains("Scripted print"), 10000);
        // CUPS writes a job's file a moment after the job starts.
        QTRY_COMPARE_WITH_TIMEOUT(PdfText::lastJobCopies(), copies, 30000);
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
