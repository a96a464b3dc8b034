// One season in a file and the same season copied onto the test server: every report, list,
// info text and export comes out alike from both, where the engines would order rows apart
// (runners without a grade, names with accents or in lower case, meets without a date or on
// the same day, tied marks, hand times that rank as converted).
#include "data/Connection.h"
#include "data/RecordSet.h"
#include "data/ServerSchema.h"
#include "records/AppContext.h"
#include "records/InfoPanel.h"
#include "records/MarkFormat.h"
#include "records/ReportRequest.h"
#include "records/ResultsExport.h"
#include "records/RosterImport.h"
#include "records/TrackLists.h"
#include "reports/Reports.h"
#include "support/TestProgramFolder.h"
#include "support/TrackFixture.h"

#include <QTest>

namespace {

using Kind = ReportRequest::Kind;

// What one engine answers to every question the test asks, as text.
using Answer = std::function<QString(AppContext&)>;

QString items(const QList<TrackLists::Item>& list)
{
    QString text;
    for (const TrackLists::Item& item : list)
        text += QString::number(item.pin) + QLatin1Char(' ') + item.text + QLatin1Char('\n');
    return text;
}

} // namespace

Q_DECLARE_METATYPE(ReportRequest)
Q_DECLARE_METATYPE(Answer)

class BothEnginesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    AppContext m_file, m_server;

    // Two teams; runners that tie on grade and name, lack a grade, or start with an accent or a
    // small letter; meets on one day, without a date, in an older form and another season.
    static void fill(TrackFixture& data)
    {
        const qint64 central = data.addTeam("Central", "Pat Coach", "555-0100", "Owls");
        const qint64 elan = data.addTeam("Élan Académie", "Ré Coach");
        const QList<std::pair<QString, int>> people = {
            {"Abby Zane", 12}, {"adam Young", 12}, {"Élodie Roux", 12}, {"Zoë O'Brien", 11},
            {"Bea Cruz", 0},   {"Sam Lee", 10},    {"Sam Lee", 10},     {"Ana Ortiz", 0},
            {"Éric Dubé", 9},  {"Eve Ames", 9}};
        QList<qint64> runners;
        for (const auto& [name, grade] : people)
            runners << data.addRunner(name, central, "555-01" + QString::number(runners.size()), {},
                                      grade);
        data.addRunner("Luc Marchand", elan);
        const QStringList dates = {"2024-03-09", {}, "2024-03-09", "2023-04-01", "3/16/2024"};
        for (qsizetype m = 0; m < dates.size(); ++m) {
            const qint64 meet = data.addMeet(central, dates[m], m % 2 ? elan : central,
                                             m == 2 ? "Élan Field" : "Home");
            for (int type : {1, 3, 9, 12}) {
                const QList<qint64> pins = data.slotPins(meet, type);
                const bool field = type >= 8;
                // The same mark in every meet: ties across meets and runners.
                data.fillSlot(pins[0], runners[(m + type) % runners.size()], field ? 18 : 0,
                              field ? 4.5 : 12.5, 1, 10);
                data.fillSlot(pins[1], runners[(m + type + 1) % runners.size()], field ? 18 : 0,
                              field ? 4.5 : 12.5, 1, 10);
            }
            // Hand times that convert to behind (12.4h: 12.64) and ahead of (12.2h: 12.44)
            // the automatic 12.50s.
            if (m == 1 || m == 3)
                data.connection().execute(
                    "UPDATE Event_to_Runner SET Timing = 'h', Seconds = ?, Inches = ? WHERE Pin = "
                    "?",
                    {m == 1 ? 12.4 : 12.2, m == 1 ? 12.4 : 12.2, data.slotPins(meet, 1)[0]});
            const QList<qint64> legs = data.slotPins(meet, 14);
            for (qsizetype i = 0; i < legs.size(); ++i)
                data.fillSlot(legs[i], runners[(m + i) % runners.size()], 0, i ? 0 : 48.2,
                              i ? 0 : 2, i ? 0 : 8);
        }
    }

    void compare(const Answer& answer)
    {
        const QString fromFile = answer(m_file);
        QVERIFY(!fromFile.isEmpty());
        QCOMPARE(answer(m_server), fromFile);
    }

