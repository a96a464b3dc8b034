#pragma once

#include <QString>

// The statements that differ between the two places a track database can live: a file
// (SQLite) or a database on a PostgreSQL server, each handed out whole. Everything else the
// program sends is the same text on both, because the server's schema keeps the file's
// tables, columns and views: MeetTime is ISO text on both, isRelay a number, 0 or 1.
//
// Where a file's statement orders its rows, the server's twin orders them as the file does,
// so that every list and report prints the same from both:
//   an empty value (NULL) comes first going up and last going down, as SQLite sorts it, where
//   PostgreSQL does the opposite;
//   text goes by its characters' codes (COLLATE "C"), as SQLite compares it, not by the
//   server's language, which would put "adam" between "Abby" and "Bea";
//   rows the ORDER BY leaves tied, and rows of a statement that has none, come in the order
//   they were made, as a file gives them; a server must be asked to.
// Some statements have slots ("%1" ...) for the numbers and conditions of one use; fill them
// with one QString::arg() call of several arguments, as a condition may hold a "%".
class SqlDialect
{
public:
    enum class Engine
    {
        File,
        Server,
    };

    enum class Statement
    {
        // The lists of the main window, in the order their rows were made.
        Teams,
        EventTypes,
        // A team's runners and meets: %1 the team.
        TeamRunners,
        TeamMeetsList,
        // The seasons: the years of ISO dates, and the dates of other forms an older file has.
        IsoSeasons,
        OtherMeetDates,
        // A team report: its roster by grade, highest first, then by name; its meets by date.
        // %1 the team.
        TeamRoster,
        TeamMeets,
        // A runner report's results, by event type, then by date: %1 the runner.
        RunnerResults,
        // An individual event of a one-division meet's sheet by place, and a relay's slots:
        // %1 the meet, %2 the event type.
        MeetPlaces,
        MeetRelay,
        // An event report's ranking: %1 the team, %2 the event type, %3 further conditions
        // (" AND ..."), %4 the order of the marks, best first.
        TeamRanking,
        // The best slot of an event type with a mark, whether or not its runner is still
        // there: %1 further conditions, %2 the order of the marks.
        BestSlot,
        // The same among the forty best marks whatever their meets, for a click on an event
        // without a season: %1 further conditions on the slot s, %2 its rank (lower is better).
        // Cut is true when a mark tied with the one found may lie beyond the forty; no row
        // comes when none of the forty has a meet, and BestSlot answers.
        BestSlotShortList,
        // Then, when Cut, the latest of every slot whose rank %2 is the one bound after the type.
        BestSlotTied,
        // A roster to export: every runner of team %1, by name.
        RosterExport,
        // The server's tables without its views (a server only).
        BaseTables,
        // The saves of what the coach typed (see NamedStatement), each with its values:
        // a team's school, coach, contact number, mascot and Pin;
        TeamSave,
        // a runner's name, phone number, address, grade (nothing for none) and Pin;
        RunnerSave,
        // a meet's weather, date and place, each with the meet's Pin.
        MeetWeather,
        MeetTime,
        MeetPlace,
    };

    static QString text(Statement statement, Engine engine);

    // The statement that starts a unit of work that will write. On a file it takes the write
    // lock up front, so a unit never fails half-way because another program began writing.
    static QString beginWrite(Engine engine);
    // The names of the database's tables and views, one a row in the column "name".
    static QString tableNames(Engine engine);
    // The schema version, in the column "user_version", and the statement that sets it.
    static QString readVersion(Engine engine);
    static QString writeVersion(Engine engine, int version);
    // An INSERT that gives back the new row's key as its result: on the server the key is the
    // insert's own, never another coach's row made at the same moment. On a file the INSERT
    // as it is, whose driver gives the key of the connection's last insert.
    static QString insertReturningKey(Engine engine, const QString& insert);
    static bool givesKeyAsRow(Engine engine) { return engine == Engine::Server; }
};
