// Two coaches on one database, as two programs, on a file and on the test server. Both open
// the same meet's sheet, one saves, then the other: the second is told who changed the meet
// and when, and writes nothing; the first one's results stand. Both add teams at the same
// moment: each new team is its maker's own. On the server also: a coach's file moved onto it
// from the command line, and a coach connecting to it with File › Connect to Server.
#include "data/Connection.h"
#include "data/RecordSet.h"
#include "data/SchemaVersion.h"
#include "data/ServerAddress.h"
#include "data/ServerSchema.h"
#include "records/AppContext.h"
#include "records/RecordCreator.h"
#include "shell/MainWindow.h"
#include "support/AppHarness.h"
#include "support/TestProgramFolder.h"
#include "support/TrackFixture.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSet>
#include <QTest>

class TwoCoachesTest : public QObject
{
    Q_OBJECT

    // Reads the worker's lines until one starts with `prefix`; that line.
    static QString waitFor(QProcess& worker, const char* prefix)
    {
        QByteArray out;
        for (;;) {
            while (worker.canReadLine()) {
                const QByteArray line = worker.readLine().trimmed();
                if (line.startsWith(prefix) || line.startsWith("error"))
                    return QString::fromUtf8(line);
            }
            if (worker.state() != QProcess::Running || !worker.waitForReadyRead(30000))
                return QStringLiteral("the worker stopped");
        }
    }

    static void start(QProcess& worker, const QString& folder, qint64 meet, const QString& user)
    {
        worker.setStandardErrorFile(QProcess::nullDevice());
        worker.start(QStringLiteral(CRASH_WORKER),
                     {folder, QStringLiteral("edit"), QString::number(meet), user});
        if (!worker.waitForStarted())
            qFatal("the worker did not start");
    }

private slots:
    void theSecondSaveIsToldAndWritesNothing()
    {
        TestProgramFolder folder;
        const QString database = folder.trackDatabase(QStringLiteral("db/Track.mdb"));
        Connection check;
        check.open(Connection::connectionStringFor(database));
        TrackFixture f(check);
        const qint64 team = f.addTeam(QStringLiteral("Central"));
        const qint64 ann = f.addRunner(QStringLiteral("Adams, Ann"), team);
        const qint64 meet = f.addMeet(team, QStringLiteral("2026-04-11"));
        for (int type = 1; type <= 17; ++type)
            for (qint64 join : f.slotPins(meet, type))
                f.fillSlot(join, ann, 0, 0);
        folder.writeSettings(QStringLiteral("Pat Coach"), QStringLiteral("Central"), database);

        QProcess first, second;
        start(first, folder.path(), meet, QStringLiteral("Lee Sprints"));
        start(second, folder.path(), meet, QStringLiteral("Kim Distance"));
        QCOMPARE(waitFor(first, "loaded"), QStringLiteral("loaded"));
        QCOMPARE(waitFor(second, "loaded"), QStringLiteral("loaded"));

        first.write("save 5\n");
        first.waitForBytesWritten();
        QCOMPARE(waitFor(first, "saved"), QStringLiteral("saved 5"));
        second.write("save 7\n");
        second.waitForBytesWritten();
        const QString told = waitFor(second, "asked");
        QVERIFY2(
            told.startsWith(QStringLiteral("asked This meet was changed by Lee Sprints at ")) &&
                told.endsWith(QStringLiteral("; reload it?")),
            qPrintable(told));
        first.closeWriteChannel();
        second.closeWriteChannel();
        QVERIFY(first.waitForFinished() && second.waitForFinished());

        // The first coach's sheet, whole: every number of every slot holds 5.
        const RecordSet weather(QStringLiteral("SELECT Weather FROM Meets WHERE Pin=%1").arg(meet),
                                check);
        QCOMPARE(weather.field("Weather").text(), QStringLiteral("gen 5"));
        QCOMPARE(f.count(QStringLiteral("SELECT count(*) FROM Event_to_Runner s JOIN "
                                        "Event_to_Meet em ON em.Event_Pin = s.Event_Pin WHERE "
                                        "em.Meet_Pin=%1 AND s.Place=5 AND s.Seconds=5")
                             .arg(meet)),
                 qint64(42));
    }

    void newRecordsMadeAtOnceAreEachTheirMakers()
    {
        TestProgramFolder folder;
        const QString database = folder.trackDatabase(QStringLiteral("db/Track.mdb"));
        folder.writeSettings(QStringLiteral("Pat Coach"), QStringLiteral("Central"), database);
        QProcess one, two;
        for (QProcess* worker : {&one, &two}) {
            worker->setStandardErrorFile(QProcess::nullDevice());
            worker->start(QStringLiteral(CRASH_WORKER),
                          {folder.path(), QStringLiteral("create"), QStringLiteral("400")});
        }
        QVERIFY(one.waitForFinished(60000) && two.waitForFinished(60000));
        QSet<qint64> pins;
        for (QProcess* worker : {&one, &two}) {
            int made = 0;
            for (const QByteArray& line : worker->readAllStandardOutput().split('\n'))
                if (line.startsWith("made ")) {
                    pins.insert(line.mid(5).toLongLong());
                    ++made;
                }
            QCOMPARE(made, 400);
        }
        QCOMPARE(pins.size(), 800);
        Connection check;
        check.open(Connection::connectionStringFor(database));
        QCOMPARE(TrackFixture(check).count(QStringLiteral("SELECT count(*) FROM Teams")),
                 qint64(800));
    }

