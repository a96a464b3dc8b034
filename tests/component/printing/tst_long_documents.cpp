// Documents longer than one layout can hold: every page printed, in order.
#include "layout/RichTextEngine.h"
#include "layout/RtfDocument.h"
#include "printing/PdfFilePrinter.h"
#include "printing/PrintRoutines.h"
#include "support/PdfText.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace pagora;

namespace {

QByteArray document(const QByteArray& body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}\\pard\\fs24 " + body +
           "}";
}

} // namespace

class LongDocumentsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Prints `rtf` the way a caller of the component does: laid out in place when only
    // printed, else from a copy, read again from the file when the engine is given it.
    PdfText print(const QByteArray& rtf, const QString& way)
    {
        const QString name = m_dir.filePath("long.rtf");
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly))
            return PdfText(QString());
        file.write(rtf);
        file.close();
        const QString pdf = m_dir.filePath("long.pdf");
        QFile::remove(pdf);
        const std::unique_ptr<QTextDocument> loaded =
            RtfDocument::load(name, RtfReader::Use::Layout);
        {
            auto printer = std::make_unique<PdfFilePrinter>(pdf);
            RichTextEngine engine(loaded.get(), way == "printed only"
                                                    ? RichTextEngine::Use::PrintOnly
                                                    : RichTextEngine::Use::Shown);
            if (way == "read again")
                engine.setDocument(loaded.get(), rtf);
            PrintRoutines::PrintRichText(engine, 1440, 1440, 1440, 1440, *printer);
        }
        return PdfText(pdf);
    }

private slots:
    // Ten thousand pages are three times what one layout reaches at the printer's 1,200 dots
    // to the inch. Each page says its number; a footer that counts the pages makes them be
    // counted before they are printed, so the first pieces are laid out again.
    void everyPageOfTenThousand_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QByteArray>("footer");
        QTest::newRow("printed only") << "printed only" << QByteArray();
        QTest::newRow("copied") << "copied" << QByteArray();
        QTest::newRow("read again, pages counted")
            << "read again"
            << QByteArray("{\\footer\\pard {\\field{\\*\\fldinst NUMPAGES}{\\fldrslt 1}}\\par}");
    }
    void everyPageOfTenThousand()
    {
        QFETCH(QString, way);
        QFETCH(QByteArray, footer);
        constexpr int Pages = 10'000;
        QByteArray body = footer;
        for (int i = 1; i <= Pages; ++i) {
            // Some pages start inside a paragraph, where no piece can start. An indented first
            // line with a tab gives the layout a character the source has not.
            body += i % 3 == 0 ? "\\pard\\fi360\\tab " : "\\pard ";
            body += "Page" + QByteArray::number(i);
            body += i % 7 == 0 ? "\\line\\page\\line " : "\\par\\page ";
        }
        const PdfText printed = print(document(body), way);
        QCOMPARE(printed.pageCount(), Pages);
        QMap<int, QString> pages;
        int counts = 0; // footers that give the page count
        for (const PdfText::Word& w : printed.words()) {
            if (w.text.startsWith("Page"))
                pages.insert(w.page, w.text);
            counts += w.text == QString::number(Pages);
        }
        QCOMPARE(pages.size(), Pages);
        for (int page : {1, 2'500, 3'000, 3'001, 3'200, 6'200, 9'999, Pages})
            QCOMPARE(pages.value(page), QString("Page%1").arg(page));
        if (!footer.isEmpty())
            QCOMPARE(counts, Pages);
    }
};

QTEST_MAIN(LongDocumentsTest)
#include "tst_long_documents.moc"
