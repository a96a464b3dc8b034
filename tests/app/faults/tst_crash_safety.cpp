// The program killed outright (SIGKILL) at random moments while it adds meets, while it saves
// a meet's sheet and while it imports rosters. After every kill the database is sound, holds
// no half-made meet, half-saved sheet or half-imported roster, and keeps everything that was
// saved before. Copies taken while a sheet is being saved restore a whole sheet.
#include "data/Connection.h"
#include "data/DatabaseBackup.h"
#include "data/RecordSet.h"
#include "support/TestProgramFolder.h"
#include "support/TrackFixture.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

class CrashSafetyTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> folder;
    Connection check;
    qint64 m_team = 0, m_kept = 0, m_worked = 0;
    QString m_before; // what was saved before any kill, outside the meet being saved
    QRandomGenerator random{20261207};

    qint64 count(const QString& sql)
    {
        RecordSet rs(sql, check);
        return rs.field(rs.fieldNames().first()).toInt();
    }
    QString rows(const QString& sql)
    {
        RecordSet rs(sql, check);
        QString text;
        for (; !rs.eof(); rs.moveNext()) {
            for (const QString& name : rs.fieldNames())
                text += rs.field(name).text() + QLatin1Char('|');
            text += QLatin1Char('\n');
        }
        return text;
    }
    QString saved()
    {
        return rows(QStringLiteral("SELECT * FROM Teams ORDER BY Pin")) +
               rows(QStringLiteral("SELECT * FROM Runners ORDER BY Pin")) +
               rows(QStringLiteral("SELECT * FROM Runner_to_Team ORDER BY Pin")) +
               rows(QStringLiteral("SELECT * FROM Meets WHERE Pin=%1").arg(m_kept)) +
               rows(QStringLiteral("SELECT * FROM Events_View WHERE Meet_Pin=%1 ORDER BY JoinPin")
                        .arg(m_kept));
    }

    // Starts the worker and waits until it is ready; what it wrote so far.
    QByteArray start(QProcess& worker, const QStringList& args)
    {
        worker.setStandardErrorFile(QProcess::nullDevice());
        worker.start(QStringLiteral(CRASH_WORKER), QStringList{folder->path()} + args);
        if (!worker.waitForStarted())
            qFatal("the crash worker did not start");
        QByteArray out;
        while (!out.contains("ready\n") && worker.state() == QProcess::Running) {
            worker.waitForReadyRead(10000);
            out += worker.readAllStandardOutput();
        }
        return out;
    }

    // Runs the worker until a random moment after it is ready, kills it, and returns the
    // lines it wrote.
    QStringList runAndKill(const QStringList& args)
    {
        QProcess worker;
        QByteArray out = start(worker, args);
        QTest::qSleep(static_cast<int>(random.bounded(20, 400)));
        worker.kill();
        worker.waitForFinished();
        out += worker.readAllStandardOutput();
        // The last line may have been cut short by the kill.
        QStringList lines = QString::fromLatin1(out).split(QLatin1Char('\n'));
        lines.removeLast();
        for (const QString& line : lines)
            if (line.startsWith(QLatin1String("error")))
                qFatal("the worker failed: %s", qPrintable(line));
        return lines;
    }

    // The generation whose save the worked meet's sheet holds whole, 0 before any save, -1
    // for a sheet of mixed saves: the weather names the generation, and every number of every
    // slot carries it.
    qint64 wholeSave()
    {
        const QString weather =
            rows(QStringLiteral("SELECT Weather FROM Meets WHERE Pin=%1").arg(m_worked));
        if (!weather.startsWith(QLatin1String("gen ")))
            return 0;
        const qint64 generation = weather.section(QLatin1Char(' '), 1).chopped(2).toLongLong();
        const QString g = QString::number(generation % 12);
        const qint64 filled =
            count(QStringLiteral("SELECT count(*) FROM Event_to_Runner s JOIN Event_to_Meet em "
                                 "ON em.Event_Pin = s.Event_Pin WHERE em.Meet_Pin=%1 AND "
                                 "s.Place=%2 AND s.Points=%2 AND s.feet=%2 AND s.Inches=%2 AND "
                                 "s.Minutes=%2 AND s.Seconds=%2")
                      .arg(m_worked)
                      .arg(g));
        return filled == 42 ? generation : -1;
    }

    void verifySound()
    {
        QCOMPARE(rows(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok|\n"));
        QCOMPARE(saved(), m_before);
    }

private slots:
    void init()
    {
        folder = std::make_unique<TestProgramFolder>();
        const QString path = folder->copyOfBlank(QStringLiteral("db/Track.mdb"));
        check.open(Connection::connectionStringFor(path));
        TrackFixture f(check);
        m_team = f.addTeam(QStringLiteral("Central"));
        const qint64 ann = f.addRunner(QStringLiteral("Adams, Ann"), m_team);
        m_kept = f.addMeet(m_team, QStringLiteral("2026-04-11"));
        for (int type = 1; type <= 17; ++type)
            for (qint64 join : f.slotPins(m_kept, type))
                f.fillSlot(join, ann, 0, 11 + type, 1, 10);
        m_worked = f.addMeet(m_team, QStringLiteral("2026-04-18"));
        for (int type = 1; type <= 17; ++type)
            for (qint64 join : f.slotPins(m_worked, type))
                f.fillSlot(join, ann, 0, 0, 0, 0);
        folder->writeSettings(QStringLiteral("Pat Coach"), QStringLiteral("Central"), path);
        m_before = saved();
    }
    void cleanup()
    {
        check.close();
        folder.reset();
    }

    void killedWhileAddingMeets()
    {
        QSet<qint64> added;
        for (int kill = 0; kill < 25; ++kill) {
            for (const QString& line : runAndKill({QStringLiteral("add")}))
                if (line.startsWith(QLatin1String("added ")))
                    added.insert(line.mid(6).toLongLong());
            verifySound();
            // Every meet there is whole: its team link, its 17 events, their 42 slots.
            const QString broken = QStringLiteral(
                "SELECT count(*) FROM Meets m WHERE "
                "(SELECT count(*) FROM Meet_to_Team WHERE Meet_Pin = m.Pin) <> 1 OR "
                "(SELECT count(*) FROM Event_to_Meet WHERE Meet_Pin = m.Pin) <> 17 OR "
                "(SELECT count(*) FROM Events_View WHERE Meet_Pin = m.Pin) <> 42");
            QCOMPARE(count(broken), 0);
            QCOMPARE(count("SELECT count(*) FROM Events WHERE Pin NOT IN "
                           "(SELECT Event_Pin FROM Event_to_Meet)"),
                     0);
            QCOMPARE(count("SELECT count(*) FROM Event_to_Runner WHERE Event_Pin NOT IN "
                           "(SELECT Pin FROM Events)"),
                     0);
            // Every meet the program finished is there.
            for (qint64 meet : added)
                QVERIFY(count(QStringLiteral("SELECT count(*) FROM Meets WHERE Pin=%1").arg(meet)));
        }
        QVERIFY2(added.size() >= 25, "the worker was killed before it got going");
    }

    void killedWhileSavingASheet()
    {
        qint64 finished = 0, next = 1;
        // At least 25 kills, and more on a slow machine (a sanitizer's build) until 25 saves
        // have finished in all.
        for (int kill = 0; kill < 25 || (finished < 25 && kill < 60); ++kill) {
            for (const QString& line : runAndKill(
                     {QStringLiteral("save"), QString::number(m_worked), QString::number(next)}))
                if (line.startsWith(QLatin1String("saved ")))
                    finished = line.mid(6).toLongLong();
            verifySound();
            const qint64 generation = wholeSave();
            QVERIFY(generation > 0 || (generation == 0 && finished == 0));
            if (generation == 0)
                continue;
            QVERIFY(generation >= finished);
            next = generation + 1;
        }
        QVERIFY2(finished >= 25, "the worker was killed before it got going");
    }

    // An import of a host's results either made its meet with every result and every new
    // athlete, or left no trace.
    void killedWhileImportingResults()
    {
        const QString before = rows(QStringLiteral("SELECT * FROM Meets ORDER BY Pin"));
        qint64 finished = 0;
        for (int kill = 0; kill < 10 || (finished < 10 && kill < 30); ++kill) {
            for (const QString& line :
                 runAndKill({QStringLiteral("results"), QString::number(m_team),
                             QString::number(finished + 1)}))
                if (line.startsWith(QLatin1String("imported ")))
                    finished = line.mid(9).toLongLong();
            QCOMPARE(rows(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok|\n"));
            QVERIFY(rows(QStringLiteral("SELECT * FROM Meets ORDER BY Pin")).startsWith(before));
            // Each generation's meet holds its 40 results, and its 40 athletes are on the
            // roster; a generation without its meet left no athlete.
            QCOMPARE(count("SELECT count(*) FROM Meets m WHERE m.Place LIKE 'Gen %' AND "
                           "(SELECT count(*) FROM Events_View v WHERE v.Meet_Pin = m.Pin AND "
                           "v.Runner_Pin <> 0) <> 40"),
                     0);
            QCOMPARE(count("SELECT count(*) FROM Runners WHERE Name LIKE 'R%x%'"),
                     40 * count("SELECT count(*) FROM Meets WHERE Place LIKE 'Gen %'"));
            QCOMPARE(count(QStringLiteral("SELECT count(*) FROM Meets WHERE Place = 'Gen %1 "
                                          "Invitational'")
                               .arg(finished)),
                     finished ? 1 : 0);
        }
        QVERIFY2(finished >= 10, "the worker was killed before it got going");
    }

    void killedWhileImportingRosters()
    {
        const QString others = rows(QStringLiteral("SELECT * FROM Teams ORDER BY Pin")) +
                               rows(QStringLiteral("SELECT * FROM Runners ORDER BY Pin"));
        qint64 finished = 0;
        for (int kill = 0; kill < 10; ++kill) {
            for (const QString& line :
                 runAndKill({QStringLiteral("import"), QString::number(m_team),
                             QString::number(finished + 1)}))
                if (line.startsWith(QLatin1String("imported ")))
                    finished = line.mid(9).toLongLong();
            QCOMPARE(rows(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok|\n"));
            QCOMPARE(rows(QStringLiteral("SELECT * FROM Teams ORDER BY Pin")) +
                         rows(QStringLiteral("SELECT * FROM Runners WHERE Name NOT LIKE 'G%x%' "
                                             "ORDER BY Pin")),
                     others);
            // Every roster is in whole, in the team, or not at all.
            QCOMPARE(
                count("SELECT count(*) FROM (SELECT substr(Name, 1, instr(Name, 'x')) AS g, "
                      "count(*) AS n FROM Runners GROUP BY g HAVING g LIKE 'G%' AND n <> 300)"),
                0);
            QCOMPARE(count("SELECT count(*) FROM Runners WHERE Pin NOT IN "
                           "(SELECT Runner_Pin FROM Runner_to_Team)"),
                     0);
            QCOMPARE(count(QStringLiteral("SELECT count(*) FROM Runners WHERE Name LIKE 'G%1x%'")
                               .arg(finished)),
                     finished ? 300 : 0);
        }
        QVERIFY2(finished >= 10, "the worker was killed before it got going");
    }

    void copiesTakenDuringSavesRestoreAWholeSheet()
    {
        QProcess worker;
        start(worker, {QStringLiteral("save"), QString::number(m_worked), QStringLiteral("1")});
        QStringList copies;
        for (int i = 0; i < 12; ++i) {
            QTest::qSleep(static_cast<int>(random.bounded(10, 150)));
            copies << folder->file(QStringLiteral("copy%1.mdb").arg(i));
            DatabaseBackup::writeTo(check, copies.last());
        }
        worker.kill();
        worker.waitForFinished();
        qint64 restoredSaves = 0;
        for (const QString& copy : copies) {
            DatabaseBackup::restore(check, copy, QDateTime::currentDateTime());
            verifySound();
            const qint64 generation = wholeSave();
            QVERIFY2(generation >= 0, qPrintable(copy));
            restoredSaves += generation > 0;
        }
        QVERIFY2(restoredSaves > 0, "no copy was taken after a save");
    }
};

QTEST_MAIN(CrashSafetyTest)
#include "tst_crash_safety.moc"
