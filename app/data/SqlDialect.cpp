#include "SqlDialect.h"

#include <array>

namespace {

struct Twin
{
    const char* file;
    const char* server;
};

// By Statement. The file's text is the one every earlier version sent.
const std::array<Twin, 22> kStatements{{
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
    // BestSlotShortList. On the server the slots are read event by event from the index of
    // their marks (OFFSET 0 keeps the planner from scanning every slot of every type instead),
    // and only the forty best (ten relay teams) are joined to their meets.
    {"WITH c AS MATERIALIZED (SELECT s.Pin, s.Event_Pin, %2 AS Ranked FROM Events e JOIN "
     "Event_to_Runner s ON s.Event_Pin = e.Pin WHERE e.Type = ? AND (s.feet <> 0 OR s.Inches <> "
     "0) AND s.Aided = 0%1 ORDER BY Ranked NULLS LAST LIMIT 40) SELECT c.Pin AS JoinPin, "
     "c.Ranked, c.Ranked = (SELECT max(Ranked) FROM c) AND (SELECT count(*) FROM c) = 40 AS Cut "
     "FROM c JOIN Event_to_Meet em ON em.Event_Pin = c.Event_Pin JOIN Meets m ON m.Pin = "
     "em.Meet_Pin ORDER BY c.Ranked NULLS LAST, m.MeetTime DESC, c.Pin LIMIT 1",
     "WITH c AS MATERIALIZED (SELECT s.Pin, s.Event_Pin, %2 AS Ranked FROM Events e CROSS JOIN "
     "LATERAL (SELECT x.Pin, x.Event_Pin, x.Runner_Pin, x.feet, x.Inches, x.Timing FROM "
     "Event_to_Runner x WHERE x.Event_Pin = e.Pin AND (x.feet <> 0 OR x.Inches <> 0) AND "
     "x.Aided = 0 OFFSET 0) s WHERE e.Type = ?%1 ORDER BY Ranked NULLS LAST LIMIT 40) SELECT "
     "c.Pin AS JoinPin, c.Ranked, c.Ranked = (SELECT max(Ranked) FROM c) AND (SELECT count(*) "
     "FROM c) = 40 AS Cut FROM c JOIN Event_to_Meet em ON em.Event_Pin = c.Event_Pin JOIN Meets "
     "m ON m.Pin = em.Meet_Pin ORDER BY c.Ranked NULLS LAST, m.MeetTime COLLATE \"C\" DESC NULLS "
     "LAST, c.Pin LIMIT 1"},
    // BestSlotTied. The server cannot tell how few slots tie, and would otherwise join every
    // meet's events to them.
    {"WITH t AS MATERIALIZED (SELECT s.Pin, s.Event_Pin FROM Events e JOIN Event_to_Runner s ON "
     "s.Event_Pin = e.Pin WHERE e.Type = ? AND (s.feet <> 0 OR s.Inches <> 0) AND s.Aided = 0 AND "
     "%2 = ?%1) SELECT t.Pin AS JoinPin FROM t JOIN Event_to_Meet em ON em.Event_Pin = "
     "t.Event_Pin JOIN Meets m ON m.Pin = em.Meet_Pin ORDER BY m.MeetTime DESC, t.Pin LIMIT 1",
     "WITH t AS MATERIALIZED (SELECT s.Pin, s.Event_Pin FROM Events e CROSS JOIN LATERAL (SELECT "
     "x.Pin, x.Event_Pin, x.Runner_Pin, x.feet, x.Inches, x.Timing FROM Event_to_Runner x WHERE "
     "x.Event_Pin = e.Pin AND (x.feet <> 0 OR x.Inches <> 0) AND x.Aided = 0 OFFSET 0) s WHERE "
     "e.Type = ? AND %2 = ?%1) SELECT t.Pin AS JoinPin FROM t CROSS JOIN LATERAL (SELECT "
     "m.MeetTime FROM Event_to_Meet em JOIN Meets m ON m.Pin = em.Meet_Pin WHERE em.Event_Pin = "
     "t.Event_Pin OFFSET 0) w ORDER BY w.MeetTime COLLATE \"C\" DESC NULLS LAST, t.Pin LIMIT 1"},
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
