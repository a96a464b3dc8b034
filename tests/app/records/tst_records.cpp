// The records layer on a real file, without a window: what each action sends and leaves.
#include "data/Connection.h"
#include "data/RecordSet.h"
#include "records/MeetSheet.h"
#include "records/RunnerRecord.h"
#include "records/TeamRecord.h"
#include "support/TestProgramFolder.h"
#include "support/TrackFixture.h"

#include <QTest>

class RecordsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    Connection m_db;
    std::unique_ptr<TrackFixture> m_data;
    QStringList m_sent;
    qint64 m_team = 0, m_ann = 0, m_meet = 0;

private slots:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_db.open(Connection::connectionStringFor(m_folder->copyOfBlank("db/Track.mdb")));
        m_data = std::make_unique<TrackFixture>(m_db);
        m_team = m_data->addTeam("Central");
        m_ann = m_data->addRunner("Adams, Ann", m_team);
        m_meet = m_data->addMeet(m_team, "2026-04-11 15:30:00", m_team, "Field", "Sunny");
        m_sent.clear();
        m_db.setStatementObserver([this](const QString& sql) { m_sent << sql; });
    }
    void cleanup()
    {
        m_db.close();
        m_data.reset();
        m_folder.reset();
    }

    void aTeamsStatementsAreTheOnesGiven()
    {
        TeamRecord team = *TeamRecord::load(m_db, m_team);
        team.coach = QStringLiteral("D'Angelo");
        team.save(m_db);
        const QString t = QString::number(m_team);
        QCOMPARE(m_sent, QStringList({"UPDATE Teams Set School='Central',Coach='D''Angelo',"
                                      "ContactNo='',Mascot='' WHERE Pin=" +
                                      t}));
        QCOMPARE(TeamRecord::load(m_db, m_team)->coach, QStringLiteral("D'Angelo"));
        m_sent.clear();
        TeamRecord::remove(m_db, m_team);
        QCOMPARE(m_sent, QStringList({"DELETE FROM Runner_to_Team WHERE Team_Pin=" + t,
                                      "DELETE FROM Meet_to_Team WHERE Team_Pin=" + t,
                                      "DELETE FROM Teams WHERE Pin=" + t}));
        QVERIFY(!TeamRecord::load(m_db, m_team));
    }

    void aRunnerComesBackAsSaved()
    {
        RunnerRecord runner = *RunnerRecord::load(m_db, m_ann);
        QCOMPARE(runner.first, QStringLiteral(" Ann"));
        QCOMPARE(runner.team, std::optional<qint64>(m_team));
        runner.first = QStringLiteral("Ann, B.");
        runner.grade = 11;
        runner.save(m_db);
        const RunnerRecord back = *RunnerRecord::load(m_db, m_ann);
        QCOMPARE(back.first, QStringLiteral(" Ann B."));
        QCOMPARE(back.grade, std::optional<int>(11));
        QCOMPARE(m_data->count("SELECT count(*) FROM Runner_to_Team"), 1);
    }

    // A sheet's round trip: what is saved loads back, the relay's result in each leg with a
    // runner, and an older file's time of day kept with an unchanged date.
    void aMeetSheetComesBackAsSaved()
    {
        MeetSheet sheet = *MeetSheet::load(m_db, m_meet);
        QCOMPARE(sheet.time, QTime(15, 30));
        sheet.first[11].runner = m_ann;
        sheet.first[11].name = QStringLiteral("Adams, Ann");
        sheet.first[11].numbers = {"2", "8", "41", "6"};
        sheet.relays[0].legs[1].runner = m_ann;
        sheet.relays[0].legs[1].name = QStringLiteral("Adams, Ann");
        sheet.relays[0].numbers = {"1", "10", "0", "48.2"};
        QVERIFY(!sheet.check());
        sheet.save(m_db);
        QVERIFY(m_sent.contains(QStringLiteral("UPDATE Event_to_Runner Set Runner_Pin = %1,feet=41,"
                                               "Inches=6,Minutes=41,Seconds=6,Points=8,Place=2 "
                                               "WHERE Pin=%2")
                                    .arg(m_ann)
                                    .arg(sheet.first[11].join)));
        const MeetSheet back = *MeetSheet::load(m_db, m_meet);
        QCOMPARE(back.first[11].numbers.mark2, QStringLiteral("6"));
        QCOMPARE(back.relays[0].legs[1].name, QStringLiteral("Adams, Ann"));
        QCOMPARE(back.relays[0].numbers.mark2, QStringLiteral("48.2"));
        QCOMPARE(back.time, QTime(15, 30));

        // A problem names where it is; nothing is sent for it.
        sheet.relays[0].numbers.mark2 = QStringLiteral("61");
        const std::optional<MeetSheet::Problem> problem = sheet.check();
        QVERIFY(problem);
        QCOMPARE(problem->event, 13);
        QCOMPARE(problem->box, 3);
        QVERIFY(problem->message.startsWith("400 Meter Relay: the Secs box holds \"61\""));

        MeetSheet::remove(m_db, m_meet);
        QVERIFY(!MeetSheet::load(m_db, m_meet));
        QCOMPARE(m_data->count("SELECT count(*) FROM Event_to_Runner"), 0);
    }
};

QTEST_MAIN(RecordsTest)
#include "tst_records.moc"
