#include "SqlDialect.h"

#include <array>

namespace {

struct Twin
{
    const char* file;
    const char* server;
};

// By Statement. The file's text is the one every earlier version sent.
const std::array<Twin, 20> kStatements{{
    // Teams
    {"SELECT * From Teams", "SELECT * From Teams ORDER BY Pin"},
    // EventTypes
    {"SELECT * FROM EventType", "SELECT * FROM EventType ORDER BY Pin"},
    // TeamRunners
    {"SELECT * From Runners_View WHERE Team_Pin = %1",
     "SELECT * From Runners_View WHERE Team_Pin = %1 ORDER BY Pin"},
    // TeamMeetsList
    {"SELECT * From Meets_Info WHERE Team_Pin=%1",
     "SELECT * From Meets_Info WHERE Team_Pin=%1 ORDER BY Meet_Pin"},
    // IsoSeasons
    {"SELECT DISTINCT substr(MeetTime, 1, 4) AS Year FROM Meets WHERE MeetTime GLOB "
     "'[0-9][0-9][0-9][0-9]-*'",
     "SELECT DISTINCT substr(MeetTime, 1, 4) AS Year FROM Meets WHERE MeetTime ~ '^[0-9]{4}-'"},
    // OtherMeetDates
    {"SELECT DISTINCT MeetTime FROM Meets WHERE NOT (MeetTime GLOB '[0-9][0-9][0-9][0-9]-*')",
     "SELECT DISTINCT MeetTime FROM Meets WHERE NOT (MeetTime ~ '^[0-9]{4}-')"},
    // TeamRoster
    {"SELECT * FROM Runners_View WHERE Team_Pin=%1 ORDER BY Grade DESC, Name ASC",
     "SELECT * FROM Runners_View WHERE Team_Pin=%1 ORDER BY Grade DESC NULLS LAST, Name COLLATE "
     "\"C\" ASC NULLS FIRST, Pin"},
    // TeamMeets
    {"SELECT * FROM Meets_Info WHERE Team_Pin=%1 ORDER BY MeetTime",
     "SELECT * FROM Meets_Info WHERE Team_Pin=%1 ORDER BY MeetTime COLLATE \"C\" NULLS FIRST, "
     "Meet_Pin"},
    // RunnerResults
    {"SELECT * FROM Events_View WHERE Runner_Pin=%1 ORDER BY Type, MeetTime",
     "SELECT * FROM Events_View WHERE Runner_Pin=%1 ORDER BY Type NULLS FIRST, MeetTime COLLATE "
     "\"C\" NULLS FIRST, JoinPin"},
    // MeetPlaces
    {"SELECT * FROM Events_View WHERE Meet_Pin=%1 AND Type = %2 ORDER BY Place ASC",
     "SELECT * FROM Events_View WHERE Meet_Pin=%1 AND Type = %2 ORDER BY Place ASC NULLS FIRST, "
     "JoinPin"},
    // MeetRelay
    {"SELECT * FROM Events_View WHERE Meet_Pin=%1 AND Type = %2",
     "SELECT * FROM Events_View WHERE Meet_Pin=%1 AND Type = %2 ORDER BY JoinPin"},
    // TeamRanking
    {"SELECT * FROM Events_View WHERE Runner_Pin IN (SELECT Runner_Pin FROM Runner_to_Team "
     "WHERE Team_Pin = %1) AND Type=%2%3 ORDER BY %4",
     "SELECT * FROM Events_View WHERE Runner_Pin IN (SELECT Runner_Pin FROM Runner_to_Team "
     "WHERE Team_Pin = %1) AND Type=%2%3 ORDER BY %4, JoinPin"},
    // BestSlot
    {"SELECT s.Pin AS JoinPin FROM Event_to_Runner s JOIN Events e ON e.Pin = s.Event_Pin JOIN "
     "Event_to_Meet em ON em.Event_Pin = e.Pin JOIN Meets m ON m.Pin = em.Meet_Pin WHERE e.Type = "
     "? AND (s.feet <> 0 OR s.Inches <> 0) AND s.Aided = "
     "0%1 ORDER BY %2, m.MeetTime DESC, s.Pin LIMIT 1",
     "SELECT s.Pin AS JoinPin FROM Event_to_Runner s JOIN Events e ON e.Pin = s.Event_Pin JOIN "
     "Event_to_Meet em ON em.Event_Pin = e.Pin JOIN Meets m ON m.Pin = em.Meet_Pin WHERE e.Type = "
     "? AND (s.feet <> 0 OR s.Inches <> 0) AND s.Aided = "
     "0%1 ORDER BY %2, m.MeetTime COLLATE \"C\" DESC NULLS LAST, s.Pin LIMIT 1"},
    // RosterExport
    {"SELECT Runners.* FROM Runners JOIN Runner_to_Team ON Runner_to_Team.Runner_Pin = "
     "Runners.Pin WHERE Runner_to_Team.Team_Pin = %1 ORDER BY Runners.Name",
     "SELECT Runners.* FROM Runners JOIN Runner_to_Team ON Runner_to_Team.Runner_Pin = "
     "Runners.Pin WHERE Runner_to_Team.Team_Pin = %1 ORDER BY Runners.Name COLLATE \"C\" NULLS "
     "FIRST, Runner_to_Team.Pin"},
    // BaseTables
    {"SELECT name FROM sqlite_master WHERE type = 'table'",
     "SELECT table_name AS name FROM information_schema.tables WHERE table_schema = "
     "current_schema() AND table_type = 'BASE TABLE'"},
    // TeamSave
    {"UPDATE Teams Set School='%1',Coach='%2',ContactNo='%3',Mascot='%4' WHERE Pin=%5",
     "UPDATE Teams SET School = ?, Coach = ?, ContactNo = ?, Mascot = ? WHERE Pin = ?"},
    // RunnerSave
    {"UPDATE Runners Set Name='%1',PhoneNumber='%2', Address='%3', Grade=%4 WHERE Pin=%5",
     "UPDATE Runners SET Name = ?, PhoneNumber = ?, Address = ?, Grade = ? WHERE Pin = ?"},
    // MeetWeather
    {"UPDATE Meets SET Weather = '%1' WHERE PIN = %2",
     "UPDATE Meets SET Weather = ? WHERE Pin = ?"},
    // MeetTime
    {"UPDATE Meets SET MeetTime = '%1' WHERE PIN = %2",
     "UPDATE Meets SET MeetTime = ? WHERE Pin = ?"},
    // MeetPlace
    {"UPDATE Meets Set Place='%1' WHERE PIN = %2", "UPDATE Meets SET Place = ? WHERE Pin = ?"},
}};

static_assert(kStatements.size() == size_t(SqlDialect::Statement::MeetPlace) + 1);

} // namespace

QString SqlDialect::text(Statement statement, Engine engine)
{
    const Twin& twin = kStatements[size_t(statement)];
    return QString::fromLatin1(engine == Engine::File ? twin.file : twin.server);
}

QString SqlDialect::beginWrite(Engine engine)
{
    return engine == Engine::File ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN");
}

QString SqlDialect::tableNames(Engine engine)
{
    return engine == Engine::File
               ? QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table','view')")
               : QStringLiteral("SELECT table_name AS name FROM information_schema.tables "
                                "WHERE table_schema = current_schema()");
}

QString SqlDialect::readVersion(Engine engine)
{
    return engine == Engine::File
               ? QStringLiteral("PRAGMA user_version")
               : QStringLiteral("SELECT max(Version) AS user_version FROM Cindrel_Schema");
}

QString SqlDialect::writeVersion(Engine engine, int version)
{
    return engine == Engine::File
               ? QStringLiteral("PRAGMA user_version = %1").arg(version)
               : QStringLiteral("UPDATE Cindrel_Schema SET Version = %1").arg(version);
}

QString SqlDialect::insertReturningKey(Engine engine, const QString& insert)
{
    return givesKeyAsRow(engine) ? insert + QStringLiteral(" RETURNING Pin") : insert;
}
