// The reports' text: fragments byte for byte, placeholders, and values made safe for RTF.
#include "reports/ReportFragments.h"
#include "reports/ReportText.h"

#include <QTest>

using Event = ReportFragments::EventRow;
using Runner = ReportFragments::RunnerRow;

class ReportTextTest : public QObject
{
    Q_OBJECT

    static QString blanks(int n) { return QString(n, ' '); }

private slots:
    void eventHistory()
    {
        const QString header =
            "Measure/Time" + blanks(8) + "Name" + blanks(21) + "Date" + blanks(7) + "Meet\\line ";
        QCOMPARE(ReportFragments::eventHistory({}), header);
        const QList<Event> rows{
            {10, 1, "4:35.20", "Smith, Ann", "4/11/2026", "North"},
            // The runners of one relay result each get a full row.
            {10, 2, "4:35.20", "Jones, Bo", "4/11/2026", "North"},
            // The same event and runner as the row before: a continuation row.
            {10, 2, "4:35.20", "Jones, Bo", "4/11/2026", "North"},
            {11, 3, "41-06.50", "Abcdefghijklmnopqrstuvwxy", "12/31/2026", "Central"},
        };
        // Every value, however long, keeps a blank before the next column.
        QCOMPARE(ReportFragments::eventHistory(rows),
                 header + "4:35.20" + blanks(13) + "Smith, Ann" + blanks(15) +
                     "4/11/2026  North\\line " + "4:35.20" + blanks(13) + "Jones, Bo" + blanks(16) +
                     "4/11/2026  North\\line " + blanks(20) + "Jones, Bo" + blanks(16) + "\\line " +
                     "41-06.50" + blanks(12) + "Abcdefghijklmnopqrstuvwxy " + "12/31/2026 " +
                     "Central\\line ");
    }

    void runnerHistory()
    {
        const QString header = "\tEvent" + blanks(15) + "Time\t\tT/M\t\tPl\tPts\\line \\line ";
        QCOMPARE(ReportFragments::runnerHistory({}), header);
        const QList<Runner> rows{{1, "100 Meter Dash", "4/1/2026", "11.42", "1", "10"},
                                 {1, "100 Meter Dash", "4/8/2026", "11.30", "", ""},
                                 {12, "Abcdefghijklmnopqrst", "4/8/2026", "41-06", "2", "8"}};
        QCOMPARE(ReportFragments::runnerHistory(rows),
                 header + "\r\n\t100 Meter Dash" + blanks(6) + "4/1/2026\t11.42\t\t1\t10\\line " +
                     "\t100 Meter Dash" + blanks(6) + "4/8/2026\t11.30\t\t\t\\line " +
                     "\r\n\tAbcdefghijklmnopqrst 4/8/2026\t41-06\t\t2\t8\\line ");
    }

    // A mark longer than its column goes on below its first word; a relay's legs follow.
    void aLongRecordMarkKeepsTheColumns()
    {
        const QString text = ReportFragments::records(
            {{"200 Meter Dash", "22.44c (22.2h -0.4)", {"Lee, Bo"}, "3/1/2026", "North"},
             {"400 Meter Relay", "42.4c (42.2h)", {"A", "B", "C"}, "3/8/2026", "South"}});
        QVERIFY(text.contains("200 Meter Dash" + blanks(5) + "22.44c" + blanks(6) + "Lee, Bo" +
                              blanks(17) + "3/1/2026   North\\line " + blanks(19) +
                              "(22.2h -0.4) \\line "));
        QVERIFY(text.contains("(42.2h)" + blanks(5) + "B\\line " + blanks(31) + "C\\line "));
    }

    void rosterAndSchedule()
    {
        QCOMPARE(ReportFragments::teamRoster(
                     {{"12", "Abcdefghijklmn", "555-0101"}, {"", "Lee, Bo", ""}}),
                 "Grade\t\tName" + blanks(16) + "Phone\\line 12\t\tAbcdefghijklmn" + blanks(6) +
                     "555-0101\\line \t\tLee, Bo" + blanks(13) + "\\line ");
        QCOMPARE(ReportFragments::teamSchedule(
                     {{"10/11/2026", "Abcdefghijklmnopqrstuvwxy", "Field"}, {"4/1/2026", "", ""}}),
                 "Date" + blanks(8) + "Host" + blanks(21) + "Place\\line 10/11/2026" + blanks(2) +
                     "Abcdefghijklmnopqrstuvwxy " + "Field\\line 4/1/2026" + blanks(4) +
                     blanks(25) + "\\line ");
    }

    void valuesGoInAsTextNeverAsRtf()
    {
        QCOMPARE(ReportText::rtf("St. Mary's {JV}"), QStringLiteral("St. Mary's \\{JV\\}"));
        QCOMPARE(ReportText::rtf("C:\\Track"), QStringLiteral("C:\\\\Track"));
        QCOMPARE(ReportText::rtf("Jos\u00e9 N\u00fa\u00f1ez"),
                 QStringLiteral("Jos\\'e9 N\\'fa\\'f1ez"));
        QCOMPARE(ReportText::rtf("\u20ac5"), QStringLiteral("\\'805"));
        QCOMPARE(ReportText::rtf("\u03a9\u4f60"), QStringLiteral("\\u937?\\u20320?"));
        QCOMPARE(ReportText::rtf("\U0001F600"), QStringLiteral("\\u-10179?\\u-8704?"));
        QCOMPARE(ReportText::rtf("1 Elm St\r\nApt 2"), QStringLiteral("1 Elm St\\line Apt 2"));
        // A column's blanks count what is shown, not the escapes.
        QCOMPARE(ReportText::column("Jos\u00e9", 6), QStringLiteral("Jos\\'e9  "));
        const QList<ReportFragments::RosterRow> rows{{"9", "{Bad}\\", "x"}};
        QVERIFY(ReportFragments::teamRoster(rows).contains("\\{Bad\\}\\\\" + blanks(14) + "x"));
    }

    void placeholdersAreReplacedEverywhereCaseSensitive()
    {
        QString doc = "<A> and <A>, not <a>, and <B>";
        ReportText::replace(doc, "<A>", "x<B>");
        QCOMPARE(doc, QStringLiteral("x<B> and x<B>, not <a>, and <B>"));
        // A later replacement searches what earlier ones put in.
        ReportText::replace(doc, "<B>", "b");
        QCOMPARE(doc, QStringLiteral("xb and xb, not <a>, and b"));
        ReportText::replace(doc, "<MISSING>", "y");
        QCOMPARE(doc, QStringLiteral("xb and xb, not <a>, and b"));
        ReportText::replace(doc, "b", "");
        QCOMPARE(doc, QStringLiteral("x and x, not <a>, and "));
    }
};

QTEST_MAIN(ReportTextTest)
#include "tst_report_text.moc"
