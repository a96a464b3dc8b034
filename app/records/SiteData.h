#pragma once

#include "records/Bests.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class Connection;

// What a team's website shows, read at once: the team, its meets, and every result with a
// runner in them. Nothing that reaches a family at home is read: no phone number, no address,
// not the team's contact. Throws DatabaseError when the database refuses a query.
class SiteData
{
public:
    struct Meet
    {
        qint64 pin = 0;
        QString held; // as stored
        QDate date;
        QString host, place, weather;
    };
    struct Result
    {
        qint64 meet = 0, event = 0, division = 0;
        QString divisionName;
        qint64 relayTeam = 0;
        qint64 runner = 0;
        QString name; // as stored
        bool unpublished = false;
        std::optional<int> grade; // at the meet
        QString gender;           // the one the mark counts for
        Bests::Mark mark;         // a slot without a mark has type and join only
        QString place, points;
    };

    qint64 team = 0;
    QString school, mascot, coach;
    QList<Meet> meets;     // by date, undated last
    QList<Result> results; // meet by meet, then division, event, relay team, place
    QList<int> seasons;    // newest first

    // Of one season, or of every one.
    static SiteData read(Connection& db, qint64 team, std::optional<int> season);
    // The runners with a result, each once, in the order of their names.
    QList<qint64> athletes() const;
};
