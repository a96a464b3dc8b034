#pragma once

#include "records/RosterFile.h"

class Connection;

// A roster file brought into one team: which runners are new, and which are there already
// (the same name in the same team, or twice in the file). Everything goes in in one
// transaction, or nothing does.
class RosterImport
{
public:
    QList<RosterFile::Runner> added;
    QList<RosterFile::Runner> present;

    static RosterImport plan(Connection& db, qint64 team, const RosterFile& roster);
    // Adds the new runners to the team. Throws DatabaseError; then nothing was added.
    void apply(Connection& db, qint64 team) const;
    // A team's roster as a CSV file that read() takes back: the header, then a runner a line,
    // by name.
    static QString exportTeam(Connection& db, qint64 team);
};
