#pragma once

#include <QString>
#include <optional>

class Connection;

// One team (a school) as the team editor shows it. Throws DatabaseError when the database
// refuses a statement; a save or a delete applies whole or not at all.
class TeamRecord
{
public:
    qint64 pin = 0;
    QString school, coach, contact, mascot;

    // Nothing when the team is gone.
    static std::optional<TeamRecord> load(Connection& db, qint64 pin);
    void save(Connection& db) const;
    // The team and its links; its runners and meets stay.
    static void remove(Connection& db, qint64 pin);
};
