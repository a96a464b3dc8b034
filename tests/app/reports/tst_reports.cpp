// The four reports on a real database: their documents, their errors, and each one printed
// through the test printer queue.
#include "data/Connection.h"
#include "hosting/ComponentClient.h"
#include "pagora/Print.h"
#include "records/MeetSheet.h"
#include "reports/EventReport.h"
#include "reports/MeetReport.h"
#include "reports/RecordsReport.h"
#include "reports/ReportText.h"
#include "reports/RunnerReport.h"
#include "reports/TeamReport.h"
#include "shell/ReportViewer.h"
#include "support/AppHarness.h"
#include "support/PdfText.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

class ReportsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<AppHarness> h;
    qint64 m_central = 0, m_north = 0, m_ann = 0, m_bo = 0, m_meet = 0, m_later = 0;

    static QString read(const QString& path)
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return QString::fromLatin1(f.readAll());
    }
    void writeTemplate(const QString& name, const QByteArray& text)
    {
        QFile f(h->folder().file("Templates/" + name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    // Prints the work file through the test queue and returns the printed text.
    QString printWorkFile()
    {
        const QString pdfs = QString::fromLocal8Bit(qgetenv("PAGORA_TEST_PDF_DIR"));
        if (pdfs.isEmpty())
            return QString();
        QString error;
        auto* print = static_cast<pagora::_Print*>(
            pagora::ComponentClient::createInstance(pagora::PrintProgId, pagora::PrintInterfaceId,
                                                    &error, h->folder().file("libpagora.so")));
        if (!print)
            qFatal("%s", qPrintable(error));
        print->putMyFile(ReportText::workFile());
        const QStringList before = PdfText::pdfsIn(pdfs);
        print->Send2Print();
        const int failure = print->lastError().number;
        print->Release();
        if (failure)
            return QStringLiteral("error %1").arg(failure);
        const QString pdf = PdfText::waitForNewPdf(pdfs, before);
        return pdf.isEmpty() ? QStringLiteral("<nothing printed>") : PdfText(pdf).text();
    }
    // Without the test queue (a bare ctest run) there is no printed text to check.
    static void inOrder(const QString& text, const QStringList& words)
    {
        if (text.isNull())
            return;
        qsizetype at = 0;
        for (const QString& w : words) {
            const qsizetype next = text.indexOf(w, at);
            QVERIFY2(next >= 0, qPrintable(w + " missing or out of order in:\n" + text));
            at = next + w.size();
        }
    }

private slots:
    void init()
    {
        h = std::make_unique<AppHarness>([this](TrackFixture& f) {
            m_central = f.addTeam("St. Mary's {JV}", "D'Angelo", "555-0100", "Knights");
            m_north = f.addTeam("North");
            m_ann =
                f.addRunner("Jos\u00e9, N\u00fa\u00f1ez", m_central, "555-0101", "C:\\Track", 11);
            m_bo = f.addRunner("Brown, Bo", m_central, "555-0102", "2 Oak", 12);
            m_meet = f.addMeet(m_central, "2026-04-11", m_north, "North Field", "Windy");
            const auto dash = f.slotPins(m_meet, 1);
            f.fillSlot(dash[0], m_bo, 0, 12.5, 2, 8);
            f.fillSlot(dash[1], m_ann, 0, 11.42, 1, 10);
            f.fillSlot(f.slotPins(m_meet, 12)[0], m_ann, 41, 6.5, 1, 10);
            const auto relay = f.slotPins(m_meet, 14);
            f.fillSlot(relay[0], m_ann, 0, 48.2, 3, 6);
            f.fillSlot(relay[1], m_bo, 0, 48.2, 3, 6);
            m_later = f.addMeet(m_central, "2026-05-02", m_central, "Home");
            f.fillSlot(f.slotPins(m_later, 1)[0], m_ann, 0, 11.3, 1, 10);
        });
    }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmJustPreview"))
                w->close();
        h.reset();
    }

    void theRunnerReport()
    {
        const Report report = RunnerReport::build(h->app(), m_ann);
        QVERIFY(ReportViewer::show(nullptr, report));
        const QString doc = read(ReportText::workFile());
        QVERIFY(doc.contains("Jos\\'e9, N\\'fa\\'f1ez"));
        QVERIFY(doc.contains("C:\\\\Track"));
        QVERIFY(doc.contains("St. Mary's \\{JV\\}"));
        QVERIFY(!doc.contains('<'));
        inOrder(printWorkFile(),
                {"North Valley High", "Pat Coach", "Jos\u00e9, N\u00fa\u00f1ez", "C:\\Track",
                 "100 Meter Dash", "4/11/2026", "11.42", "1", "10", "5/2/2026", "11.30", "Shot Put",
                 "41-06.50", "400 Meter Relay", "48.20"});
    }

    void theSchoolRecordsAndEachAthletesBest()
    {
        const Report records = RecordsReport::build(h->app(), m_central);
        QVERIFY(records.templatePath().endsWith("Templates/records.rtf"));
        QString table;
        for (const auto& [p, v] : records.replacements())
            if (p == "<RECORDS>")
                table = v;
        // The 100's record is the later, faster mark; the relay names its legs; an event
        // without a mark says so.
        QVERIFY2(table.contains(QRegularExpression("100 Meter Dash +11.30 +Jos.*5/2/2026 +St")),
                 qPrintable(table));
        QVERIFY(table.contains(
            QRegularExpression("400 Meter Relay +48.20 +Jos[^\\n]*\\\\line +Brown, Bo")));
        QVERIFY(table.contains(QRegularExpression("High Jump +\\(no mark yet\\)")));
        QVERIFY(ReportViewer::show(nullptr, records));
        inOrder(printWorkFile(), {"School Records", "100 Meter Dash", "11.30", "5/2/2026",
                                  "Shot Put", "41-06.50", "400 Meter Relay", "48.20", "Brown, Bo"});

        // Each athlete's best only: Núñez once, with the 11.30 of the later meet.
        const Report best = EventReport::build(h->app(), 1, m_central, true);
        for (const auto& [p, v] : best.replacements())
            if (p == "<EVENTHISTORY>") {
                QCOMPARE(v.count("N\\'fa\\'f1ez"), 1);
                QVERIFY(v.indexOf("11.30") < v.indexOf("12.50"));
                QVERIFY(!v.contains("11.42"));
            }
    }

    void theTeamReport()
    {
        // A user's school stored as a later placeholder shows the team's school.
        h->app().setSchool("<TEAMSCHOOL>");
        QVERIFY(ReportViewer::show(nullptr, TeamReport::build(h->app(), m_central)));
        const QString doc = read(ReportText::workFile());
        QVERIFY(!doc.contains("<TEAMSCHOOL>"));
        inOrder(printWorkFile(),
                {"St. Mary's {JV}", "Pat Coach", "St. Mary's {JV}", "Knights", "D'Angelo",
                 "555-0100", "12", "Brown, Bo", "555-0102", "11", "Jos\u00e9, N\u00fa\u00f1ez",
                 "4/11/2026", "North", "North Field", "5/2/2026", "St. Mary's {JV}", "Home"});
    }

    void theMeetReport()
    {
        QVERIFY(ReportViewer::show(nullptr, MeetReport::build(h->app(), m_meet)));
        // Place ASC: the winner fills the first slot of the 100.
        const Report report = MeetReport::build(h->app(), m_meet);
        auto value = [&report](const QString& placeholder) {
            for (const auto& [p, v] : report.replacements())
                if (p == placeholder)
                    return v;
            return QStringLiteral("<none>");
        };
        // Every first mark of a runner's is a PR.
        QCOMPARE(value("<RUNNER100>"), QStringLiteral("Jos\\'e9, N\\'fa\\'f1ez PR"));
        QCOMPARE(value("<2RUNNER100>"), QStringLiteral("Brown, Bo PR"));
        QCOMPARE(value("<2TIME100>"), QStringLiteral("12.50"));
        QCOMPARE(value("<2RUNNER400RELAY>"), QStringLiteral("Brown, Bo"));
        QCOMPARE(value("<3RUNNER400>"), QString());
        QCOMPARE(value("<RUNNERPOLEVAULT>"), QString());
        inOrder(printWorkFile(), {"North Valley High", "North", "4/11/2026", "North Field", "Windy",
                                  "100 Meter Dash", "Jos\u00e9, N\u00fa\u00f1ez", "11.42", "1",
                                  "10", "Brown, Bo", "12.50", "2", "8", "Shot Put", "41-06.50",
                                  "400 Meter Relay", "48.20", "Brown, Bo"});
    }

    void theMeetSheetPrintsPlacedEntriesFirstAndEmptySlotsAsNothing()
    {
        // The 100: an entry without a place before a placed one in slot order. The 200: one
        // runner, not placed, and an empty slot. The 800 relay: its first leg empty.
        const auto dash = h->data().slotPins(m_later, 1);
        h->data().fillSlot(dash[0], m_bo, 0, 13.1, 0, 0);
        h->data().fillSlot(dash[1], m_ann, 0, 11.3, 1, 10);
        h->data().fillSlot(h->data().slotPins(m_later, 2)[1], m_bo, 0, 25.5);
        const auto relay = h->data().slotPins(m_later, 15);
        h->data().fillSlot(relay[1], m_bo, 1, 40.5, 2, 8);
        h->data().fillSlot(relay[2], m_ann, 1, 40.5, 2, 8);
        const Report report = MeetReport::build(h->app(), m_later);
        QStringList values;
        for (const char* p :
             {"<RUNNER100>", "<PLACE100>", "<2RUNNER100>", "<2TIME100>", "<2PLACE100>",
              "<RUNNER200>", "<TIME200>", "<PLACE200>", "<POINTS200>", "<2RUNNER200>", "<2TIME200>",
              "<2PLACE200>", "<2POINTS200>", "<1RUNNER800>", "<TIME800RELAY>", "<3RUNNER800>"})
            for (const auto& [placeholder, value] : report.replacements())
                if (placeholder == p) {
                    values << value;
                    break;
                }
        QCOMPARE(values, QStringList({"Jos\\'e9, N\\'fa\\'f1ez PR", "1", "Brown, Bo", "13.10", "",
                                      "Brown, Bo PR", "25.50", "", "0", "", "", "", "", "Brown, Bo",
                                      "1:40.50", ""}));
    }

    // A leg's split comes back as it was typed, prints under its relay on the meet sheet and
    // in the runner's record, and a split that is no time is refused at its leg.
    void aRelaysSplitsComeBackAndPrint()
    {
        Connection& db = h->app().connection();
        MeetSheet sheet = *MeetSheet::load(db, m_meet);
        auto& legs = sheet.divisions[0].relays[0].legs;
        legs[1].split = "1:75";
        const std::optional<MeetSheet::Problem> problem = sheet.check();
        QVERIFY(problem && problem->box == MeetSheet::SplitBox + 1);
        QVERIFY2(problem->message.startsWith("400 Meter Relay, leg 2: the Split box holds "
                                             "\"1:75\""),
                 qPrintable(problem->message));
        legs[0].split = "47.1";
        legs[1].split = "1:02.35";
        sheet.save(db, "test");
        const MeetSheet back = *MeetSheet::load(db, m_meet);
        QCOMPARE(back.divisions[0].relays[0].legs[0].split, QStringLiteral("47.1"));
        QCOMPARE(back.divisions[0].relays[0].legs[1].split, QStringLiteral("1:02.35"));
        QCOMPARE(back.fingerprint(), sheet.fingerprint());

        const Report meet = MeetReport::build(h->app(), m_meet);
        for (const auto& [placeholder, value] : meet.replacements())
            if (placeholder == "<4RUNNER400>")
                QCOMPARE(value, QStringLiteral("\\line \\tab Splits: 47.1, 1:02.35"));
        QVERIFY(ReportViewer::show(nullptr, RunnerReport::build(h->app(), m_bo)));
        inOrder(printWorkFile(), {"400 Meter Relay", "48.20", "Leg split", "1:02.35"});
    }

    // A girl's and a boy's 100 in one mixed division, the boy faster: each is their own
    // table's record; a runner of no known gender goes under "Not known", but counts for a
    // girls' division's girls. The event report of girls leaves the boy out.
    void girlsAndBoysRecordsNeverMix()
    {
        const qint64 cy = h->data().addRunner("Cole, Cy", m_central);
        h->check().execute("UPDATE Runners SET Gender = ? WHERE Pin = ?", {"F", m_ann});
        h->check().execute("UPDATE Runners SET Gender = ? WHERE Pin = ?", {"Boy", m_bo});
        h->data().fillSlot(h->data().slotPins(m_later, 1)[1], m_bo, 0, 10.9, 1, 10);
        h->data().fillSlot(h->data().slotPins(m_later, 2)[0], cy, 0, 24.1, 1, 10);
        h->data().fillSlot(h->data().slotPins(m_meet, 2)[0], cy, 0, 23.5, 1, 10);
        h->check().execute("UPDATE Divisions SET Gender = 'F' WHERE Meet_Pin = ?", {m_meet});
        QString table;
        const Report records = RecordsReport::build(h->app(), m_central);
        for (const auto& [p, v] : records.replacements())
            if (p == "<RECORDS>")
                table = v;
        const qsizetype boys = table.indexOf("Boys}");
        const qsizetype unknown = table.indexOf("Not known}");
        QVERIFY2(table.startsWith("{\\f0\\fs22\\b Girls}") && boys > 0 && unknown > boys,
                 qPrintable(table));
        QVERIFY(table.left(boys).contains(QRegularExpression("100 Meter Dash +11.30 +Jos")));
        QVERIFY(table.left(boys).contains(QRegularExpression("200 Meter Dash +23.50 +Cole")));
        QVERIFY(table.mid(boys).contains(QRegularExpression("100 Meter Dash +10.90 +Brown")));
        QVERIFY(table.mid(unknown).contains(QRegularExpression("200 Meter Dash +24.10 +Cole")));
        QVERIFY(table.mid(unknown).contains(QRegularExpression("100 Meter Dash +\\(no mark")));
        const QString girls = EventReport::build(h->app(), 1, m_central, false, "F").document();
        QVERIFY(girls.contains("100 Meter Dash, girls") && !girls.contains("10.90"));
    }

    // A second division under its own heading with its team score; a third entry follows the
    // second, and a relay's B team its A team's legs.
    void aMeetOfTwoDivisionsPrintsEachUnderItsHeading()
    {
        MeetSheet sheet = *MeetSheet::load(h->app().connection(), m_meet);
        Division boys = Division::fresh("Boys Varsity", "M");
        boys.first[0] = {true, m_bo, 0, "Brown, Bo", {"2", "8", "0", "11.8"}};
        sheet.divisions[0].more[0] << SheetEntry{true, m_bo, 0, "Brown, Bo", {"3", "6", "0", "13"}};
        SheetRelay b;
        b.team = -1;
        b.legs[0] = {true, m_bo, 0, "Brown, Bo", {}};
        b.numbers = {"5", "2", "0", "51.5"};
        sheet.divisions[0].moreRelays[0] << b;
        sheet.divisions << boys;
        sheet.save(h->app().connection(), "Pat Coach");
        const QString doc = MeetReport::build(h->app(), m_meet).document();
        inOrder(doc,
                {"Division 1 (Mixed)", "team score 42", "100 Meter Dash", "12.50",
                 "\\line \\tab Brown, Bo\\tab 13.00\\tab 3\\tab 6", "400 Meter Relay",
                 "\\line B team\\tab Brown, Bo\\tab 51.50\\tab 5\\tab 2", "Boys Varsity (Boys)",
                 "team score 8", "100 Meter Dash", "Brown, Bo", "11.80"});
        QVERIFY(!doc.contains('<'));
    }

    void aTemplateThatIsNotRtfIsNamed()
    {
        writeTemplate("team.rtf", "Roster of <TEAMSCHOOL>");
        QVERIFY(
            !ReportViewer::show(nullptr, [&] { return TeamReport::build(h->app(), m_central); }));
        QCOMPARE(Dialogs::messages().size(), 1);
        QVERIFY(Dialogs::messages().first().contains("Templates/team.rtf"));
        QVERIFY(!Dialogs::messages().first().contains("file1.rtf"));
    }

    void aMeetWithMissingSlotsGivesEmptyValues()
    {
        h->check().execute(QStringLiteral("DELETE FROM Event_to_Runner WHERE Pin IN (%1, %2)")
                               .arg(h->data().slotPins(m_meet, 2)[0])
                               .arg(h->data().slotPins(m_meet, 2)[1]));
        const QString doc = MeetReport::build(h->app(), m_meet).document();
        QVERIFY(!doc.contains("<RUNNER200>"));
        QVERIFY(!doc.contains("<2POINTS200>"));
        const QString none = MeetReport::build(h->app(), 9999).document();
        QVERIFY(!none.contains("<MEETHOST>"));
    }

    void theEventReport()
    {
        // A ranking, best first: the lowest time of a race, with an entry that has no mark yet
        // at the end; the longest throw of a field event.
        h->data().fillSlot(h->data().slotPins(m_later, 1)[1], m_bo, 0, 0);
        h->data().fillSlot(h->data().slotPins(m_later, 12)[0], m_bo, 44, 2.25, 1, 10);
        QVERIFY(ReportViewer::show(nullptr, EventReport::build(h->app(), 1, m_central)));
        const QString dash = printWorkFile();
        inOrder(dash, {"100 Meter Dash", "St. Mary's {JV}", "Knights", "D'Angelo", "Measure/Time",
                       "11.30", "Jos\u00e9", "5/2/2026", "11.42", "Jos\u00e9", "4/11/2026", "12.50",
                       "Brown, Bo", "4/11/2026", "Brown, Bo", "5/2/2026"});
        QVERIFY(ReportViewer::show(nullptr, EventReport::build(h->app(), 12, m_central)));
        inOrder(printWorkFile(), {"Shot Put", "44-02.25", "Brown, Bo", "41-06.50", "Jos\u00e9"});
    }

    void placeholdersTwiceMissingAndInLowerCase()
    {
        writeTemplate("runner.rtf", "{\\rtf1 <USERNAME>|<USERNAME>|<username>|<RUNNERGRADE>}");
        QCOMPARE(RunnerReport::build(h->app(), m_bo).document(),
                 QStringLiteral("{\\rtf1 Pat Coach|Pat Coach|<username>|12}"));
    }

    void whatFailsIsToldAndNothingIsShown()
    {
        QFile::remove(h->folder().file("Templates/team.rtf"));
        QVERIFY(
            !ReportViewer::show(nullptr, [&] { return TeamReport::build(h->app(), m_central); }));
        QCOMPARE(Dialogs::messages().size(), 1);
        QVERIFY(Dialogs::messages().last().contains("team.rtf"));

        QFile::remove(ReportText::workFile());
        QVERIFY(QDir().mkdir(ReportText::workFile())); // a folder where the work file belongs
        QVERIFY(!ReportViewer::show(nullptr, RunnerReport::build(h->app(), m_bo)));
        QCOMPARE(Dialogs::messages().size(), 2);
        QVERIFY(Dialogs::messages().last().contains("file1.rtf"));
        QDir().rmdir(ReportText::workFile());

        // A template that cannot be read (a folder stands in its place).
        QFile::remove(h->folder().file("Templates/meet.rtf"));
        QVERIFY(QDir().mkdir(h->folder().file("Templates/meet.rtf")));
        QVERIFY(!ReportViewer::show(nullptr, [&] { return MeetReport::build(h->app(), m_meet); }));
        QCOMPARE(Dialogs::messages().size(), 3);
        QVERIFY(Dialogs::messages().last().contains("meet.rtf"));

        // A work file that may not be written (immutable even for root, where the file
        // system allows it).
        QVERIFY(ReportViewer::show(nullptr, RunnerReport::build(h->app(), m_bo)));
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmJustPreview"))
                w->close();
        QFile::setPermissions(ReportText::workFile(), QFile::ReadOwner);
        const bool immutable = QProcess::execute("chattr", {"+i", ReportText::workFile()}) == 0;
        QFile probe(ReportText::workFile());
        if (immutable || !probe.open(QIODevice::WriteOnly | QIODevice::Append)) {
            QVERIFY(!ReportViewer::show(nullptr, RunnerReport::build(h->app(), m_ann)));
            QCOMPARE(Dialogs::messages().size(), 4);
            QVERIFY(Dialogs::messages().last().contains("file1.rtf"));
        }
        probe.close();
        if (immutable)
            QProcess::execute("chattr", {"-i", ReportText::workFile()});
        QFile::setPermissions(ReportText::workFile(), QFile::ReadOwner | QFile::WriteOwner);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!(w->objectName() == QLatin1String("frmJustPreview") && w->isVisible()));
    }
};

QTEST_MAIN(ReportsTest)
#include "tst_reports.moc"
