// What everyday RTF files hold, each construct in a minimal file, printed and measured where it
// lands on the page.
#include "errors/PagoraError.h"
#include "layout/RichTextBox.h"
#include "layout/RichTextEngine.h"
#include "layout/RtfDocument.h"
#include "printing/PdfFilePrinter.h"
#include "printing/PrintRoutines.h"
#include "printing/QtPrinter.h"
#include "rtf/FontFallback.h"
#include "support/PdfText.h"
#include "units/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>

using namespace pagora;

namespace {

QByteArray document(const QByteArray& body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}"
           "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green255\\blue0;}\\pard\\fs24 " +
           body + "}";
}

// A paragraph of `count` numbered words, many lines long.
QByteArray words(int count)
{
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "w" + QByteArray::number(i) + ' ';
    return text;
}

} // namespace

class RtfConstructsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    PdfText print(const QByteArray& body)
    {
        QFile rtf(m_dir.filePath("construct.rtf"));
        if (!rtf.open(QIODevice::WriteOnly))
            return PdfText(QString());
        rtf.write(document(body));
        rtf.close();
        const std::unique_ptr<QTextDocument> loaded = RtfDocument::load(rtf.fileName());
        {
            auto printer = std::make_unique<PdfFilePrinter>(m_dir.filePath("construct.pdf"));
            RichTextEngine engine(loaded.get());
            PrintRoutines::PrintRichText(engine, 1440, 1440, 1440, 1440, *printer);
        }
        return PdfText(m_dir.filePath("construct.pdf"));
    }

