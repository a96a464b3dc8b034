// Rights per coach on the staff's server: a role given read rights gets the database read-only
// and changes no row by any path; one given write rights changes rows; only the owner gives
// rights and brings the database up to date.
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/RecordSet.h"
#include "data/SchemaVersion.h"
#include "data/ServerAddress.h"
#include "data/ServerRights.h"
#include "records/MeetSheet.h"
#include "records/RunnerRecord.h"
#include "support/TestProgramFolder.h"
#include "support/TrackFixture.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

class ServerRightsTest : public QObject
{
    Q_OBJECT

    QString m_address;
    Connection m_owner;
    qint64 m_team = 0, m_runner = 0, m_meet = 0;

    static QString role(const char* kind)
    {
        return QStringLiteral("cindrel_%1_%2")
            .arg(QLatin1String(kind))
            .arg(QCoreApplication::applicationPid());
    }
    QString as(const QString& user) const
    {
        ServerAddress address = *ServerAddress::parse(m_address);
        address.user = user;
        return address.text();
    }
    QString everything()
    {
        QString text;
        for (const char* table : {"Teams", "Runners", "Meets", "Events", "Event_to_Runner"})
            for (RecordSet rs(QStringLiteral("SELECT * FROM %1 ORDER BY Pin").arg(table), m_owner);
                 !rs.eof(); rs.moveNext())
                for (const QString& name : rs.fieldNames())
                    text += rs.field(name).text() + QLatin1Char('|');
        return text;
    }
    // The message of what `write` throws; empty when it throws nothing.
    static QString refusal(const std::function<void()>& write)
    {
        try {
            write();
        } catch (const DatabaseError& e) {
            return e.message();
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        m_address = TestProgramFolder::serverTrackDatabase();
        m_owner.open(Connection::connectionStringFor(m_address));
        TrackFixture f(m_owner);
        m_team = f.addTeam(QStringLiteral("Central"));
        m_runner = f.addRunner(QStringLiteral("Adams, Ann"), m_team);
        m_meet = f.addMeet(m_team, QStringLiteral("2026-04-11"));
        for (const char* kind : {"read", "write"}) {
            m_owner.execute(QStringLiteral("CREATE ROLE %1 LOGIN").arg(role(kind)));
            ServerRights::grant(m_address, role(kind),
                                *kind == 'r' ? ServerRights::Right::Read
                                             : ServerRights::Right::Write);
        }
    }
    void cleanupTestCase()
    {
        for (const char* kind : {"read", "write"})
            m_owner.execute(QStringLiteral("DROP OWNED BY %1; DROP ROLE %1").arg(role(kind)));
    }

    void aReadRoleGetsTheDatabaseReadOnlyAndChangesNothing()
    {
        Connection db;
        db.open(Connection::connectionStringFor(as(role("read"))));
        QVERIFY(db.readOnly());
        QCOMPARE(RunnerRecord::load(db, m_runner)->team, std::optional<qint64>(m_team));
        const QString before = everything();

        MeetSheet sheet = *MeetSheet::load(db, m_meet);
        sheet.weather = QStringLiteral("Rain");
        RunnerRecord runner = *RunnerRecord::load(db, m_runner);
        runner.grade = 11;
        for (const QString& message :
             {refusal([&] { sheet.save(db, QStringLiteral("Assistant")); }),
              refusal([&] { runner.save(db); }),
              refusal([&] { db.execute(QStringLiteral("DELETE FROM Runners")); })})
            QVERIFY2(message.startsWith(QLatin1String("This database is open for reading only")),
                     qPrintable(message));

        // The one command that writes rows.
        QTemporaryDir dir;
        QFile results(dir.filePath(QStringLiteral("results.csv")));
        QVERIFY(results.open(QIODevice::WriteOnly));
        results.write("Event,Gender,Place,Last,First,Grade,Team,Mark\n"
                      "100 Meter Dash,F,1,Adams,Ann,11,Central,12.41\n");
        results.close();
        QProcess program;
        program.start(QStringLiteral(CINDREL_PROGRAM),
                      {QStringLiteral("--import-results"), results.fileName(),
                       QStringLiteral("--team"), QString::number(m_team),
                       QStringLiteral("--new-meet"), QStringLiteral("--yes"),
                       QStringLiteral("--database"), as(role("read"))});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(everything(), before);
    }

    void aWriteRoleChangesRowsButGivesNoRights()
    {
        Connection db;
        db.open(Connection::connectionStringFor(as(role("write"))));
        QVERIFY(!db.readOnly());
        MeetSheet sheet = *MeetSheet::load(db, m_meet);
        sheet.weather = QStringLiteral("Rain");
        sheet.save(db, QStringLiteral("Assistant"));
        QCOMPARE(MeetSheet::load(m_owner, m_meet)->weather, QStringLiteral("Rain"));
        const QString refused = refusal([&] {
            ServerRights::grant(as(role("write")), role("read"), ServerRights::Right::Write);
        });
        QVERIFY2(refused.startsWith(QLatin1String("Only the owner")), qPrintable(refused));
    }

    // A database of an older version: a coach who does not own it is sent to the owner, and
    // the owner's "no" leaves it as it is.
    void onlyTheOwnerBringsTheDatabaseUpToDateAfterAYes()
    {
        const QString version =
            SqlDialect::writeVersion(SqlDialect::Engine::Server, SchemaVersion::current());
        m_owner.execute(
            SqlDialect::writeVersion(SqlDialect::Engine::Server, SchemaVersion::current() - 1));
        for (const char* kind : {"read", "write"}) {
            const QString refused = refusal([&] {
                Connection db;
                db.open(Connection::connectionStringFor(as(role(kind))), [] { return true; });
            });
            QVERIFY2(refused.contains(QLatin1String("Ask its owner")), qPrintable(refused));
        }
        bool asked = false;
        const QString declined = refusal([&] {
            Connection db;
            db.open(Connection::connectionStringFor(m_address), [&] { return !(asked = true); });
        });
        QVERIFY(asked);
        QVERIFY2(declined.contains(QLatin1String("was left as it is")), qPrintable(declined));
        QCOMPARE(SchemaVersion::of(m_owner), SchemaVersion::current() - 1);
        m_owner.execute(version);
    }
};

QTEST_MAIN(ServerRightsTest)
#include "tst_server_rights.moc"
