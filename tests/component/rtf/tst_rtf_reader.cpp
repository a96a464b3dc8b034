// The RTF reader on a corpus of small documents, one or more per feature, and on bad input.
#include "errors/PagoraError.h"
#include "layout/RichTextBox.h"
#include "rtf/RtfListNumber.h"
#include "rtf/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

using namespace pagora;

namespace {

QString corpus(const QString& name)
{
    return QStringLiteral(PAGORA_RTF_CORPUS "/") + name;
}

std::unique_ptr<QTextDocument> load(const QString& name)
{
    QFile file(corpus(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing corpus file %s", qPrintable(name));
    auto doc = std::make_unique<QTextDocument>();
    QString error;
    if (!RtfReader::read(file.readAll(), doc.get(), &error))
        qFatal("%s: %s", qPrintable(name), qPrintable(error));
    return doc;
}

std::unique_ptr<QTextDocument> parse(const QByteArray& rtf)
{
    auto doc = std::make_unique<QTextDocument>();
    QString error;
    if (!RtfReader::read(rtf, doc.get(), &error))
        return nullptr;
    return doc;
}

// The character format of the text at the first occurrence of `word`.
QTextCharFormat formatOf(QTextDocument* doc, const QString& word)
{
    const int at = doc->toRawText().indexOf(word);
    if (at < 0)
        qFatal("no %s in the document", qPrintable(word));
    QTextCursor c(doc);
    c.setPosition(at + 1);
    return c.charFormat();
}

QTextBlockFormat blockOf(QTextDocument* doc, const QString& word)
{
    return doc->findBlock(doc->toRawText().indexOf(word)).blockFormat();
}

QStringList paragraphs(QTextDocument* doc)
{
    QStringList list;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        list << b.text();
    return list;
}

} // namespace

class RtfReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void characterFormats()
    {
        auto doc = load("characters.rtf");
        QCOMPARE(paragraphs(doc.get()).first(),
                 QStringLiteral("Plain bold italic under struck grouped after"));
        QCOMPARE(formatOf(doc.get(), "Plain").fontWeight(), int(QFont::Normal));
        QCOMPARE(formatOf(doc.get(), "bold").fontWeight(), int(QFont::Bold));
        QVERIFY(formatOf(doc.get(), "italic").fontItalic());
        QVERIFY(!formatOf(doc.get(), "italic").fontUnderline());
        QVERIFY(formatOf(doc.get(), "under").fontUnderline());
        QVERIFY(formatOf(doc.get(), "struck").fontStrikeOut());
        QCOMPARE(formatOf(doc.get(), "grouped").fontWeight(), int(QFont::Bold));
        QCOMPARE(formatOf(doc.get(), "after").fontWeight(), int(QFont::Normal));

        const QTextCharFormat mono = formatOf(doc.get(), "mono");
        QCOMPARE(mono.fontFamilies().toStringList().first(), QStringLiteral("Courier New"));
        QVERIFY(mono.fontFamilies().toStringList().contains("monospace"));
        QCOMPARE(mono.fontPointSize(), 10.0);
        QCOMPARE(formatOf(doc.get(), "Plain").fontPointSize(), 12.0);
        QCOMPARE(formatOf(doc.get(), "Plain").fontFamilies().toStringList().first(),
                 QStringLiteral("Times New Roman"));
        QCOMPARE(formatOf(doc.get(), "red").foreground().color(), QColor(255, 0, 0));
        QCOMPARE(formatOf(doc.get(), "marked").background().color(), QColor(0, 0, 255));
        QCOMPARE(formatOf(doc.get(), "shaded").background().color(), QColor(255, 0, 0));
        QVERIFY(!formatOf(doc.get(), "plain").fontItalic());
        QCOMPARE(formatOf(doc.get(), "plain").fontPointSize(), 12.0);
    }

    void characterSets()
    {
        auto doc = load("charsets.rtf");
        const QStringList p = paragraphs(doc.get());
        QCOMPARE(p.at(0), QStringLiteral("caf\u00e9 \u20ac \u201cquoted\u201d"));
        QCOMPARE(p.at(1), QStringLiteral("\u0410\u0431\u0432")); // Windows-1251 by \fcharset204
        QCOMPARE(p.at(2), QStringLiteral("\u0160\u017e"));       // Windows-1250 by \fcharset238
        QCOMPARE(p.at(3), QStringLiteral("\u20ac euro"));
        QCOMPARE(p.at(4), QStringLiteral("\u4f60\u597d two")); // \uc2 drops two bytes each
        QCOMPARE(p.at(5), QStringLiteral("\u03bb\u03b1\u03bc lambda"));
        QCOMPARE(p.at(6), QStringLiteral("\U0001F600 emoji"));
    }

    void paragraphFormats()
    {
        auto doc = load("paragraphs.rtf");
        QCOMPARE(blockOf(doc.get(), "left").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(blockOf(doc.get(), "center").alignment(), Qt::AlignHCenter);
        QCOMPARE(blockOf(doc.get(), "right").alignment(), Qt::AlignRight);
        QCOMPARE(blockOf(doc.get(), "justified").alignment(), Qt::AlignJustify);
        const QTextBlockFormat indented = blockOf(doc.get(), "indented");
        QCOMPARE(indented.leftMargin(), 96.0);
        QCOMPARE(indented.rightMargin(), 48.0);
        QCOMPARE(indented.textIndent(), -24.0);
        QCOMPARE(blockOf(doc.get(), "spaced").topMargin(), 16.0);
        QCOMPARE(blockOf(doc.get(), "spaced").bottomMargin(), 8.0);
        // As pandoc ends a list: a paragraph's format written after its text is still its own.
        QCOMPARE(blockOf(doc.get(), "last item").bottomMargin(), 12.0);
        QCOMPARE(blockOf(doc.get(), "one and a half").lineHeightType(),
                 int(QTextBlockFormat::ProportionalHeight));
        QCOMPARE(blockOf(doc.get(), "one and a half").lineHeight(), 150.0);
        QCOMPARE(blockOf(doc.get(), "exactly").lineHeightType(),
                 int(QTextBlockFormat::FixedHeight));
        QCOMPARE(blockOf(doc.get(), "exactly").lineHeight(), 32.0);
        // A later paragraph starts afresh after \pard.
        QCOMPARE(blockOf(doc.get(), "exactly").leftMargin(), 0.0);

        const QList<QTextOption::Tab> tabs = blockOf(doc.get(), "a\tb").tabPositions();
        QCOMPARE(tabs.size(), 3);
        QCOMPARE(tabs[0].position, 96.0);
        // A left tab, in the form that lays out in linear time.
        QCOMPARE(tabs[0].type, QTextOption::DelimiterTab);
        QCOMPARE(tabs[0].delimiter, QChar(0xFFFF));
        QCOMPARE(tabs[1].position, 384.0);
        QCOMPARE(tabs[1].type, QTextOption::RightTab);
        QCOMPARE(tabs[2].type, QTextOption::CenterTab);
    }

    void symbolsBreaksAndDefaultTab()
    {
        auto doc = load("symbols.rtf");
        const QStringList p = paragraphs(doc.get());
        QCOMPARE(p.at(0),
                 QStringLiteral("a\u00a0b\u00adc\u2011d \\ { } e\u2014f\u2013g\u2022h\u2018i"
                                "\u2019j\u201ck\u201d"));
        // A line break ends a line of the paragraph, which carries on without space between.
        QCOMPARE(p.at(1), QStringLiteral("one"));
        QCOMPARE(p.at(2), QStringLiteral("two\tthree"));
        QCOMPARE(p.at(3), QStringLiteral("before"));
        QCOMPARE(doc->findBlock(doc->toRawText().indexOf("before")).blockFormat().pageBreakPolicy(),
                 QTextFormat::PageBreak_AlwaysAfter);
        QCOMPARE(p.at(4), QStringLiteral("after"));

        auto spaced = parse("{\\rtf1\\pard\\sb240\\sa120\\fi360 first\\line second\\line "
                            "third\\par}");
        const QList<QTextBlockFormat> lines{spaced->begin().blockFormat(),
                                            spaced->begin().next().blockFormat(),
                                            spaced->begin().next().next().blockFormat()};
        QCOMPARE(lines[0].topMargin(), 16.0);
        QCOMPARE(lines[0].textIndent(), 24.0);
        QCOMPARE(lines[0].bottomMargin(), 0.0);
        QCOMPARE(lines[1].topMargin(), 0.0);
        QCOMPARE(lines[1].textIndent(), 0.0);
        QCOMPARE(lines[1].bottomMargin(), 0.0);
        QCOMPARE(lines[2].topMargin(), 0.0);
        QCOMPARE(lines[2].bottomMargin(), 8.0);
        QCOMPARE(doc->defaultTextOption().tabStopDistance(), 24.0);
    }

    void tablesBecomeTextTables()
    {
        auto doc = load("table.rtf");
        QTextCursor c(doc.get());
        c.setPosition(doc->toRawText().indexOf("A1"));
        QTextTable* table = c.currentTable();
        QVERIFY(table);
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->columns(), 2);
        auto cellText = [table](int r, int col) {
            QTextCursor a = table->cellAt(r, col).firstCursorPosition();
            a.setPosition(table->cellAt(r, col).lastCursorPosition().position(),
                          QTextCursor::KeepAnchor);
            return a.selectedText();
        };
        QCOMPARE(cellText(0, 0), QStringLiteral("A1"));
        QCOMPARE(cellText(0, 1), QStringLiteral("B1"));
        QCOMPARE(cellText(1, 0), QStringLiteral("A2\u2029second line"));
        QCOMPARE(cellText(1, 1), QStringLiteral("B2"));
        const auto widths = table->format().columnWidthConstraints();
        QCOMPARE(widths.size(), 2);
        QCOMPARE(widths[0].rawValue(), 192.0);
        // Text after the table is outside it.
        c.setPosition(doc->toRawText().indexOf("after"));
        QVERIFY(!c.currentTable());
        c.setPosition(doc->toRawText().indexOf("before"));
        QVERIFY(!c.currentTable());
    }

    // A row may be defined after its cells, as a row that holds a table often is: it takes
    // the widths it is given then, not a default width for each cell.
    void aRowDefinedAfterItsCells()
    {
        auto doc =
            parse("{\\rtf1\\pard\\intbl\\itap1 Outer\\cell\\pard\\intbl\\itap2 In\\nestcell"
                  "{\\*\\nesttableprops\\trowd\\cellx1500\\nestrow}{\\nonesttables\\par}"
                  "\\pard\\intbl\\itap1\\cell\\trowd\\cellx3000\\cellx9000\\row\\pard after}");
        QTextCursor c(doc.get());
        c.setPosition(doc->toRawText().indexOf("Outer"));
        QVERIFY(c.currentTable());
        const auto widths = c.currentTable()->format().columnWidthConstraints();
        QCOMPARE(widths.size(), 2);
        QCOMPARE(widths[0].rawValue(), 200.0);
        QCOMPARE(widths[1].rawValue(), 400.0);
    }

    void picturesAreImages()
    {
        auto doc = load("picture.rtf");
        QString text = paragraphs(doc.get()).first();
        QCOMPARE(text.count(QChar::ObjectReplacementCharacter), 1);
        QCOMPARE(text.remove(QChar::ObjectReplacementCharacter), QStringLiteral("before  after"));
        QTextCursor c(doc.get());
        c.setPosition(doc->toRawText().indexOf(QChar::ObjectReplacementCharacter) + 1);
        const QTextImageFormat image = c.charFormat().toImageFormat();
        QVERIFY(image.isValid());
        QCOMPARE(image.width(), 96.0); // one inch
        QCOMPARE(image.height(), 72.0);
        const QImage data =
            doc->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
        QCOMPARE(data.size(), QSize(4, 3));
        QCOMPARE(QColor(data.pixel(0, 0)), QColor(255, 0, 0));
    }

    void destinationsThatAreNotTextAreSkipped()
    {
        auto doc = load("skipped.rtf");
        const QStringList p = paragraphs(doc.get());
        QCOMPARE(p.at(0), QStringLiteral("visible link text end"));
        QCOMPARE(p.at(1), QStringLiteral("shown marked"));
        QCOMPARE(p.at(2), QStringLiteral("unicode version"));
        QCOMPARE(p.at(3), QStringLiteral("\u2022\titem"));
        QCOMPARE(formatOf(doc.get(), "arial").fontFamilies().toStringList().first(),
                 QStringLiteral("Arial"));
        const QString all = doc->toRawText();
        for (const char* gone : {"Secret", "Somebody", "Normal", "heading", "SomeWriter", "header",
                                 "footer", "hidden", "HYPERLINK", "ansi version", "020b"})
            QVERIFY2(!all.contains(gone), gone);
    }

    // A formula is read as its text, in the order it is written: runs, a power, an operator's
    // sign with its limits, a delimiter's content. Its properties, a delimiter's own signs
    // and its picture for readers without math are not.
    void officeMathIsReadAsText()
    {
        auto doc =
            parse("{\\rtf1\\ansi{\\*\\mmathPr\\mmathFont34{\\*\\mfont Cambria Math}}\\pard Area "
                  "{\\mmath{\\*\\moMathPara{\\*\\moMath{\\*\\msSup{\\*\\msSupPr{\\*\\mctrlPr\\i x}}"
                  "{\\*\\me{\\mr\\i r}}{\\*\\msup{\\mr 2}}}{\\mr =}{\\*\\mnary{\\*\\mnaryPr"
                  "{\\mchr \\u8721?}{\\*\\mlimLoc undOvr}}{\\*\\msub{\\mr i}}{\\*\\msup{\\mr n}}"
                  "{\\*\\me{\\mr x}}}{\\*\\md{\\*\\mdPr{\\*\\mbegChr [}{\\*\\mendChr ]}}"
                  "{\\*\\me{\\mr y}}}}}}{\\*\\mmathPict{\\pict\\pngblip 00}}} end{\\*\\mhtmltag "
                  "<br>}\\par}");
        QCOMPARE(paragraphs(doc.get()).value(0), QStringLiteral("Area r2=\u2211inxy end"));
    }

    // A list paragraph without a label of its own ({\listtext}) takes the number its list
    // gives it, counted with the paragraphs that have one.
    void listNumbersWhereTheFileWroteNone()
    {
        auto doc = parse(
            "{\\rtf1\\ansi{\\*\\listtable"
            "{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}"
            "{\\listlevel\\levelnfc4{\\leveltext\\'02\\'01);}}\\listid10{\\listname ;}}"
            "{\\list{\\listlevel\\levelnfc1\\levelstartat3\\levelfollow1{\\leveltext\\'02\\'00.;}}"
            "\\listid20}"
            "{\\list{\\listlevel\\levelnfc22{\\leveltext\\'02\\'00.;}}{\\listlevel\\levelnfc22"
            "\\levellegal1{\\leveltext\\'03\\'00.\\'01;}}\\listid30}"
            "{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}}{\\listlevel\\levelnfc7"
            "\\levelfollow2{\\leveltext\\'02\\'01:;}}\\listid40}}"
            "{\\*\\listoverridetable{\\listoverride\\listid10\\listoverridecount0\\ls1}"
            "{\\listoverride\\ls2\\listid20}{\\listoverride\\listid30\\ls3}"
            "{\\listoverride\\listid40\\ls4}}"
            "\\pard\\ls1 one\\par\\pard\\ls1\\ilvl1 sub\\par\\pard\\ls1\\ilvl1 sub two\\par"
            "\\pard\\ls1 two\\line more\\par\\pard\\ls1\\ilvl1 again\\par\\pard\\ls2 three\\par"
            "\\pard\\ls3 four\\par\\pard\\ls3\\ilvl1 legal\\par\\pard\\ls4 bullet\\par"
            "\\pard\\ls4\\ilvl1 ordinal\\par{\\listtext 9.\\tab}\\pard\\ls2 labelled\\par"
            "\\pard\\ls2 after\\par\\pard\\ls9 unknown\\par\\pard plain\\par}");
        QVERIFY(doc);
        QCOMPARE(paragraphs(doc.get()).mid(0, 15),
                 QStringList({"1.\tone", "a)\tsub", "b)\tsub two", "2.\ttwo", "more", "a)\tagain",
                              "III. three", "01.\tfour", "1.01\tlegal", "\u2022\tbullet",
                              "First:ordinal", "9.\tlabelled", "V. after", "unknown", "plain"}));

        // The older numbering: one list while numbered paragraphs follow each other, an
        // outline's levels across the text between them.
        const QByteArray body = "{\\*\\pn\\pnlvlbody\\pndec\\pnstart1{\\pntxta .}}";
        const QByteArray heading = "{\\*\\pn\\pnlvl1\\pnucltr\\pnstart1{\\pntxta .}}";
        doc =
            parse("{\\rtf1\\ansi\\pard" + body + "first\\par\\pard" + body + "second\\par\\pard" +
                  "{\\pntext 3.\\tab}" + body + "third\\par\\pard" + body +
                  "fourth\\par\\pard between\\par\\pard{\\*\\pn\\pnlvlbody\\pnucrm{\\pntxtb (}"
                  "{\\pntxta )}}again\\par\\pard{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}dot\\par\\pard" +
                  heading + "Heading\\par\\pard body\\par\\pard" + heading + "Next\\par}");
        QVERIFY(doc);
        QCOMPARE(paragraphs(doc.get()).mid(0, 10),
                 QStringList({"1.\tfirst", "2.\tsecond", "3.\tthird", "4.\tfourth", "between",
                              "(I)\tagain", "\u2022\tdot", "A.\tHeading", "body", "B.\tNext"}));
    }

    // A paragraph or group that names a style takes the style's formatting, and that of the
    // styles it is based on; what the text writes after the name still wins.
    void stylesApply()
    {
        auto doc = parse(
            "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}{\\f1 Courier New;}}{\\stylesheet{\\ql\\fs20 "
            "\\snext0 Normal;}{\\s1\\sb240\\qc\\b\\fs32\\sbasedon0\\snext0 heading 1;}{\\s2"
            "\\sbasedon1\\i\\qr Subtitle;}{\\*\\cs10\\additive\\ul\\f1 Code;}{\\s3\\sbasedon3"
            "\\fs18 Loop;}{\\*\\ts11\\tsrowd\\fs22 Grid;}{\\s4 \\u937?mega;}}"
            "\\pard\\s1 Title\\par\\pard\\s2 Sub\\par\\pard\\s1\\b0 Plain\\par"
            "\\pard\\fs24 Body {\\cs10 code} after\\par\\pard\\s3 Looped\\par\\pard\\s9 "
            "Unknown\\par\\pard\\s4 Named\\par}");
        QVERIFY(doc);
        QCOMPARE(paragraphs(doc.get()).mid(0, 7),
                 QStringList(
                     {"Title", "Sub", "Plain", "Body code after", "Looped", "Unknown", "Named"}));
        QCOMPARE(blockOf(doc.get(), "Title").alignment(), Qt::AlignHCenter);
        QCOMPARE(blockOf(doc.get(), "Title").topMargin(), 16.0);
        QCOMPARE(formatOf(doc.get(), "Title").fontWeight(), int(QFont::Bold));
        QCOMPARE(formatOf(doc.get(), "Title").fontPointSize(), 16.0);
        QCOMPARE(blockOf(doc.get(), "Sub").alignment(), Qt::AlignRight);
        QCOMPARE(formatOf(doc.get(), "Sub").fontWeight(), int(QFont::Bold));
        QVERIFY(formatOf(doc.get(), "Sub").fontItalic());
        QCOMPARE(formatOf(doc.get(), "Plain").fontWeight(), int(QFont::Normal));
        QVERIFY(!formatOf(doc.get(), "Body").fontUnderline());
        QVERIFY(formatOf(doc.get(), "code").fontUnderline());
        QCOMPARE(formatOf(doc.get(), "code").fontFamilies().toStringList().first(),
                 QStringLiteral("Courier New"));
        QVERIFY(!formatOf(doc.get(), "after").fontUnderline());
        QCOMPARE(formatOf(doc.get(), "Looped").fontPointSize(), 9.0);
    }

    void listNumberStyles_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("text");
        const QList<std::tuple<int, int, const char*>> rows = {{14, 1, "XIV"},
                                                               {1994, 2, "mcmxciv"},
                                                               {4000, 1, "4000"},
                                                               {27, 3, "AA"},
                                                               {28, 4, "bb"},
                                                               {11, 5, "11th"},
                                                               {22, 5, "22nd"},
                                                               {113, 5, "113th"},
                                                               {21, 6, "Twenty-one"},
                                                               {40, 7, "Fortieth"},
                                                               {42, 7, "Forty-second"},
                                                               {120, 6, "120"},
                                                               {7, 22, "07"},
                                                               {12, 22, "12"},
                                                               {3, 23, ""},
                                                               {3, 255, ""},
                                                               {3, 47, "3"}};
        for (const auto& [number, style, text] : rows)
            QTest::addRow("%d in style %d", number, style) << number << style << QString(text);
    }
    void listNumberStyles()
    {
        QFETCH(int, number);
        QFETCH(int, style);
        QTEST(RtfListNumber::text(number, style), "text");
    }