private slots:
    void initTestCase()
    {
        // The page is the same whatever the screen's resolution: the tests take the screen as
        // it is (a second run has one at 144 dots to the inch), not the 96 QTest pins.
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false);
    }

    // Where `word` prints, in points: "left" from the left margin (or from `anchor`'s left, or
    // the paper's), "right" from the right margin, "top" below `anchor`'s top, "page" its page,
    // "count" how often it prints; or the "paper width".
    void placed_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("anchor");
        QTest::addColumn<QString>("measure");
        QTest::addColumn<double>("expected");
        QTest::newRow("no indent") << QByteArray("Word") << "Word"
                                   << ""
                                   << "left" << 0.0;
        QTest::newRow("left indent") << QByteArray("\\li1440 Word") << "Word"
                                     << ""
                                     << "left" << 72.0;
        QTest::newRow("first line") << QByteArray("\\fi720 Word") << "Word"
                                    << ""
                                    << "left" << 36.0;
        QTest::newRow("hanging") << QByteArray("\\li1440\\fi-720 Word") << "Word"
                                 << ""
                                 << "left" << 36.0;
        QTest::newRow("right indent") << QByteArray("\\qr\\ri1440 Word") << "Word"
                                      << ""
                                      << "right" << 72.0;
        // A file without \deftab has a stop every half inch.
        QTest::newRow("default tab") << QByteArray("\\tab Word") << "Word"
                                     << ""
                                     << "left" << 36.0;
        QTest::newRow("third default tab") << QByteArray("\\tab\\tab\\tab Word") << "Word"
                                           << ""
                                           << "left" << 108.0;
        QTest::newRow("tab stop beside an indent")
            << QByteArray("\\li720\\tx2880 A\\tab Word") << "Word"
            << ""
            << "left" << 144.0;
        QTest::newRow("tab out of a hanging indent")
            << QByteArray("\\li720\\fi-360 A\\tab Word") << "Word"
            << ""
            << "left" << 36.0;
        QTest::newRow("default tab beside an indent") << QByteArray("\\li720 A\\tab Word") << "Word"
                                                      << ""
                                                      << "left" << 72.0;
        // Every line measures its tabs from the margin, also the lines after an indented first.
        QTest::newRow("tab in a wrapped line after a first-line indent")
            << QByteArray("\\fi360 " + words(60) + "\\tab Word") << "Word"
            << ""
            << "off the stops" << 0.0;
        // A positioned frame stands where the file places it, out of the text's flow.
        const QByteArray framed("\\pard\\pvpg\\phpg\\posx2880\\posy7200\\absw3000 Framed\\par"
                                "\\pard Body");
        QTest::newRow("frame from the page's left") << framed << "Framed"
                                                    << "paper"
                                                    << "left" << 144.0;
        QTest::newRow("frame from the page's top") << framed << "Framed"
                                                   << "paper"
                                                   << "top" << 360.0;
        QTest::newRow("text after a frame") << framed << "Body"
                                            << ""
                                            << "top" << 0.0;
        QTest::newRow("frame below its paragraph")
            << QByteArray("First\\par\\pard\\pvpara\\posy360\\absw3000 Framed\\par\\pard Anchor")
            << "Framed"
            << "Anchor"
            << "top" << 18.0;
        QTest::newRow("frame of an exact height")
            << QByteArray("\\pard\\absh-300\\absw1000 one two three four five six seven eight"
                          " nine ten eleven twelve\\par\\pard Body")
            << "twelve"
            << ""
            << "count" << 0.0;
        // A first line of an exact height smaller than its text's stands partly above the
        // margin: it is still the first page's.
        QTest::newRow("exact line height below the text's")
            << QByteArray("\\sl-200\\slmult0 Word") << "Word"
            << ""
            << "page" << 1.0;
        QTest::newRow("small space above the first paragraph")
            << QByteArray("\\sb20 Word") << "Word"
            << ""
            << "page" << 1.0;
        // The body's text flows beside a frame that goes with its paragraph, not under it, as
        // far from it as the file says; a dropped capital is the usual one.
        QTest::newRow("text beside a frame on the left, down its height")
            << QByteArray(
                   "\\pard\\pvpara\\phmrg\\posxl\\absw2880\\absh-1440\\dxfrtext144 Framed\\par"
                   "\\pard\\sb240 Body\\par Second\\par Third")
            << "Third"
            << ""
            << "left" << 151.2;
        QTest::newRow("text beside a dropped capital")
            << QByteArray(
                   "\\pard\\dropcapli3\\pvpara\\phmrg\\posx0\\posy0\\absh-1148{\\fs151 T}\\par"
                   "\\pard he season")
            << "he"
            << ""
            << "left" << 46.1;
        QTest::newRow("text wrapped beside a frame on the right")
            << QByteArray("\\pard\\pvpara\\phmrg\\posxr\\absw8640 Framed\\par\\pard Body Second")
            << "Second"
            << "Body"
            << "top" << 13.8;
        QTest::newRow("text under a frame that asks for it")
            << QByteArray("\\pard\\pvpara\\phmrg\\posxl\\absw2880\\nowrap Framed\\par\\pard Body")
            << "Body"
            << ""
            << "left" << 0.0;
        // Text raised or lowered by 6 points makes its line that much taller, above or below.
        QTest::newRow("a line of raised text")
            << QByteArray("First\\par Mid {\\up12 up}\\par Last") << "Mid"
            << "First"
            << "top" << 19.8;
        QTest::newRow("after a line of raised text")
            << QByteArray("First\\par Mid {\\up12 up}\\par Last") << "Last"
            << "First"
            << "top" << 33.6;
        QTest::newRow("after a line of lowered text")
            << QByteArray("First\\par Mid {\\dn12 dn}\\par Last") << "Last"
            << "First"
            << "top" << 33.6;
        QTest::newRow("a line of lowered text")
            << QByteArray("First\\par Mid {\\dn12 dn}\\par Last") << "Mid"
            << "First"
            << "top" << 13.8;
        QTest::newRow("space above the first paragraph")
            << QByteArray("\\sb1440 Word\\par\\sb1440 Next\\page Top") << "Word"
            << "paper"
            << "top" << 144.0;
        QTest::newRow("space above a paragraph after a page break")
            << QByteArray("\\sb1440 Word\\par\\sb1440 Next\\page Top") << "Top"
            << "paper"
            << "top" << 144.0;
        QTest::newRow("space above a paragraph after a table")
            << QByteArray("\\trowd\\cellx2000\\pard\\intbl A\\cell\\row\\pard\\sb1440 After")
            << "After"
            << "A"
            << "top" << 85.8;
        QTest::newRow("space below a paragraph before a table")
            << QByteArray("\\sa1440 Top\\par\\trowd\\cellx2000\\pard\\intbl A\\cell\\row") << "A"
            << "Top"
            << "top" << 85.8;
        QTest::newRow("space above a cell's first paragraph")
            << QByteArray("Top\\par\\trowd\\cellx2000\\pard\\intbl\\sb1440 A\\cell\\row") << "A"
            << "Top"
            << "top" << 85.8;
        QTest::newRow("raised") << QByteArray("Base {\\up12 Up}") << "Up"
                                << "Base"
                                << "top" << -6.0;
        QTest::newRow("lowered") << QByteArray("Base {\\dn12 Down}") << "Down"
                                 << "Base"
                                 << "top" << 6.0;
        QTest::newRow("list level without a label")
            << QByteArray("{\\listtext\\tab}Heading") << "Heading"
            << ""
            << "left" << 0.0;
        QTest::newRow("list label and its tab") << QByteArray("{\\listtext 1.\\tab}Item") << "Item"
                                                << ""
                                                << "left" << 36.0;
        QTest::newRow("section starts a page") << QByteArray("One\\par\\sect Two") << "Two"
                                               << ""
                                               << "page" << 2.0;
        QTest::newRow("section on the same page")
            << QByteArray("One\\par\\sect\\sectd\\sbknone Two") << "Two"
            << ""
            << "page" << 1.0;
        QTest::newRow("a page break in a section's first paragraph")
            << QByteArray("One\\sect Two\\page Three") << "Two"
            << ""
            << "page" << 2.0;
        const QByteArray twoCells(
            "\\cellx2880\\cellx5760\\pard\\intbl A\\cell B\\cell\\row\\pard ");
        QTest::newRow("cell padding of the row")
            << "\\trowd\\trpaddl45\\trpaddfl3" + twoCells << "B"
            << ""
            << "left" << 146.25;
        QTest::newRow("cell padding in Word's words")
            << QByteArray("\\trowd\\clpadt45\\clpadft3\\cellx2880\\clpadt45\\clpadft3"
                          "\\cellx5760\\pard\\intbl A\\cell B\\cell\\row")
            << "B"
            << ""
            << "left" << 146.25;
        QTest::newRow("cell padding from the gap") << "\\trowd\\trgaph108" + twoCells << "B"
                                                   << ""
                                                   << "left" << 149.4;
        QTest::newRow("table edge left of the margin")
            << "\\trowd\\trgaph108\\trleft-108" + twoCells << "A"
            << ""
            << "left" << 0.0;
        QTest::newRow("rows without space above and below")
            << QByteArray("\\trowd\\cellx2880\\pard\\intbl A\\cell\\row\\trowd\\cellx2880"
                          "\\pard\\intbl Z\\cell\\row")
            << "Z"
            << "A"
            << "top" << 13.8;
        QTest::newRow("a later row with cells of its own")
            << "\\trowd" + twoCells.chopped(6) +
                   "\\trowd\\cellx1440\\cellx5760\\pard\\intbl C\\cell D\\cell\\row"
            << "D"
            << ""
            << "left" << 72.0;
        QTest::newRow("a narrow cell without a gap keeps its word whole")
            << QByteArray("\\trowd\\cellx500\\cellx1000\\pard\\intbl\\fs24 No\\cell to\\cell\\row")
            << "No"
            << ""
            << "count" << 1.0;
        QTest::newRow("cells merged across")
            << QByteArray("\\trowd\\clmgf\\cellx2880\\clmrg\\cellx5760\\cellx8640\\pard"
                          "\\intbl A\\cell\\cell C\\cell\\row")
            << "C"
            << ""
            << "left" << 288.0;
        QTest::newRow("cells merged down")
            << QByteArray("\\trowd\\clvmgf\\cellx2880\\cellx5760\\pard\\intbl A\\cell B\\cell"
                          "\\row\\trowd\\clvmrg\\cellx2880\\cellx5760\\pard\\intbl\\cell Y\\cell"
                          "\\row")
            << "Y"
            << ""
            << "left" << 144.0;
        const QByteArray nested(
            "\\trowd\\cellx4320\\cellx8640\\pard\\intbl\\itap1 A\\par\\pard\\intbl\\itap2 In1"
            "\\nestcell In2\\nestcell{\\*\\nesttableprops\\trowd\\cellx1440\\cellx2880\\nestrow}"
            "{\\nonesttables\\par}\\pard\\intbl\\itap2 In3\\nestcell In4\\nestcell{\\*"
            "\\nesttableprops\\trowd\\cellx1440\\cellx2880\\nestrow}{\\nonesttables\\par}\\pard"
            "\\intbl\\itap1\\cell B\\cell\\row\\pard ");
        QTest::newRow("a table in a cell") << nested << "In4"
                                           << ""
                                           << "left" << 72.0;
        QTest::newRow("the row of a table in a cell") << nested << "In3"
                                                      << "In1"
                                                      << "top" << 13.8;
        QTest::newRow("the cell after a table in a cell") << nested << "B"
                                                          << ""
                                                          << "left" << 216.0;
        QTest::newRow("a table wider than the page")
            << QByteArray("\\trowd\\cellx3000\\cellx6000\\cellx9000\\cellx12000\\cellx15000"
                          "\\pard\\intbl A\\cell B\\cell C\\cell D\\cell Last\\cell\\row")
            << "Last"
            << ""
            << "count" << 1.0;
        QTest::newRow("paper from the file")
            << QByteArray("\\paperw11906\\paperh16838 Word") << "Word"
            << ""
            << "paper width" << 595.3;
        QTest::newRow("landscape")
            << QByteArray("\\paperw12240\\paperh15840\\landscape Word") << "Word"
            << ""
            << "paper width" << 792.0;
        QTest::newRow("left margin from the file") << QByteArray("\\margl2880 Word") << "Word"
                                                   << "paper"
                                                   << "left" << 144.0;
        QTest::newRow("top margin from the file") << QByteArray("\\margt2880 Word") << "Word"
                                                  << "paper"
                                                  << "top" << 144.0;
        QTest::newRow("header at its place")
            << QByteArray("\\headery360{\\header\\pard Head\\par}Word") << "Head"
            << "paper"
            << "top" << 18.0;
        QTest::newRow("page number in a footer")
            << QByteArray("{\\footer\\pard Page {\\field{\\*\\fldinst PAGE}{\\fldrslt 9}}\\par}"
                          "One\\page Two")
            << "2"
            << ""
            << "page" << 2.0;
        QTest::newRow("the number the file last showed")
            << QByteArray("{\\footer\\pard Page {\\field{\\*\\fldinst PAGE}{\\fldrslt 9}}\\par}"
                          "One\\page Two")
            << "9"
            << ""
            << "count" << 0.0;
        QTest::newRow("page count in a footer")
            << QByteArray("{\\footer\\pard of {\\field{\\*\\fldinst NUMPAGES}{\\fldrslt 9}}"
                          "\\par}One\\page Two\\page Three")
            << "3"
            << ""
            << "count" << 3.0;
        // A part that ends in a table prints it and lets the print end.
        QTest::newRow("a table in a header")
            << QByteArray("{\\header\\trowd\\cellx3000\\pard\\intbl Cell\\cell\\row}One") << "Cell"
            << ""
            << "count" << 1.0;
        QTest::newRow("a table in a footer")
            << QByteArray("{\\footer\\pard F\\par\\trowd\\cellx3000\\pard\\intbl "
                          "Cell\\cell\\row\\pard\\par}One\\page Two")
            << "Cell"
            << ""
            << "count" << 2.0;
        QTest::newRow("a page break before a section break")
            << QByteArray("One\\par\\page\\sect\\sectd Two\\par\\page\\sect\\sectd Three")
            << "Three"
            << ""
            << "page" << 3.0;
        // The words in shapes and text boxes, once, where the shape stands; not its properties.
        const QByteArray shape("Before{\\shp{\\*\\shpinst{\\sp{\\sn shapeType}{\\sv 202}}{\\shptxt "
                               "\\pard Boxed\\par}}{\\shprslt{\\*\\do\\dobxcolumn{\\dptxbx{\\pard "
                               "Boxed\\par}}}}} After");
        QTest::newRow("text in a shape") << shape << "Boxed"
                                         << ""
                                         << "count" << 1.0;
        QTest::newRow("a shape's properties") << shape << "shapeType"
                                              << ""
                                              << "count" << 0.0;
        QTest::newRow("text in a drawing object")
            << QByteArray("Before {\\*\\do\\dobxcolumn\\dptxbx{\\pard Drawn\\par}}After") << "Drawn"
            << ""
            << "count" << 1.0;
        QTest::newRow("shapes in a group")
            << QByteArray("{\\shpgrp{\\*\\shpinst{\\shp{\\*\\shpinst{\\shptxt One\\par}}}{\\shp{"
                          "\\*\\shpinst{\\shptxt Two\\par\\trowd\\cellx900\\pard\\intbl "
                          "In\\cell\\row}}}}}")
            << "Two"
            << ""
            << "count" << 1.0;
        QTest::newRow("a shape in a cell keeps the row")
            << QByteArray("\\trowd\\cellx3000\\cellx6000\\pard\\intbl A{\\shp{\\*\\shpinst{\\shptxt"
                          "\\pard Inner\\par}}}\\cell B\\cell\\row\\pard End")
            << "B"
            << ""
            << "left" << 150.0;
        // A drop-down form field shows its chosen item, whether the file's result has it or not.
        const QByteArray dropDown(
            "{\\field{\\*\\fldinst {FORMDROPDOWN }{\\*\\formfield{\\fftype2\\ffres1"
            "{\\*\\ffname Drop1}{\\*\\ffl One}{\\*\\ffl Two}{\\*\\ffl Three}}}}"
            "{\\fldrslt ");
        QTest::newRow("a drop-down's choice without a result") << dropDown + "}} end"
                                                               << "Two"
                                                               << ""
                                                               << "count" << 1.0;
        QTest::newRow("a drop-down's choice with its result") << dropDown + "Two}} end"
                                                              << "Two"
                                                              << ""
                                                              << "count" << 1.0;
        QTest::newRow("a drop-down's other items") << dropDown + "}} end"
                                                   << "Three"
                                                   << ""
                                                   << "count" << 0.0;
        QTest::newRow("page number symbol")
            << QByteArray("{\\header\\pard P\\chpgn\\par}One\\page Two") << "P2"
            << ""
            << "page" << 2.0;
        QTest::newRow("a title page without the header")
            << QByteArray("\\titlepg{\\header\\pard Head\\par}One\\page Two") << "Head"
            << ""
            << "page" << 2.0;
        // Each section has its headers, or those of the section before.
        const QByteArray sections("{\\header\\pard HeadOne\\par}One\\sect\\sectd{\\header\\pard "
                                  "HeadTwo\\par}Two\\page Three");
        QTest::newRow("a section's own header") << sections << "HeadTwo"
                                                << ""
                                                << "count" << 2.0;
        QTest::newRow("the header of the section before") << sections << "HeadOne"
                                                          << ""
                                                          << "count" << 1.0;
        QTest::newRow("a section without headers")
            << QByteArray("{\\header\\pard Head\\par}One\\sect\\sectd Two") << "Head"
            << ""
            << "count" << 2.0;
        QTest::newRow("a later section's title page")
            << QByteArray(
                   "{\\header\\pard Head\\par}One\\sect\\sectd\\titlepg Two\\page Three\\page Four")
            << "Head"
            << ""
            << "count" << 3.0;
        const QByteArray note("{\\super\\chftn}{\\footnote\\pard{\\super\\chftn} Note}");
        // Lines, then a table that reaches the foot of a page with a note.
        const auto filled = [&](int lines, const QByteArray& more) {
            QByteArray body("A" + note + "\\par ");
            for (int i = 1; i <= lines; ++i)
                body += "Line " + QByteArray::number(i) + "\\par ";
            for (int i = 1; i <= 15; ++i)
                body += "\\trowd\\cellx3000\\pard\\intbl R" + QByteArray::number(i) + more +
                        "\\cell\\row ";
            return body;
        };
        QTest::newRow("a table row clear of the page's notes") << filled(38, "") << "R11"
                                                               << ""
                                                               << "page" << 2.0;
        QTest::newRow("a table clear of the page's notes") << filled(47, "\\line x") << "R1"
                                                           << ""
                                                           << "page" << 2.0;
        QTest::newRow("footnote at the foot of its page") << "Text" + note + "\\par"
                                                          << "Note"
                                                          << ""
                                                          << "above the bottom margin" << 0.5;
        QTest::newRow("footnote mark") << "Text" + note + "\\par"
                                       << "1"
                                       << ""
                                       << "count" << 2.0;
        QTest::newRow("lines make room for a footnote") << note + words(1200) << "Note"
                                                        << ""
                                                        << "above the bottom margin" << 0.5;
        QTest::newRow("text moved for a footnote") << note + words(1200) << "w700"
                                                   << ""
                                                   << "count" << 1.0;
        QTest::newRow("endnotes") << "\\enddoc One" + note + "\\page Two"
                                  << "Note"
                                  << ""
                                  << "page" << 2.0;
        // The paragraph runs over three pages; each of its lines prints once.
        QTest::newRow("line before a page break") << words(2000) << "w790"
                                                  << ""
                                                  << "count" << 1.0;
        QTest::newRow("line after a page break") << words(2000) << "w780"
                                                 << ""
                                                 << "count" << 1.0;
    }
    void placed()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, word);
        QFETCH(QString, anchor);
        QFETCH(QString, measure);
        QFETCH(double, expected);
        const PdfText printed = print(body);
        QVERIFY(printed.isValid());
        QList<PdfText::Word> found, anchors;
        for (const PdfText::Word& w : printed.words()) {
            if (w.text == word)
                found << w;
            if (w.text == anchor)
                anchors << w;
        }
        if (measure == QLatin1String("count")) {
            QCOMPARE(found.size(), static_cast<int>(expected));
            return;
        }
        QVERIFY2(!found.isEmpty(), qPrintable(printed.text()));
        const QRectF box = found.first().box;
        QRectF from = anchors.isEmpty() ? QRectF(72, 72, 0, 0) : anchors.first().box;
        if (anchor == QLatin1String("paper"))
            from = QRectF();
        double measured = 0;
        if (measure == QLatin1String("left"))
            measured = box.left() - from.left();
        else if (measure == QLatin1String("right"))
            measured = printed.pageSize().width() - 72 - box.right();
        else if (measure == QLatin1String("top"))
            measured = box.top() - from.top();
        else if (measure == QLatin1String("page"))
            measured = found.first().page;
        else if (measure == QLatin1String("off the stops"))
            measured = std::remainder(box.left() - 72, 36);
        else if (measure == QLatin1String("above the bottom margin"))
            measured = printed.pageSize().height() - 72 - box.bottom();
        else if (measure == QLatin1String("paper width"))
            measured = printed.pageSize().width();
        QVERIFY2(std::abs(measured - expected) < 0.5, qPrintable(QString::number(measured)));
    }

    // What is drawn in the space of "A\tab B" that no word fills: a leader, or a background.
    void ink_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QColor>("ink"); // invalid: none
        const QColor black(Qt::black);
        QTest::newRow("tab without leader") << QByteArray("\\tx4320 A\\tab B") << QColor();
        QTest::newRow("dots") << QByteArray("\\tldot\\tx4320 A\\tab B") << black;
        QTest::newRow("hyphens") << QByteArray("\\tlhyph\\tx4320 A\\tab B") << black;
        QTest::newRow("underline") << QByteArray("\\tlul\\tx4320 A\\tab B") << black;
        QTest::newRow("thick line") << QByteArray("\\tlth\\tx4320 A\\tab B") << black;
        QTest::newRow("double line") << QByteArray("\\tleq\\tx4320 A\\tab B") << black;
        QTest::newRow("right tab") << QByteArray("\\tqr\\tldot\\tx4320 A\\tab B") << black;
        QTest::newRow("leader on the second stop only")
            << QByteArray("\\tx4320\\tldot\\tx7200 A\\tab B") << QColor();
        QTest::newRow("cell bottom border")
            << QByteArray("\\trowd\\clbrdrb\\brdrs\\cellx5000\\pard\\intbl A\\cell\\row") << black;
        QTest::newRow("cell left border only")
            << QByteArray("\\trowd\\clbrdrl\\brdrs\\cellx5000\\pard\\intbl A\\cell\\row")
            << QColor();
        QTest::newRow("a border of none")
            << QByteArray("\\trowd\\clbrdrb\\brdrnone\\cellx5000\\pard\\intbl A\\cell\\row")
            << QColor();
        QTest::newRow("cell shading")
            << QByteArray("\\trowd\\clcbpat2\\cellx5000\\pard\\intbl A\\cell\\row")
            << QColor(Qt::yellow);
        QTest::newRow("shading") << QByteArray("A\\tab{\\chcbpat2 \\tab}B") << QColor(Qt::yellow);
        QTest::newRow("pattern shading")
            << QByteArray("A\\tab{\\chcfpat1\\chshdng5000 \\tab}B") << QColor(128, 128, 128);
    }
    void ink()
    {
        QFETCH(QByteArray, body);
        QFETCH(QColor, ink);
        const std::unique_ptr<QTextDocument> loaded =
            RtfDocument::read(document(body), QStringLiteral("ink"));
        QImage page(800, 200, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            RichTextEngine engine(loaded.get());
            QPainter painter(&page);
            painter.scale(Twips::toPixelsExact(1, page.logicalDpiX()),
                          Twips::toPixelsExact(1, page.logicalDpiY()));
            engine.formatRange(&painter, &page, QRect(0, 0, 11000, 2800), 0);
        }
        // Between the first tab stop after "A" and the last before "B".
        const int from = Twips::x(&page, 1000), to = Twips::x(&page, 4000);
        QColor seen;
        for (int y = 0; y < page.height() && !seen.isValid(); ++y) {
            for (int x = from; x < to && !seen.isValid(); ++x) {
                if (page.pixelColor(x, y) != QColor(Qt::white))
                    seen = page.pixelColor(x, y);
            }
        }
        if (!ink.isValid()) {
            QVERIFY2(!seen.isValid(), qPrintable(seen.name()));
            return;
        }
        QVERIFY(seen.isValid());
        if (ink != QColor(Qt::black)) {
            QVERIFY2(std::abs(seen.red() - ink.red()) < 8 &&
                         std::abs(seen.green() - ink.green()) < 8 &&
                         std::abs(seen.blue() - ink.blue()) < 8,
                     qPrintable(seen.name()));
        }
    }

    // The PDF's text layer holds the document's characters, though a CJK font shows an
    // ideograph and its radical with one glyph.
    void textLayer_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::newRow("ideographs")
            << QByteArray("\\u38271?\\u25991?\\u20013? long") << QString::fromUtf8("长文中 long");
        QTest::newRow("a radical itself") << QByteArray("\\u11987?") << QString::fromUtf8("⻓");
        QTest::newRow("in a header")
            << QByteArray("{\\header \\u38271?\\u25991?}") << QString::fromUtf8("长文");
        QTest::newRow("in a footnote")
            << QByteArray("A{\\footnote \\u38271?\\u25991?}") << QString::fromUtf8("A 长文");
    }
    void textLayer()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        QCOMPARE(print(body).text().simplified(), text);
    }

    // A long document is read a piece at a time: its layout as far as its pages need, its
    // window while it shows the start. It prints as it does read whole, and the window ends
    // up with all of it.
    void aLongDocumentReadInPiecesIsWhole_data()
    {
        QTest::addColumn<QByteArray>("body");
        QByteArray plain, varied;
        for (int i = 0; i < 400; ++i) {
            const QByteArray n = QByteArray::number(i);
            const QByteArray part =
                "\\pard\\li720\\fi-360\\tldot\\tx4320 item " + n + "\\tab " + words(12) +
                "\\par\\trowd\\trgaph60\\cellx3000\\cellx6000\\pard\\intbl cell " + n + "\\cell " +
                words(12) + "\\cell\\row\\pard\\sb240 line " + n + "\\line second line\\par ";
            plain += part;
            varied += part + (i % 97 == 96 ? "\\page " : "") +
                      (i % 7 == 0 ? "{\\fs36\\sa120 Heading " + n + "\\par}" : "");
        }
        // A piece once ended where a paragraph crossed a page's foot.
        QTest::newRow("paragraphs, tables and lines") << plain;
        QTest::newRow("with headings and page breaks") << varied;
    }
    void aLongDocumentReadInPiecesIsWhole()
    {
        QFETCH(QByteArray, body);
        const PdfText whole = print(body);
        const auto placed = [](const PdfText& pdf) {
            QStringList list;
            for (const PdfText::Word& w : pdf.words())
                list << QStringLiteral("%1 %2 %3 %4")
                            .arg(w.page)
                            .arg(w.box.left(), 0, 'f', 1)
                            .arg(w.box.top(), 0, 'f', 1)
                            .arg(w.text);
            return list;
        };
        QVERIFY(whole.pageCount() > 10);

        RichTextBox box;
        box.loadFile(m_dir.filePath("construct.rtf"));
        QVERIFY(box.isLoading());
        QVERIFY(box.isReadOnly());
        {
            auto printer = std::make_unique<PdfFilePrinter>(m_dir.filePath("pieces.pdf"));
            PrintRoutines::PrintRichText(box.engine(), 1440, 1440, 1440, 1440, *printer);
        }
        QCOMPARE(placed(PdfText(m_dir.filePath("pieces.pdf"))), placed(whole));

        QTRY_VERIFY(!box.isLoading());
        QVERIFY(!box.isReadOnly());
        const std::unique_ptr<QTextDocument> read =
            RtfDocument::load(m_dir.filePath("construct.rtf"));
        QCOMPARE(box.toPlainText(), read->toPlainText());
    }

    // A font this machine lacks gives way to its family's generic font; a font it has, or one
    // it has a stand-in for, is kept.
    void fallbackFonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("generic");
        QTest::addColumn<QStringList>("families");
        QTest::newRow("missing serif") << "Pagora Missing Roman"
                                       << "serif" << QStringList{"serif"};
        QTest::newRow("missing monospace") << "Pagora Missing Mono"
                                           << "monospace" << QStringList{"monospace"};
        QTest::newRow("stand-in for Times") << "Times New Roman"
                                            << "serif" << QStringList{"Times New Roman", "serif"};
        QTest::newRow("stand-in for Courier")
            << "Courier New"
            << "monospace" << QStringList{"Courier New", "monospace"};
        QTest::newRow("installed") << "DejaVu Sans"
                                   << "sans-serif" << QStringList{"DejaVu Sans", "sans-serif"};
        QTest::newRow("no family named") << "Pagora Missing"
                                         << "" << QStringList{"Pagora Missing"};
    }
    void fallbackFonts()
    {
        QFETCH(QString, name);
        QFETCH(QString, generic);
        QFETCH(QStringList, families);
        QCOMPARE(FontFallback::families(name, generic), families);
    }

    // A document only printed places a fixed-pitch font's glyphs without shaping them, but
    // text with marks over letters, or of a script whose letters join, still is shaped: it
    // prints as the editor's reading of it does.
    void fixedPitchTextPrintsAsShaped_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("plain") << QByteArray("Renee fi ffi");
        QTest::newRow("a mark over a letter") << QByteArray("Jose\\u769? a\\u776?");
        QTest::newRow("joined letters")
            << QByteArray("Renee \\u1605?\\u1585?\\u1581?\\u1576?\\u1575? fi");
    }
    void fixedPitchTextPrintsAsShaped()
    {
        QFETCH(QByteArray, text);
        const QByteArray rtf =
            "{\\rtf1\\ansi{\\fonttbl{\\f0\\fmodern Liberation Mono;}}\\f0\\fs48 " + text + "}";
        // Each glyph and where it stands; Qt gives the runs of a line in no fixed order.
        QList<QStringList> placed;
        for (RtfReader::Use use : {RtfReader::Use::Editing, RtfReader::Use::Layout}) {
            const auto loaded = RtfDocument::read(rtf, QStringLiteral("mono"), use);
            loaded->documentLayout()->documentSize(); // laid out
            const QTextBlock block = loaded->begin();
            QStringList glyphs;
            for (const QGlyphRun& run : block.layout()->glyphRuns(0, block.length())) {
                for (qsizetype k = 0; k < run.glyphIndexes().size(); ++k)
                    glyphs << QStringLiteral("%1@%2,%3")
                                  .arg(run.glyphIndexes()[k])
                                  .arg(run.positions()[k].x())
                                  .arg(run.positions()[k].y());
            }
            glyphs.sort();
            placed << glyphs;
        }
        QCOMPARE(placed[1], placed[0]);
    }
};

QTEST_MAIN(RtfConstructsTest)
#include "tst_rtf_constructs.moc"
