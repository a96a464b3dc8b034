// Marks as officials record them: hand times ranked fairly under each rule, and wind-aided
// marks kept out of records and PRs, on a real database.
#include "data/Connection.h"
#include "data/MarkOrder.h"
#include "data/RecordSet.h"
#include "records/Bests.h"
#include "records/HandTimes.h"
#include "records/InfoPanel.h"
#include "records/MarkLimits.h"
#include "records/MeetSheet.h"
#include "records/RelaySplit.h"
#include "support/TestProgramFolder.h"
#include "support/TrackFixture.h"

#include <QTest>

using Rule = HandTimes::Rule;
Q_DECLARE_METATYPE(HandTimes::Rule)

class MarksTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    Connection m_db;
    std::unique_ptr<TrackFixture> m_data;
    qint64 m_team = 0, m_ann = 0, m_bo = 0;

    // A mark in a meet of its own, with what the officials wrote beside it.
    qint64 mark(qint64 runner, int type, const QString& date, double first, double second,
                const QString& timing = {}, const QVariant& wind = {})
    {
        const qint64 meet = m_data->addMeet(m_team, date);
        const qint64 join = m_data->slotPins(meet, type).first();
        m_data->fillSlot(join, runner, first, second);
        m_db.execute(QStringLiteral("UPDATE Event_to_Runner SET Timing = ?, Wind = ?, Aided = ? "
                                    "WHERE Pin = ?"),
                     {timing, wind.isValid() ? wind : QVariant(QMetaType(QMetaType::Double)),
                      wind.isValid() && wind.toDouble() > 2.0 ? 1 : 0, join});
        return join;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_db.open(Connection::connectionStringFor(m_folder->trackDatabase("db/Track.mdb")));
        m_data = std::make_unique<TrackFixture>(m_db);
        m_team = m_data->addTeam("Central");
        m_ann = m_data->addRunner("Adams, Ann", m_team);
        m_bo = m_data->addRunner("Brown, Bo", m_team);
    }
    void cleanup()
    {
        HandTimes::setRule(Rule::ByDistance);
        m_db.close();
        m_data.reset();
        m_folder.reset();
    }

    void theAllowanceByDistance_data()
    {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<int>("metres");
        QTest::addColumn<double>("added"); // -1: ranked as typed
        QTest::newRow("299 m") << Rule::ByDistance << 299 << 0.24;
        QTest::newRow("300 m") << Rule::ByDistance << 300 << 0.14;
        QTest::newRow("799 m") << Rule::ByDistance << 799 << 0.14;
        QTest::newRow("800 m") << Rule::ByDistance << 800 << -1.0;
        QTest::newRow("800 m, every race") << Rule::Always << 800 << 0.24;
        QTest::newRow("100 m as typed") << Rule::AsTyped << 100 << -1.0;
        QTest::newRow("a field event") << Rule::Always << 0 << -1.0;
    }
    void theAllowanceByDistance()
    {
        QFETCH(Rule, rule);
        QFETCH(int, metres);
        QFETCH(double, added);
        QCOMPARE(HandTimes::allowance(rule, metres).value_or(-1.0), added);
    }

    // A slot whose runner another program deleted keeps its mark, which is no best mark; a
    // runner without a name is still there.
    void aSlotWithoutItsRunnerIsNoBest()
    {
        mark(m_ann, 1, "2026-04-04", 0, 12.59);
        const qint64 gone = mark(m_ann, 1, "2026-04-11", 0, 11.2);
        m_db.execute(QStringLiteral("UPDATE Event_to_Runner SET Runner_Pin = 9999 WHERE Pin = ?"),
                     {gone});
        QVERIFY(InfoPanel::event(m_db, 1, "100 Meter Dash", std::nullopt)
                    .startsWith("Best Time:   12.59\r\n"));
        m_db.execute(QStringLiteral("UPDATE Runners SET Name = NULL WHERE Pin = ?"), {m_ann});
        QVERIFY(InfoPanel::event(m_db, 1, "100 Meter Dash", std::nullopt)
                    .startsWith("Best Time:   12.59\r\n"));
    }

    // The best mark of an event type is found among its best few; a tie that reaches beyond
    // them still goes to the latest meet, and a mark whose event lost its meet is no best. The
    // engines ask this in statements of their own.
    void theBestMarkAmongMany_data()
    {
        QTest::addColumn<bool>("server");
        QTest::addColumn<int>("ties");      // marks of 11.00, one a year from 2001
        QTest::addColumn<bool>("detached"); // a 10.90 whose event has no meet
        QTest::addColumn<QString>("date");
        for (const bool server : {false, true}) {
            const char* engine = server ? "server" : "file";
            QTest::addRow("%s: one", engine) << server << 1 << false << "1981";
            QTest::addRow("%s: forty-two tied", engine) << server << 42 << false << "2022";
            QTest::addRow("%s: a better mark without its meet", engine)
                << server << 2 << true << "1982";
        }
    }
    void theBestMarkAmongMany()
    {
        QFETCH(bool, server);
        QFETCH(int, ties);
        QFETCH(bool, detached);
        if (server) {
            m_data.reset();
            m_db.open(Connection::connectionStringFor(TestProgramFolder::serverTrackDatabase()));
            m_data = std::make_unique<TrackFixture>(m_db);
            m_team = m_data->addTeam("Central");
            m_ann = m_data->addRunner("Adams, Ann", m_team);
            m_bo = m_data->addRunner("Brown, Bo", m_team);
        }
        for (int year = 1981; year < 1981 + ties; ++year)
            mark(year % 2 ? m_ann : m_bo, 1, QStringLiteral("%1-04-04").arg(year), 0, 11);
        if (detached) {
            const qint64 join = mark(m_bo, 1, "2025-04-04", 0, 10.9);
            m_db.execute(QStringLiteral("DELETE FROM Event_to_Meet WHERE Event_Pin = (SELECT "
                                        "Event_Pin FROM Event_to_Runner WHERE Pin = ?)"),
                         {join});
        }
        const QString text = InfoPanel::event(m_db, 1, "100 Meter Dash", std::nullopt);
        QVERIFY2(text.startsWith("Best Time:   11.00\r\n"), qPrintable(text));
        QFETCH(QString, date);
        QVERIFY2(text.endsWith(" 4/4/" + date + "\r\n"), qPrintable(text));
    }

    // A hand 12.4 against automatic 12.59 and 12.71: rounded up to the tenth, then converted,
    // in the runner's bests (in memory) and the team's best (in SQL) alike.
    void aHandTimeRanksAsConverted_data()
    {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<QString>("best");
        QTest::addColumn<QString>("flags"); // the three marks in the order of their meets
        QTest::newRow("by distance") << Rule::ByDistance << "12.59"
                                     << "PR - -";
        QTest::newRow("every race") << Rule::Always << "12.59"
                                    << "PR - -";
        QTest::newRow("as typed") << Rule::AsTyped << "12.4h"
                                  << "PR PR -";
    }
    void aHandTimeRanksAsConverted()
    {
        QFETCH(Rule, rule);
        QFETCH(QString, best);
        HandTimes::setRule(rule);
        const qint64 a = mark(m_ann, 1, "2026-04-04", 0, 12.59);
        const qint64 b = mark(m_ann, 1, "2026-04-11", 0, 12.4, "h");
        const qint64 c = mark(m_ann, 1, "2026-04-18", 0, 12.71);
        const QList<Bests::Mark> marks = Bests::marksOf(m_db, m_ann);
        QCOMPARE(Bests::of(marks).value(1).pr.text.section(' ', 0, 0),
                 best == "12.4h" ? best : QStringLiteral("12.59"));
        const QHash<qint64, Bests::Flag> flags = Bests::flags(marks);
        QStringList words;
        for (const qint64 join : {a, b, c})
            words << (Bests::word(flags.value(join)).trimmed().isEmpty()
                          ? QStringLiteral("-")
                          : Bests::word(flags.value(join)).trimmed());
        QTEST(words.join(' '), "flags");
        QVERIFY2(InfoPanel::event(m_db, 1, "100 Meter Dash", std::nullopt)
                     .startsWith("Best Time:   " + best + "\r\n"),
                 qPrintable(InfoPanel::event(m_db, 1, "100 Meter Dash", std::nullopt)));
        // Where it was converted to rank it, a list shows the value beside the mark.
        if (rule == Rule::ByDistance)
            QCOMPARE(HandTimes::shown(1, 12.43, true, "12.43h"), QStringLiteral("12.74c (12.43h)"));
    }

    // Each event's limits, with a mark just inside and one just outside each of them.
    void everyLimitHasTwoSides_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("doubted");
        for (int type = 1; type <= 17; ++type) {
            const MarkLimits::Limit limit = MarkLimits::of(type);
            // Beyond the best is faster for a run, farther for a field event.
            const double out = MarkOrder::isField(type) ? 0.25 : -0.01;
            const QByteArray event = MeetSheet::eventName(type - 1).toUtf8();
            const char* name = event.constData();
            QTest::addRow("%s, at the best", name) << type << limit.best << false;
            QTest::addRow("%s, beyond the best", name) << type << limit.best + out << true;
            QTest::addRow("%s, at the worst", name) << type << limit.worst << false;
            QTest::addRow("%s, beyond the worst", name) << type << limit.worst - out << true;
        }
    }
    void everyLimitHasTwoSides()
    {
        QFETCH(int, type);
        QFETCH(double, value);
        QFETCH(bool, doubted);
        QCOMPARE(MarkLimits::doubt(type, value, "x").has_value(), doubted);
    }

    void secondsThatReadAsMinutes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("meant");
        QTest::newRow("800 m") << 4 << "2.33"
                               << "2:33";
        QTest::newRow("1600 m") << 5 << "5.02"
                                << "5:02";
        QTest::newRow("4 x 800 m") << 17 << "9.45"
                                   << "9:45";
        QTest::newRow("400 m is no such race") << 3 << "2.33"
                                               << "";
        QTest::newRow("no seconds past 59") << 4 << "2.65"
                                            << "";
        QTest::newRow("one digit after the point") << 4 << "2.3"
                                                   << "";
    }
    void secondsThatReadAsMinutes()
    {
        QFETCH(int, type);
        QFETCH(QString, typed);
        const auto meant = MarkLimits::minutesMeant(type, typed.toDouble(), typed);
        QTEST(meant ? meant->first + ':' + meant->second : QString(), "meant");
    }

    // A split is read as seconds or minutes and seconds, and shown back as it was typed.
    void aSplitIsATime_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // empty: refused
        QTest::newRow("tenths") << "47.1"
                                << "47.1";
        QTest::newRow("minutes") << "1:02.35"
                                 << "1:02.35";
        QTest::newRow("whole") << " 2:05 "
                               << "2:05.0";
        QTest::newRow("rounds to a minute") << "59.999"
                                            << "1:00.0";
        QTest::newRow("seconds past 59") << "1:75"
                                         << "";
        QTest::newRow("zero") << "0"
                              << "";
        QTest::newRow("negative") << "-3"
                                  << "";
        QTest::newRow("an hour") << "60:00"
                                 << "";
        QTest::newRow("a comma") << "12,5"
                                 << "";
    }
    void aSplitIsATime()
    {
        QFETCH(QString, typed);
        const std::optional<double> seconds = RelaySplit::seconds(typed);
        QTEST(seconds ? RelaySplit::text(*seconds) : QString(), "shown");
        QCOMPARE(RelaySplit::isNone(typed), typed == "0");
    }

    // A +2.1 long jump that would be the record: the record and the PR are the legal mark
    // below it; the runner sees the better one beside the PR.
    void aWindAidedMarkIsNoRecordAndNoPr()
    {
        mark(m_ann, 9, "2026-04-04", 18, 6, {}, 1.2);
        const qint64 aided = mark(m_ann, 9, "2026-04-11", 19, 0, {}, 2.1);
        mark(m_bo, 9, "2026-04-18", 17, 11);
        const QMap<qint64, Bests::Event> bests = Bests::of(Bests::marksOf(m_db, m_ann));
        QCOMPARE(bests.value(9).pr.text, QStringLiteral("18-06 +1.2"));
        QCOMPARE(bests.value(9).prText(), QStringLiteral("18-06 +1.2  19-00w +2.1"));
        QCOMPARE(Bests::flags(Bests::marksOf(m_db, m_ann)).value(aided), Bests::Flag::None);
        QVERIFY(InfoPanel::event(m_db, 9, "Long Jump", std::nullopt)
                    .startsWith("Best Time:   18-06 +1.2\r\nCompetitor:  Adams, Ann"));
    }
};

QTEST_MAIN(MarksTest)
#include "tst_marks.moc"