private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        for (AppContext* app : {&m_file, &m_server}) {
            app->setUserName("Pat Coach");
            app->setSchool("Central");
        }
        m_file.connection().open(
            Connection::connectionStringFor(m_folder->copyOfBlank("Both.mdb")));
        TrackFixture data(m_file.connection());
        m_file.connection().transaction([&] { fill(data); });
        const QString address = TestProgramFolder::serverTrackDatabase();
        ServerSchema::copy(m_file.connection(), address);
        m_server.connection().open(Connection::connectionStringFor(address));
        QVERIFY(m_server.connection().onServer());
    }
    void cleanupTestCase()
    {
        m_file.connection().close();
        m_server.connection().close();
        m_folder.reset();
    }

    void reportsAlike_data()
    {
        QTest::addColumn<ReportRequest>("request");
        for (qint64 runner = 1; runner <= 11; ++runner)
            QTest::addRow("runner %lld", runner) << ReportRequest{Kind::Runner, runner};
        for (qint64 team : {1, 2})
            QTest::addRow("team %lld", team) << ReportRequest{Kind::Team, team};
        for (qint64 meet = 1; meet <= 5; ++meet)
            QTest::addRow("meet %lld", meet) << ReportRequest{Kind::Meet, meet};
        for (qint64 type : {1, 3, 9, 12, 14})
            for (bool best : {false, true})
                QTest::addRow("event %lld%s", type, best ? " best" : "")
                    << ReportRequest{Kind::Event, type, 1, best};
        for (const char* gender : {"", "F"})
            QTest::addRow("records %s", gender)
                << ReportRequest{Kind::Records, 1, 0, false, gender};
        QTest::newRow("top ten") << ReportRequest{Kind::TopTen, 1};
        QTest::newRow("season leaders") << ReportRequest{Kind::SeasonLeaders, 1};
    }
    void reportsAlike()
    {
        QFETCH(ReportRequest, request);
        compare([&](AppContext& app) { return Reports::build(app, request).document(); });
    }

    void listsAndTextsAlike_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("teams") << Answer(
            [](AppContext& a) { return items(TrackLists::teams(a.connection())); });
        QTest::newRow("runners") << Answer(
            [](AppContext& a) { return items(TrackLists::runners(a.connection(), 1)); });
        QTest::newRow("meets") << Answer(
            [](AppContext& a) { return items(TrackLists::meets(a.connection(), 1)); });
        QTest::newRow("event types")
            << Answer([](AppContext& a) { return items(TrackLists::eventTypes(a.connection())); });
        QTest::newRow("seasons") << Answer([](AppContext& a) {
            QString text;
            for (int year : TrackLists::seasons(a.connection()))
                text += QString::number(year) + QLatin1Char(' ');
            return text;
        });
        QTest::newRow("best marks") << Answer([](AppContext& a) {
            QString text;
            for (int type : {1, 3, 9, 12, 14})
                text += InfoPanel::event(a.connection(), type, "event") + "\n" +
                        InfoPanel::event(a.connection(), type, "event", 2024) + "\n";
            return text;
        });
        QTest::newRow("results export")
            << Answer([](AppContext& a) { return ResultsExport::csv(a.connection(), {}); });
        QTest::newRow("roster export")
            << Answer([](AppContext& a) { return RosterImport::exportTeam(a.connection(), 1); });
    }
    void listsAndTextsAlike()
    {
        QFETCH(Answer, answer);
        compare(answer);
    }

    // An export writes its marks itself: as each engine's view writes them, also where a
    // number lies on half a hundredth or rounds up into the next minute or foot.
    void marksWrittenAsTheViewsWriteThem_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<QString>("text");
        const QList<std::tuple<int, double, double, const char*>> marks = {
            {3, 0, 12.345, "12.35"},   {3, 0, 1.005, "1.01"},
            {3, 0, 59.995, "1:00.00"}, {3, 1, 12.35, "1:12.35"},
            {3, 0, 72.35, "1:12.35"},  {3, 2, 5.125, "2:05.13"},
            {3, 0, 10, "10.00"},       {3, 0, 0.004, "0.00"},
            {3, 12, 0, "12:00.00"},    {9, 18, 6.5, "18-06.50"},
            {9, 18, 6, "18-06"},       {9, 5, 11.995, "6-00"},
            {9, 0, 74.25, "6-02.25"},  {9, 18, 6.125, "18-06.13"},
            {9, 1, 0.333, "1-00.33"},  {9, 0, 0, ""}};
        for (const auto& [type, first, second, text] : marks)
            QTest::addRow("%d: %g %g", type, first, second)
                << type << first << second << QString::fromUtf8(text);
    }
    void marksWrittenAsTheViewsWriteThem()
    {
        QFETCH(int, type);
        QFETCH(double, first);
        QFETCH(double, second);
        QFETCH(QString, text);
        QCOMPARE(MarkFormat::text(type, first, second, first, second), text);
        struct Undo
        {
        };
        for (AppContext* app : {&m_file, &m_server}) {
            Connection& db = app->connection();
            QString shown;
            try {
                db.transaction([&] {
                    const qint64 slot =
                        RecordSet("SELECT min(JoinPin) AS Pin FROM Events_View WHERE Type = ?",
                                  {type}, db)
                            .field("Pin")
                            .toInt();
                    db.execute("UPDATE Event_to_Runner SET feet = ?, Minutes = ?, Inches = ?, "
                               "Seconds = ? WHERE Pin = ?",
                               {first, first, second, second, slot});
                    shown = RecordSet("SELECT MeasureTime FROM Events_View WHERE JoinPin = ?",
                                      {slot}, db)
                                .field("MeasureTime")
                                .text();
                    throw Undo{};
                });
            } catch (const Undo&) {
            }
            QCOMPARE(shown, text);
        }
    }
};

QTEST_MAIN(BothEnginesTest)
#include "tst_both_engines.moc"