    // A coach's file moves onto an empty server database whole, every Pin as it was.
    void aCoachsHistoryMovesOntoTheServer()
    {
        if (!TestProgramFolder::onServer())
            QSKIP("needs the test server");
        TestProgramFolder folder;
        const QString address = TestProgramFolder::emptyServerDatabase();
        auto cindrel = [](const QStringList& arguments) {
            QProcess program;
            program.start(QStringLiteral(CINDREL_PROGRAM), arguments);
            program.waitForFinished(60000);
            return std::pair{program.exitCode(),
                             QString::fromUtf8(program.readAllStandardError() +
                                               program.readAllStandardOutput())};
        };
        const QStringList create{QStringLiteral("--create-server-database"), address};
        QCOMPARE(cindrel(create).first, 0);
        // Run again, as a set-up script may: what is there is Cindrel's own, whole.
        const auto [again, said] = cindrel(create);
        QCOMPARE(again, 0);
        QVERIFY2(said.contains(QStringLiteral("already holds Cindrel's database, version %1")
                                   .arg(SchemaVersion::current())),
                 qPrintable(said));
        // Part of Cindrel's tables is no database to use, and none to make one over.
        const QString partial = TestProgramFolder::emptyServerDatabase();
        {
            Connection other;
            other.openServer(partial);
            other.execute(QStringLiteral("CREATE TABLE Teams (Pin integer)"));
        }
        const auto [refused, why] = cindrel({QStringLiteral("--create-server-database"), partial});
        QCOMPARE(refused, 1);
        QVERIFY2(why.contains(QStringLiteral("already holds Cindrel's tables")), qPrintable(why));

        const QString file = folder.copyOfBlank(QStringLiteral("Coach.mdb"));
        Connection db;
        db.open(Connection::connectionStringFor(file));
        TrackFixture f(db);
        const qint64 team = f.addTeam(QStringLiteral("O'Neil High"));
        db.execute(QStringLiteral("DELETE FROM Teams WHERE Pin = %1").arg(f.addTeam("Gone")));
        const qint64 ann = f.addRunner(QStringLiteral("D\u00edaz, Ann"), team, "555", "1 Elm", 11);
        const qint64 meet = f.addMeet(team, QStringLiteral("2026-04-11 15:30:00"), team, "Field");
        f.fillSlot(f.slotPins(meet, 9).first(), ann, 18, 6.25, 1, 10);
        db.close();
        const QStringList copy{QStringLiteral("--copy-to-server"), file, address};
        QCOMPARE(cindrel(copy).first, 0);
        QCOMPARE(cindrel(copy).first, 1);

        Connection server;
        server.open(Connection::connectionStringFor(address));
        db.open(Connection::connectionStringFor(file));
        auto dump = [](Connection& c, const QString& table) {
            QString text;
            for (RecordSet rs(QStringLiteral("SELECT * FROM %1 ORDER BY Pin").arg(table), c);
                 !rs.eof(); rs.moveNext())
                for (const QString& name : rs.fieldNames())
                    text += name.toLower() + '=' + rs.field(name).text() + ';';
            return text;
        };
        for (const QString& table : ServerSchema::tables())
            QCOMPARE(dump(server, table), dump(db, table));
        // The next team follows the copied ones.
        QVERIFY(RecordCreator(server).addTeam() > team + 1);
    }

    void aCoachConnectsToTheStaffDatabase()
    {
        if (!TestProgramFolder::onServer())
            QSKIP("needs the test server");
        AppHarness h([](TrackFixture& f) { f.addTeam(QStringLiteral("Own Team")); });
        const QString staff = h.folder().trackDatabase(QStringLiteral("staff"));
        Connection c;
        c.open(Connection::connectionStringFor(staff));
        TrackFixture(c).addTeam(QStringLiteral("Staff Team"));
        const ServerAddress address = *ServerAddress::parse(staff);

        h.window().findChild<QAction*>(QStringLiteral("mnuConnectServer"))->trigger();
        auto* window = h.window().findChild<QWidget*>(QStringLiteral("connectServer"));
        QVERIFY(window && window->isVisible());
        for (const auto& [box, text] : {std::pair{"serverHost", address.host},
                                        {"serverPort", QStringLiteral("5432")},
                                        {"serverDatabase", QStringLiteral("nosuchdatabase")},
                                        {"serverUser", address.user},
                                        {"serverPassword", QStringLiteral("secret")}})
            AppHarness::typeOver(AppHarness::control<QLineEdit>(window, box), text);
        // A database that is not there: said, and the file stays open.
        AppHarness::press(window, QStringLiteral("connectButton"));
        QVERIFY(Dialogs::messages().last().contains("nosuchdatabase"));
        QVERIFY(!Dialogs::messages().join(' ').contains("secret"));
        QCOMPARE(AppHarness::texts(h.window().schoolList()), QStringList{"Own Team"});
        QCOMPARE(h.window().findChild<QLabel*>("statusDatabase")->text(), "Track.mdb");

        AppHarness::typeOver(AppHarness::control<QLineEdit>(window, "serverDatabase"),
                             address.database);
        AppHarness::press(window, QStringLiteral("connectButton"));
        QVERIFY(!window->isVisible());
        QCOMPARE(AppHarness::texts(h.window().schoolList()), QStringList{"Staff Team"});
        QCOMPARE(h.window().findChild<QLabel*>("statusDatabase")->text(), address.display());
        // What the settings keep has no password.
        QVERIFY(!h.app().databasePath().contains("secret"));
        QCOMPARE(h.app().databasePath(), address.display());
        // Backups of a server database are the server's tools' work.
        for (const char* action : {"mnuBackUp", "mnuRestore"}) {
            h.window().findChild<QAction*>(action)->trigger();
            QVERIFY(Dialogs::messages().last().contains("pg_dump"));
        }
        QVERIFY(!h.window().findChild<QWidget*>(QStringLiteral("restoreDatabase")));
    }
};

QTEST_MAIN(TwoCoachesTest)
#include "tst_two_coaches.moc"
