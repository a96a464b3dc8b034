// Results files as hosts post them, read into results: the listing (text and web page), the
// CSV and the semicolon-separated export, and files that cannot be read.
#include "records/CsvText.h"
#include "records/EventNames.h"
#include "records/ResultsFile.h"

#include <QTest>

namespace {

// A line of each result, its values joined: what the tests compare.
QStringList lines(const ResultsFile& file)
{
    QStringList out;
    for (const ImportedResult& r : file.results) {
        QStringList legs;
        for (const ImportedLeg& l : r.legs)
            legs << l.name + (l.split.isEmpty() ? QString() : QLatin1Char(' ') + l.split);
        out << QStringList{QString::number(r.line),
                           QString::number(r.type),
                           r.gender,
                           r.place,
                           r.relay() ? r.team : r.name,
                           r.grade,
                           r.school,
                           r.mark,
                           r.wind,
                           r.points,
                           r.heat,
                           legs.join(QLatin1Char('/'))}
                   .join(QLatin1Char('|'));
    }
    return out;
}

// The lines of a listing as a meet program prints it.
const char* const kListingLines[] = {
    "Licensed to Central High School          Meet Program 1.0",
    "                 Central Invitational - 4/11/2026",
    "                             Results",
    "",
    "Event 1  Girls 100 Meter Dash",
    "==========================================================================",
    "    Name                    Year School               Finals  Wind  H# Points",
    "==========================================================================",
    "  1 Baptiste, Ana             11 Central High          12.41  +1.8   2  10",
    "  2 Lea Dubois                10 North Valley          12.4h  +1.8   2   8",
    "  3 Smith-Jones, Mary Jr.     JR Central High          12.59  +1.8   1   6",
    " -- Nguyen, Thi               12 Central High             DQ  +1.8   1",
    "",
    "Event 12 Girls Long Jump Finals",
    "  1 Baptiste, Ana             11 Central High       18-06.50  +2.4      10",
    "  2 Okafor, Grace              9 Lakeside          18' 4.25\"  -0.4       8",
    "  3 Perez, Sofia              11 Central High          5.62m             6",
    "",
    "Girls 4x100 Meter Relay",
    "  1 Central High  'A'                                  50.12   10",
    "     1) Baptiste, Ana 11 12.6    2) Dubois, Lea 10 12.4",
    "     3) Smith-Jones, Mary 11     4) Perez, Sofia 11",
    "Girls 55 Meter Dash",
    "  1 Someone, Else 11 Central High 7.41",
    "Boys 1600 Meter Run",
    "  1 Adams, Bo 12 Central High 4:32.15 10",
    "  2 Brown, Cy 11 Central High 4:3x.15 8",
};

QByteArray listing()
{
    QByteArray text;
    for (const char* line : kListingLines)
        text += QByteArray(line) + '\n';
    return text;
}

} // namespace

class ResultsFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void aWrittenLineQuotesWhatAReaderWouldSplitOrTrim()
    {
        const QString line = CsvText::line(
            {"plain", "a,b", "say \"hi\"", " lead", "trail ", "two\nlines", "", "Zoë"});
        QCOMPARE(line, QStringLiteral("plain,\"a,b\",\"say \"\"hi\"\"\",\" lead\",\"trail \","
                                      "\"two\nlines\",,Zoë\r\n"));
        const CsvText::Table back = CsvText::read(line);
        QCOMPARE(back.rows.value(0).fields, QStringList({"plain", "a,b", "say \"hi\"", " lead",
                                                         "trail ", "two\nlines", "", "Zoë"}));
    }
    void eventsByNameAndDistance_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("gender");
        const struct
        {
            const char* heading;
            int type;
            const char* gender;
        } rows[] = {{"Girls 100 Meter Dash", 1, "F"},
                    {"Event 12 Boys Long Jump Finals", 9, "M"},
                    {"100m", 1, ""},
                    {"Girls 100", 1, "F"},
                    {"Women 200 Meters Prelims", 2, "F"},
                    {"Boys 4x400 Meter Relay", 16, "M"},
                    {"4x1", 14, ""},
                    {"4 x 200 m Relay", 15, ""},
                    {"3200 Meter Relay", 17, ""},
                    {"300 Meter Hurdles", 7, ""},
                    {"300mH", 7, ""},
                    {"Shot", 12, ""},
                    {"SP", 12, ""},
                    {"Discus Throw", 13, ""},
                    {"HJ", 8, ""},
                    {"Pole Vault", 11, ""},
                    {"Triple Jump", 10, ""},
                    {"1600 Meter Run", 5, ""},
                    {"55 Meter Dash", 0, ""},
                    {"110 Meter Hurdles", 0, ""},
                    {"Mile Run", 0, ""},
                    {"Sprint Medley Relay", 0, ""},
                    {"4x1600 Meter Relay", 0, ""},
                    {"Javelin", 0, ""},
                    {"Name Year School Finals Points", -1, ""},
                    {"Central Invitational", -1, ""}};
        for (const auto& r : rows)
            QTest::newRow(r.heading) << r.heading << r.type << r.gender;
    }
    void eventsByNameAndDistance()
    {
        QFETCH(QString, heading);
        const EventNames::Heading read = EventNames::read(heading);
        QTEST(read.type, "type");
        QTEST(read.gender, "gender");
    }

    void aListingAsTextAndAsAWebPage()
    {
        const QString html = QStringLiteral("<html><body><h1>Results</h1><pre>") +
                             QString::fromUtf8(listing())
                                 .replace('&', "&amp;")
                                 .replace('<', "&lt;")
                                 .replace('"', "&quot;") +
                             QStringLiteral("</pre></body></html>");
        for (const QByteArray& bytes : {listing(), html.toUtf8()}) {
            const ResultsFile file = ResultsFile::read(bytes);
            QCOMPARE(file.error, QString());
            QCOMPARE(file.format, ResultsFile::Format::Listing);
            QCOMPARE(file.meetName, QStringLiteral("Central Invitational"));
            QCOMPARE(file.date, QDate(2026, 4, 11));
            QCOMPARE(lines(file),
                     QStringList({"9|1|F|1|Baptiste, Ana|11|Central High|12.41|+1.8|10|2|",
                                  "10|1|F|2|Lea Dubois|10|North Valley|12.4h|+1.8|8|2|",
                                  "11|1|F|3|Smith-Jones, Mary Jr.|JR|Central High|12.59|+1.8|6|1|",
                                  "12|1|F||Nguyen, Thi|12|Central High|DQ|+1.8||1|",
                                  "15|9|F|1|Baptiste, Ana|11|Central High|18-06.50|+2.4|10||",
                                  "16|9|F|2|Okafor, Grace|9|Lakeside|18'4.25\"|-0.4|8||",
                                  "17|9|F|3|Perez, Sofia|11|Central High|5.62m||6||",
                                  "20|14|F|1|A||Central High|50.12||10||Baptiste, Ana 12.6/"
                                  "Dubois, Lea 12.4/Smith-Jones, Mary/Perez, Sofia",
                                  "26|5|M|1|Adams, Bo|12|Central High|4:32.15||10||"}));
            QCOMPARE(file.problems.size(), 1);
            QCOMPARE(file.problems.first().line, 27);
            QCOMPARE(file.skipped.size(), 1);
            QVERIFY(file.skipped.first().text.startsWith("Girls 55 Meter Dash"));
            QCOMPARE(file.schools(), QStringList({"Central High", "North Valley", "Lakeside"}));
        }
    }

    void aCsvWithItsColumnsInAnyOrder()
    {
        const ResultsFile file = ResultsFile::read(
            "Team,Mark,Event,Gender,Place,Last,First,Grade,Wind,Points,Leg 1,Leg 2,Split 1\n"
            "Central High,12.41,100 Meter Dash,F,1,Baptiste,Ana,11,+1.8,10,,,\n"
            "Central High,50.12,4x100 Meter Relay,Girls,1,,,,,10,\"Baptiste, Ana\",\"Dubois, "
            "Lea\",12.6\n"
            "North,3:28.41,4x400 Relay,M,2,\"Kim, Jo\",,,,8,,,\n"
            "North,3:28.41,4x400 Relay,M,2,\"Lee, Al\",,,,8,,,\n"
            "Central High,7.41,55m,F,1,Else,Some,11,,,,,\n"
            "Central High,fast,200m,F,1,Baptiste,Ana,11,,,,,\n");
        QCOMPARE(file.format, ResultsFile::Format::Csv);
        QCOMPARE(lines(file),
                 QStringList({"2|1|F|1|Baptiste, Ana|11|Central High|12.41|+1.8|10||",
                              "3|14|F|1|A||Central High|50.12||10||Baptiste, Ana 12.6/Dubois, Lea",
                              "4|16|M|2|A||North|3:28.41||8||Kim, Jo/Lee, Al"}));
        QCOMPARE(file.skipped.size(), 1);
        QCOMPARE(file.problems.size(), 1);
        QCOMPARE(file.problems.first().line, 7);
    }

    void theSemicolonExportByWhatItsFieldsHold()
    {
        const ResultsFile file = ResultsFile::read(
            "H;Central Invitational;04/11/2026;04/11/2026;Central High\n"
            "E;1;F;100 Meter Dash;1;Baptiste;Ana;11;Central High;12.60;12.41;+1.8;10;2\n"
            "E;1;F;100 Meter Dash;2;Dubois;Lea;10;North Valley;12.70;12.4h;+1.8;8;2\n"
            "E;1;F;100 Meter Dash;3;Nguyen;Thi;12;Central High;;DQ;;;1\n"
            "E;9;F;Long Jump;1;Baptiste;Ana;11;Central High;;18-06.50;+2.4;10;\n"
            "E;2;F;55 Meter Dash;1;Else;Some;11;Central High;;7.41;;;\n"
            "R;14;F;4x100 Meter Relay;1;Central High;A;50.12;10;Baptiste;Ana;12.6;Dubois;Lea;"
            "12.4;Perez;Sofia;;Kim;Jo;\n"
            "R;14;F;4x100 Meter Relay;2;North Valley;A;51.30;8;Okafor;Grace;;Lee;Al;;Ray;Su;;"
            "Day;Di;\n");
        QCOMPARE(file.error, QString());
        QCOMPARE(file.format, ResultsFile::Format::Semicolon);
        QCOMPARE(file.meetName, QStringLiteral("Central Invitational"));
        QCOMPARE(file.date, QDate(2026, 4, 11));
        QCOMPARE(file.host, QStringLiteral("Central High"));
        QCOMPARE(lines(file),
                 QStringList({"2|1|F|1|Baptiste, Ana|11|Central High|12.41|+1.8|10|2|",
                              "3|1|F|2|Dubois, Lea|10|North Valley|12.4h|+1.8|8|2|",
                              "4|1|F|3|Nguyen, Thi|12|Central High|DQ|||1|",
                              "5|9|F|1|Baptiste, Ana|11|Central High|18-06.50|+2.4|10||",
                              "7|14|F|1|A||Central High|50.12||10||Baptiste, Ana 12.6/Dubois, "
                              "Lea 12.4/Perez, Sofia/Kim, Jo",
                              "8|14|F|2|A||North Valley|51.30||8||Okafor, Grace/Lee, Al/Ray, "
                              "Su/Day, Di"}));
        QCOMPARE(file.skipped.first().text,
                 QStringLiteral("55 Meter Dash: an event Cindrel does not keep"));
    }

    void filesThatCannotBeRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("not text") << QByteArray("PK\x03\x04\0\0binary", 12) << "not text";
        QTest::newRow("no heading")
            << QByteArray("  1 Baptiste, Ana 11 Central 12.41\n") << "no event heading";
        QTest::newRow("too large") << QByteArray(ResultsFile::MaxBytes + 1, ' ') << "MB";
    }
    void filesThatCannotBeRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const ResultsFile file = ResultsFile::read(bytes);
        QVERIFY2(file.error.contains(error), qPrintable(file.error));
        QVERIFY(file.results.isEmpty());
    }
};

QTEST_MAIN(ResultsFilesTest)
#include "tst_results_files.moc"
