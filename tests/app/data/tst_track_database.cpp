// The data layer against real copies of the shipped empty database.
#include "data/Connection.h"
#include "data/DatabaseBackup.h"
#include "data/DatabaseError.h"
#include "data/NamedStatement.h"
#include "data/RecordSet.h"
#include "data/SchemaVersion.h"
#include "data/SqlText.h"
#include "support/TestProgramFolder.h"
#include "support/TrackFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

class TrackDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_db = std::make_unique<Connection>();
        m_db->open(Connection::connectionStringFor(m_folder->trackDatabase("track.mdb")));
    }
    void cleanup()
    {
        m_db.reset();
        m_folder.reset();
    }

    void templateHoldsTheSeventeenEventTypes()
    {
        RecordSet rs(QStringLiteral("SELECT * FROM EventType ORDER BY Pin"), *m_db);
        int n = 0;
        for (; !rs.eof(); rs.moveNext()) {
            ++n;
            QCOMPARE(rs.field("Pin").toInt(), n);
            QCOMPARE(rs.field("isRelay").toBool(), n >= 14);
            QVERIFY(!rs.field("Name").text().isEmpty());
        }
        QCOMPARE(n, 17);
        for (const char* table : {"Teams", "Runners", "Meets", "Events", "Runner_to_Team",
                                  "Meet_to_Team", "Event_to_Meet", "Event_to_Runner"}) {
            TrackFixture f(*m_db);
            QCOMPARE(f.count(QStringLiteral("SELECT count(*) FROM ") + table), 0);
        }
    }

    void quotedTextReachesTheDatabaseIntact()
    {
        const QString school = QStringLiteral("St. Mary's 100% {JV} \\ \"Knights\"");
        m_db->execute(QStringLiteral("INSERT INTO Teams (School) VALUES ('") +
                      escapeSqlText(school) + QStringLiteral("')"));
        RecordSet rs(QStringLiteral("SELECT * FROM Teams"), *m_db);
        QCOMPARE(rs.field("School").text(), school);
        // Saving the stored text again stores the same text.
        m_db->execute(QStringLiteral("UPDATE Teams SET School='") +
                      escapeSqlText(rs.field("School").text()) + QStringLiteral("'"));
        rs.open(QStringLiteral("SELECT * FROM Teams"), *m_db);
        QCOMPARE(rs.field("School").text(), school);
        QCOMPARE(escapeSqlText(QStringLiteral("O'Brien's")), QStringLiteral("O''Brien''s"));

        // A save of typed text: the file gets the text it always got, the server binds; what
        // was typed arrives as typed, "%5" too, and an empty box is empty text, not NULL.
        const QString coach = QStringLiteral("Coach %5 O'Neil");
        NamedStatement::execute(*m_db, SqlDialect::Statement::TeamSave,
                                {school, coach, QString(), QString(), rs.field("Pin").toInt()});
        rs.open(QStringLiteral("SELECT * FROM Teams"), *m_db);
        QCOMPARE(rs.field("Coach").text(), coach);
        QVERIFY(!rs.field("ContactNo").isNull());
        QCOMPARE(NamedStatement::filled(
                     SqlDialect::text(SqlDialect::Statement::RunnerSave, SqlDialect::Engine::File),
                     {"a'b", "%2", QString(), QVariant(), 7}),
                 QStringLiteral("UPDATE Runners Set Name='a''b',PhoneNumber='%2', Address='', "
                                "Grade=NULL WHERE Pin=7"));
    }

    void newRowsTakeTheColumnDefaults()
    {
        m_db->execute(QStringLiteral("INSERT INTO Teams (School) VALUES ('New Team')"));
        m_db->execute(QStringLiteral("INSERT INTO Runners (Name) VALUES ('Last,First')"));
        m_db->execute(QStringLiteral("INSERT INTO Meets (Weather) VALUES ('New Meet')"));
        m_db->execute(
            QStringLiteral("INSERT INTO Event_to_Runner (Event_Pin,Runner_Pin) VALUES (1,0)"));
        RecordSet team(QStringLiteral("SELECT * FROM Teams"), *m_db);
        for (const char* c : {"Coach", "ContactNo", "Mascot"}) {
            QVERIFY(!team.field(c).isNull());
            QCOMPARE(team.field(c).text(), QString());
        }
        RecordSet runner(QStringLiteral("SELECT * FROM Runners"), *m_db);
        QVERIFY(!runner.field("PhoneNumber").isNull());
        QVERIFY(!runner.field("Address").isNull());
        QVERIFY(runner.field("Grade").isNull());
        RecordSet meet(QStringLiteral("SELECT * FROM Meets"), *m_db);
        QVERIFY(!meet.field("Place").isNull());
        QVERIFY(meet.field("MeetTime").isNull());
        QVERIFY(meet.field("HostingTeam").isNull());
        RecordSet slot(QStringLiteral("SELECT * FROM Event_to_Runner"), *m_db);
        for (const char* c : {"Place", "Points", "feet", "Inches", "Minutes", "Seconds"})
            QCOMPARE(slot.field(c).text(), QStringLiteral("0"));
    }

    void fieldsAreFoundWithoutRegardToCaseAndNullsStayNull()
    {
        TrackFixture f(*m_db);
        const qint64 team = f.addTeam("Central");
        f.addRunner("Smith,Ann", team);
        RecordSet rs(QStringLiteral("SELECT * From Runners_View WHERE Team_Pin = %1").arg(team),
                     *m_db);
        QCOMPARE(rs.field("runner_pin").toInt(), rs.field("Runner_Pin").toInt());
        QCOMPARE(rs.field("NAME").text(), QStringLiteral("Smith,Ann"));
        QVERIFY(rs.field("grade").isNull());
        QCOMPARE(rs.field("grade").text(), QString());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, rs.field("NoSuchColumn"));
        rs.moveNext();
        QVERIFY(rs.eof());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, rs.field("Name"));

        RecordSet empty(QStringLiteral("SELECT * FROM Teams WHERE Pin = 999"), *m_db);
        QVERIFY(empty.eof());
    }

    void numbersAndDatesReadAsTheWindowsShowThem()
    {
        TrackFixture f(*m_db);
        const qint64 team = f.addTeam("Central");
        const qint64 morning = f.addMeet(team, "2026-04-11");
        const qint64 evening = f.addMeet(team, "2026-04-11 18:30:00");
        f.fillSlot(f.slotPins(morning, 1).first(), 0, 0, 11.42, 1, 10);

        RecordSet rs(QStringLiteral("SELECT * FROM Meets_Info WHERE Meet_Pin=%1").arg(morning),
                     *m_db);
        QCOMPARE(rs.field("MeetTime").kind(), Field::Kind::Date);
        QCOMPARE(rs.field("MeetTime").text(), QStringLiteral("4/11/2026"));
        rs.open(QStringLiteral("SELECT * FROM Meets_Info WHERE Meet_Pin=%1").arg(evening), *m_db);
        QCOMPARE(rs.field("MeetTime").text(), QStringLiteral("4/11/2026 6:30 PM"));

        rs.open(QStringLiteral(
                    "SELECT * FROM Events_View WHERE Meet_Pin=%1 AND Type=1 ORDER BY JoinPin")
                    .arg(morning),
                *m_db);
        QCOMPARE(rs.field("Measure2").text(), QStringLiteral("11.42"));
        QCOMPARE(rs.field("Measure1").text(), QStringLiteral("0"));
        QCOMPARE(rs.field("Place").text(), QStringLiteral("1"));
        QCOMPARE(rs.field("Points").text(), QStringLiteral("10"));
    }

    void meetTimeSortsChronologically()
    {
        TrackFixture f(*m_db);
        const qint64 team = f.addTeam("Central");
        f.addMeet(team, "2026-10-02");
        f.addMeet(team, "2025-12-30");
        f.addMeet(team, "2026-02-15");
        RecordSet rs(QStringLiteral("SELECT * FROM Meets_Info WHERE Team_Pin=%1 ORDER BY MeetTime")
                         .arg(team),
                     *m_db);
        QStringList dates;
        for (; !rs.eof(); rs.moveNext())
            dates << rs.field("MeetTime").text();
        QCOMPARE(dates, QStringList({"12/30/2025", "2/15/2026", "10/2/2026"}));
    }

    void viewsHaveEveryColumnTheProgramReads()
    {
        const QMap<QString, QStringList> columns{
            {"Runners_View",
             {"Pin", "Runner_Pin", "Team_Pin", "Name", "PhoneNumber", "Address", "Grade",
              "School"}},
            {"Meets_Info",
             {"Meet_Pin", "Team_Pin", "MeetTime", "Weather", "Place", "HostingPin",
              "HostingSchool"}},
            {"Events_View",
             {"JoinPin", "event_Pin", "Type", "EventName", "isRelay", "Runner_Pin", "Runners_Name",
              "Meet_Pin", "MeetTime", "HostingSchool", "Measure1", "Measure2", "MeasureTime",
              "Place", "Points"}},
        };
        for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
            RecordSet rs(QStringLiteral("SELECT * FROM ") + it.key(), *m_db);
            for (const QString& c : it.value())
                QVERIFY2(rs.hasField(c), qPrintable(it.key() + '.' + c));
        }
    }

    void viewsJoinHostsRunnersAndTeams()
    {
        TrackFixture f(*m_db);
        const qint64 central = f.addTeam("Central");
        const qint64 north = f.addTeam("North");
        const qint64 ann = f.addRunner("Smith,Ann", central, "555-0101", "1 Elm St", 11);
        f.addRunner("Jones,Bo", north);
        const qint64 hosted = f.addMeet(central, "2026-04-11", north, "North Field");
        const qint64 unhosted = f.addMeet(central, "2026-04-18");
        // A meet shared by both teams appears once per team.
        m_db->execute(QStringLiteral("INSERT INTO Meet_to_Team (Meet_Pin, Team_Pin) VALUES (%1,%2)")
                          .arg(hosted)
                          .arg(north));

        RecordSet runners(
            QStringLiteral("SELECT * FROM Runners_View WHERE Team_Pin = %1").arg(central), *m_db);
        QCOMPARE(runners.rowCount(), 1);
        QCOMPARE(runners.field("Pin").toInt(), ann);
        QCOMPARE(runners.field("School").text(), QStringLiteral("Central"));
        QCOMPARE(runners.field("Grade").text(), QStringLiteral("11"));

        RecordSet meets(QStringLiteral("SELECT * FROM Meets_Info WHERE Meet_Pin=%1").arg(hosted),
                        *m_db);
        QCOMPARE(meets.rowCount(), 2);
        QCOMPARE(meets.field("HostingSchool").text(), QStringLiteral("North"));
        QCOMPARE(meets.field("HostingPin").toInt(), north);
        meets.open(QStringLiteral("SELECT * FROM Meets_Info WHERE Meet_Pin=%1").arg(unhosted),
                   *m_db);
        QCOMPARE(meets.rowCount(), 1);
        QVERIFY(meets.field("HostingSchool").isNull());
        meets.open(QStringLiteral("SELECT * FROM Meets_Info WHERE Team_Pin=%1").arg(north), *m_db);
        QCOMPARE(meets.rowCount(), 1);

        RecordSet sheet(QStringLiteral("SELECT * FROM Events_View WHERE Meet_Pin=%1").arg(unhosted),
                        *m_db);
        QCOMPARE(sheet.rowCount(), 13 * 2 + 4 * 4);
        QVERIFY(sheet.field("Runners_Name").isNull());
        QCOMPARE(sheet.field("Runner_Pin").toInt(), 0);
        QVERIFY(sheet.field("HostingSchool").isNull());

        f.fillSlot(f.slotPins(hosted, 12).first(), ann, 41, 6.5, 2, 8);
        sheet.open(QStringLiteral("SELECT * FROM Events_View WHERE Runner_Pin=%1").arg(ann), *m_db);
        QCOMPARE(sheet.rowCount(), 1);
        QCOMPARE(sheet.field("Runners_Name").text(), QStringLiteral("Smith,Ann"));
        QCOMPARE(sheet.field("EventName").text(), QStringLiteral("Shot Put"));
        QCOMPARE(sheet.field("HostingSchool").text(), QStringLiteral("North"));
        QCOMPARE(sheet.field("Type").toInt(), 12);
        QCOMPARE(sheet.field("Meet_Pin").toInt(), hosted);
    }

    void marksReadTheWayTrackPeopleWriteThem_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<QString>("mark");
        QTest::newRow("sprint") << 1 << 0.0 << 11.42 << "11.42";
        QTest::newRow("whole seconds") << 1 << 0.0 << 12.0 << "12.00";
        QTest::newRow("mile") << 5 << 4.0 << 35.2 << "4:35.20";
        QTest::newRow("seconds past a minute") << 3 << 0.0 << 75.3 << "1:15.30";
        QTest::newRow("relay") << 14 << 0.0 << 43.5 << "43.50";
        QTest::newRow("shot put") << 12 << 41.0 << 6.5 << "41-06.50";
        QTest::newRow("high jump") << 8 << 5.0 << 10.0 << "5-10";
        QTest::newRow("inches past a foot") << 9 << 18.0 << 14.0 << "19-02";
        QTest::newRow("no mark") << 12 << 0.0 << 0.0 << "";
    }
    void marksReadTheWayTrackPeopleWriteThem()
    {
        QFETCH(int, type);
        QFETCH(double, first);
        QFETCH(double, second);
        QFETCH(QString, mark);
        TrackFixture f(*m_db);
        const qint64 meet = f.addMeet(f.addTeam("Central"), "2026-04-11");
        const qint64 slot = f.slotPins(meet, type).first();
        f.fillSlot(slot, 0, first, second);
        RecordSet rs(QStringLiteral("SELECT * FROM Events_View WHERE JoinPin=%1").arg(slot), *m_db);
        QCOMPARE(rs.field("MeasureTime").text(), mark);
        QCOMPARE(rs.field("Measure1").toDouble(), first);
        QCOMPARE(rs.field("Measure2").toDouble(), second);
    }

    void listKeysGiveThePinBack()
    {
        QCOMPARE(pinKey(12), QStringLiteral("Pin12"));
        QCOMPARE(pinFromKey(QStringLiteral("Pin7")), 7);
        QCOMPARE(pinFromKey(QStringLiteral("Pin17")), 17);
        QCOMPARE(pinFromKey(QStringLiteral("PinPin3")), 3);
        QCOMPARE(pinFromKey(QString()), 0);
        QCOMPARE(pinFromKey(QStringLiteral("Pinx")), 0);
    }

    void aMissingFileIsAnErrorAndIsNotCreated()
    {
        const QString missing = m_folder->file("nowhere.mdb");
        Connection c;
        try {
            c.open(Connection::connectionStringFor(missing));
            QFAIL("opened a missing file");
        } catch (const DatabaseError& e) {
            QVERIFY(e.message().contains(missing));
        }
        QVERIFY(!QFileInfo::exists(missing));
        QVERIFY(!c.isOpen());
    }

    void aFileThatIsNoTrackDatabaseIsAnError()
    {
        const QString text = m_folder->file("notes.mdb");
        QFile f(text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.close();
        Connection c;
        QVERIFY_THROWS_EXCEPTION(DatabaseError, c.open(Connection::connectionStringFor(text)));
        QVERIFY(!c.isOpen());

        // A database of some other program is not a track database either.
        const QString other = m_folder->file("other.mdb");
        {
            Connection maker;
            QFile::copy(m_folder->blankDatabase(), other);
            QFile::setPermissions(other, QFile::ReadOwner | QFile::WriteOwner);
            maker.open(Connection::connectionStringFor(other));
            maker.execute("DROP VIEW Events_View");
        }
        try {
            c.open(Connection::connectionStringFor(other));
            QFAIL("opened a database without the track views");
        } catch (const DatabaseError& e) {
            QVERIFY(e.message().contains("not a Cindrel database"));
        }
    }

    void aRefusedStatementIsAnError()
    {
        try {
            m_db->execute(QStringLiteral("UPDATE Teams SET School = 'x' WHERE"));
            QFAIL("a broken statement passed");
        } catch (const DatabaseError& e) {
            QVERIFY(!e.message().isEmpty());
            QCOMPARE(e.statement(), QStringLiteral("UPDATE Teams SET School = 'x' WHERE"));
        }
    }

    void aUnitOfWorkAppliesWholeOrNotAtAll()
    {
        TrackFixture f(*m_db);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, m_db->transaction([&] {
            m_db->execute("INSERT INTO Teams (School) VALUES ('A')");
            m_db->transaction([&] { m_db->execute("INSERT INTO Teams (School) VALUES ('B')"); });
            m_db->execute("INSERT INTO NoSuchTable VALUES (1)");
        }));
        QCOMPARE(f.count("SELECT count(*) FROM Teams"), 0);
        QVERIFY(!m_db->inTransaction());

        m_db->transaction([&] {
            m_db->execute("INSERT INTO Teams (School) VALUES ('A')");
            m_db->execute("INSERT INTO Teams (School) VALUES ('B')");
        });
        QCOMPARE(f.count("SELECT count(*) FROM Teams"), 2);

        // What one unit applied is seen by a second connection to the same file.
        Connection other;
        other.open(Connection::connectionStringFor(m_db->path()));
        RecordSet rs("SELECT count(*) AS n FROM Teams", other);
        QCOMPARE(rs.field("n").toInt(), 2);
    }

    // A bound statement is prepared once and sent again with new values each time, a NULL
    // after a value and a value after a NULL; after a unit of work that failed, it still works.
    void aStatementSentAgainTakesItsNewValues()
    {
        TrackFixture f(*m_db);
        const qint64 team = f.addTeam("T");
        const qint64 a = f.addRunner("A, A", team), b = f.addRunner("B, B", team);
        const QString set =
            QStringLiteral("UPDATE Runners SET Grade = ?, Address = ? WHERE Pin = ?");
        auto rows = [&] {
            RecordSet rs("SELECT Grade, Address FROM Runners ORDER BY Pin", *m_db);
            QStringList out;
            for (; !rs.eof(); rs.moveNext())
                out << rs.field("Grade").text() + '|' + rs.field("Address").text();
            return out;
        };
        m_db->execute(set, {10, "1 Elm", a});
        m_db->execute(set, {QVariant(QMetaType(QMetaType::Int)), QString(), b});
        QCOMPARE(rows(), QStringList({"10|1 Elm", "|"}));
        m_db->execute(set, {12, "2 Oak", b});
        QVERIFY_THROWS_EXCEPTION(DatabaseError, m_db->transaction([&] {
            m_db->execute(set, {9, "x", a});
            m_db->execute("INSERT INTO NoSuchTable VALUES (?)", {1});
        }));
        m_db->execute(set, {11, "3 Ash", a});
        QCOMPARE(rows(), QStringList({"11|3 Ash", "12|2 Oak"}));
    }

    // A file of the first schema, made from Blank.sql as the program's first version made
    // Blank.mdb, with a team and a runner in it.
    void anOlderFileIsBroughtUpToDateOnce()
    {
        if (TestProgramFolder::onServer())
            QSKIP("a file's own");
        const QString path = m_folder->path() + QStringLiteral("/old.mdb");
        QProcess sqlite;
        sqlite.start("sqlite3", {"-bail", path, ".read " CINDREL_TEMPLATES "/Blank.sql",
                                 "INSERT INTO Teams (School) VALUES ('Central')",
                                 "INSERT INTO Runners (Name, Grade) VALUES ('Adams, Ann', 11)"});
        QVERIFY(sqlite.waitForFinished() && sqlite.exitCode() == 0);
        QFile original(path);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray before = original.readAll();
        original.close();

        Connection db;
        db.open(Connection::connectionStringFor(path));
        QCOMPARE(SchemaVersion::of(db), SchemaVersion::current());
        RecordSet runner("SELECT Name, Grade, ClassOf FROM Runners", db);
        QCOMPARE(runner.field("Name").text() + ' ' + runner.field("Grade").text(), "Adams, Ann 11");
        QVERIFY(runner.field("ClassOf").isNull());
        const QStringList backups =
            QDir(m_folder->path()).entryList({"old.mdb.bak-*"}, QDir::Files);
        QCOMPARE(backups,
                 QStringList({"old.mdb.bak-" + QDate::currentDate().toString(Qt::ISODate)}));
        QFile copy(m_folder->path() + '/' + backups.first());
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QVERIFY(copy.readAll() == before);

        // Opened again, nothing is left to do.
        db.close();
        db.open(Connection::connectionStringFor(path));
        QCOMPARE(QDir(m_folder->path()).entryList({"old.mdb.bak-*"}, QDir::Files), backups);
        QCOMPARE(SchemaVersion::upgrade(db), SchemaVersion::State::Current);
    }

    void aFileOfALaterProgramIsOnlyRead()
    {
        m_db->execute(SqlDialect::writeVersion(m_db->engine(), SchemaVersion::current() + 1));
        Connection db;
        db.open(Connection::connectionStringFor(m_db->path()));
        QVERIFY(db.readOnly());
        QCOMPARE(RecordSet("SELECT count(*) AS n FROM EventType", db).field("n").toInt(), 17);
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 db.execute("INSERT INTO Teams (School) VALUES ('A')"));
        QVERIFY(QDir(m_folder->path()).entryList({"*.bak-*"}, QDir::Files).isEmpty());
    }

    void backupsAreWholeCopiesAndTheNewestTenStay()
    {
        if (TestProgramFolder::onServer())
            QSKIP("a file's own");
        TrackFixture f(*m_db);
        f.addTeam("Central");
        const QString copy = m_folder->path() + "/copy.mdb";
        DatabaseBackup::writeTo(*m_db, copy);
        Connection back;
        back.open(Connection::connectionStringFor(copy));
        QCOMPARE(RecordSet("SELECT School FROM Teams", back).field("School").text(), "Central");
        back.close();
        // Nowhere to write: said, and nothing left behind.
        const QString nowhere = m_folder->path() + "/no such folder/copy.mdb";
        QVERIFY_THROWS_EXCEPTION(DatabaseError, DatabaseBackup::writeTo(*m_db, nowhere));
        QVERIFY(!QFileInfo::exists(nowhere + ".partial"));
        // One copy a start; the eleventh start lets the oldest go.
        const QDateTime start(QDate(2026, 4, 1), QTime(7, 0));
        for (int i = 0; i < 11; ++i)
            DatabaseBackup::keepAtStart(*m_db, start.addDays(i));
        const QStringList kept = DatabaseBackup::kept(m_db->path());
        QCOMPARE(kept.size(), 10);
        QVERIFY(kept.first().endsWith("/backups/track-20260411-070000.mdb"));
        QVERIFY(kept.last().endsWith("/backups/track-20260402-070000.mdb"));
    }

    void aRestoredCopyTakesThePlaceOfTheDatabaseWhichIsKept()
    {
        if (TestProgramFolder::onServer())
            QSKIP("a file's own");
        TrackFixture f(*m_db);
        f.addTeam("Central");
        const QDateTime start(QDate(2026, 4, 1), QTime(7, 0));
        const QString copy = DatabaseBackup::keepAtStart(*m_db, start);
        f.addTeam("North");
        const DatabaseBackup::Summary summary = DatabaseBackup::summary(copy);
        QCOMPARE(summary.taken, start);
        QCOMPARE(QList<qint64>({summary.teams, summary.runners, summary.meets}),
                 QList<qint64>({1, 0, 0}));

        // Neither a file that is no database nor the database itself is restored; nothing
        // changes.
        const QString text = m_folder->path() + "/notes.mdb";
        QFile notes(text);
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("not a database"));
        notes.close();
        for (const QString& wrong : {text, m_db->path()})
            QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                     DatabaseBackup::restore(*m_db, wrong, start.addDays(1)));
        QCOMPARE(DatabaseBackup::kept(m_db->path()), QStringList{copy});
        QCOMPARE(f.count("SELECT count(*) FROM Teams"), 2);

        const QString kept = DatabaseBackup::restore(*m_db, copy, start.addDays(1));
        QVERIFY(m_db->isOpen());
        QCOMPARE(RecordSet("SELECT School FROM Teams", *m_db).field("School").text(), "Central");
        QCOMPARE(f.count("SELECT count(*) FROM Teams"), 1);
        QVERIFY(kept.endsWith("/backups/track-20260402-070000.mdb"));
        QCOMPARE(DatabaseBackup::summary(kept).teams, 2);
        QVERIFY(QDir(m_folder->path()).entryList({"*.restoring"}).isEmpty());
    }

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<Connection> m_db;
};

QTEST_GUILESS_MAIN(TrackDatabaseTest)
#include "tst_track_database.moc"