    void documentsFromOtherWriters()
    {
        auto wordpad = load("wordpad.rtf");
        QCOMPARE(paragraphs(wordpad.get()).mid(0, 3),
                 QStringList({"Team roster for the North Valley meet.", "Smith, Ann\t12.34",
                              "Coach\u2019s note"}));
        QCOMPARE(formatOf(wordpad.get(), "Team").fontPointSize(), 11.0);
        QCOMPARE(formatOf(wordpad.get(), "North").fontWeight(), int(QFont::Bold));
        QCOMPARE(formatOf(wordpad.get(), "Coach").foreground().color(), QColor(0, 0, 255));

        auto writer = load("libreoffice.rtf");
        QCOMPARE(
            paragraphs(writer.get()).mid(0, 2),
            QStringList({"Meet results written in Writer.", "Shot Put\t41-06.50 \u2013 first"}));
        QCOMPARE(formatOf(writer.get(), "Meet").fontFamilies().toStringList().first(),
                 QStringLiteral("Liberation Serif"));
        QCOMPARE(formatOf(writer.get(), "Shot").fontWeight(), int(QFont::Bold));
        QVERIFY(!writer->toRawText().contains("Default Page Style"));
        QVERIFY(!writer->toRawText().contains("Heading"));
    }

    void badInputNeverStopsTheReader_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 {{{ open {\\b bold") << "open bold";
        QTest::newRow("stray closing braces") << QByteArray("{\\rtf1 a}}}} b}") << "a b";
        QTest::newRow("truncated in the font table")
            << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Ari") << "";
        QTest::newRow("lone backslash at the end") << QByteArray("{\\rtf1 text\\") << "text";
        QTest::newRow("broken hex escape") << QByteArray("{\\rtf1 a\\'zzb\\'4") << "azzb4";
        QTest::newRow("huge numbers") << QByteArray("{\\rtf1\\fs99999999999999 x\\li-99999999999 "
                                                    "y\\u-99999999 z\\uc99999 w}")
                                      << "x y";
        QTest::newRow("binary longer than the file")
            << QByteArray("{\\rtf1 a\\bin999999999 xyz}") << "a";
        QTest::newRow("very long control word")
            << (QByteArray("{\\rtf1 \\") + QByteArray(100000, 'x') + QByteArray(" ok}")) << "ok";
        QTest::newRow("very deep nesting") << (QByteArray("{\\rtf1 ") + QByteArray(200000, '{') +
                                               "deep" + QByteArray(200000, '}') + " out}")
                                           << "out";
        QTest::newRow("cells without a row") << QByteArray("{\\rtf1 \\cell\\cell x\\row y}") << "";
        QTest::newRow("a row without cells")
            << QByteArray("{\\rtf1 \\trowd\\row\\intbl x\\par}") << "x";
    }
    void badInputNeverStopsTheReader()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        auto doc = parse(rtf);
        QVERIFY(doc);
        if (!text.isEmpty()) {
            const QString got = doc->toRawText();
            for (const QString& word : text.split(' '))
                QVERIFY2(got.contains(word), qPrintable(got.left(200)));
        }
    }

    // Inputs the fuzzer once broke the reader with.
    void foundByTheFuzzer()
    {
        const QDir dir(QStringLiteral(PAGORA_RTF_CORPUS "/../crashes"));
        const QStringList files = dir.entryList(QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString& name : files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTextDocument doc;
            QString error;
            RtfReader::read(file.readAll(), &doc, &error);
            doc.setPageSize(QSizeF(600, 800));
            QVERIFY(doc.pageCount() >= 1);
        }
        auto doc = parse("{\\rtf1 \\cell x\\cell\\row\\row\\row y\\par}");
        QVERIFY(doc);
        QVERIFY(doc->toRawText().contains("y"));
    }

    void binaryGarbageAfterTheHeaderIsRead()
    {
        QByteArray garbage("{\\rtf1 ");
        quint32 x = 12345;
        for (int i = 0; i < 200000; ++i) {
            x = x * 1103515245 + 12345;
            garbage += static_cast<char>(x >> 24);
        }
        QVERIFY(parse(garbage));
    }

    void whatIsNotRtfIsRefused()
    {
        QTextDocument doc;
        QString error;
        QVERIFY(!RtfReader::read("Hello, world", &doc, &error));
        QCOMPARE(error, QStringLiteral("not an RTF file"));
        QVERIFY(!RtfReader::read(QByteArray(), &doc, &error));
        QVERIFY(!RtfReader::read("\x89PNG\r\n", &doc, &error));
        QVERIFY(RtfReader::read("\xEF\xBB\xBF \r\n{\\rtf1 ok}", &doc, &error));
        QCOMPARE(doc.toRawText(), QStringLiteral("ok"));
    }

    void loadErrorsNameTheFile()
    {
        RichTextBox box;
        try {
            box.loadFile("/nowhere/report.rtf");
            QFAIL("a missing file loaded");
        } catch (const PagoraError& e) {
            QCOMPARE(e.number(), 53);
            QVERIFY(e.description().contains("/nowhere/report.rtf"));
        }
        try {
            box.loadFile(QStringLiteral(PAGORA_RTF_CORPUS "/../tst_rtf_reader.cpp"));
            QFAIL("a C++ file loaded");
        } catch (const PagoraError& e) {
            QVERIFY(e.description().contains("not an RTF file"));
        }
        box.loadFile(corpus("symbols.rtf"));
        QCOMPARE(box.textLength(), box.document()->characterCount() - 1);
        QVERIFY(box.toPlainText().startsWith("a"));
    }
};

QTEST_MAIN(RtfReaderTest)
#include "tst_rtf_reader.moc"
