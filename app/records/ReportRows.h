#pragma once

#include "data/RecordSet.h"

#include <optional>

class Connection;

// The rows each report prints, read for it: a report gets rows, never SQL. Rows that a
// report orders come in the same order from a file and from a server.
class ReportRows
{
public:
    static RecordSet team(Connection& db, qint64 team);
    // The team's runners, highest grade first, then by name; and its meets by date.
    static RecordSet teamRoster(Connection& db, qint64 team);
    static RecordSet teamMeets(Connection& db, qint64 team);

    static RecordSet runner(Connection& db, qint64 runner);
    // Every slot of the runner's, by event type, then by date.
    static RecordSet runnerResults(Connection& db, qint64 runner);

    static RecordSet eventType(Connection& db, qint64 type);
    // Every slot in an event type of the runners on the team, best mark first; of one
    // season and one gender ("F", "M") where given.
    static RecordSet teamRanking(Connection& db, qint64 type, qint64 team,
                                 std::optional<int> season, const QString& gender);

    static RecordSet meetInfo(Connection& db, qint64 meet);
    static RecordSet meetDivisions(Connection& db, qint64 meet);
    // A one-division meet's slots of one event: an individual event's by place, a relay's in
    // the order they were made.
    static RecordSet meetEvent(Connection& db, qint64 meet, int type);
    // Every slot of the meet, in the order they were made.
    static RecordSet meetSlots(Connection& db, qint64 meet);

    // One slot, and the legs with a runner of one team in a relay event.
    static RecordSet slot(Connection& db, qint64 join);
    static RecordSet relayLegs(Connection& db, qint64 event, qint64 relayTeam);

    // The team's slots with a mark and no wind aid, straight from the tables (the view would
    // write each mark as text first), in the columns JoinPin, Type, F and I (the two numbers of
    // the mark), T (its timing), Held (the meet's date) and MarkGender.
    static RecordSet teamMarks(Connection& db, qint64 team);
};
