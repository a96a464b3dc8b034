#pragma once

#include <QString>

// The SQL that differs between the two places a track database can live: a file (SQLite) or
// a database on a PostgreSQL server. Everything else the program sends is the same text on
// both, because the server's schema keeps the file's tables, columns and views:
//   dates: MeetTime is ISO text on both, so ordering, seasons and comparisons are text;
//   booleans: isRelay is a number, 0 or 1, on both;
//   the qualified filter: the runner editor filters Runners_View by Runners_View.Pin, which
//   both accept;
// and what is left is here.
class SqlDialect
{
public:
    enum class Engine
    {
        File,
        Server,
    };

    // The statement that starts a unit of work that will write. On a file it takes the write
    // lock up front, so a unit never fails half-way because another program began writing.
    static QString beginWrite(Engine engine);
    // The names of the database's tables and views, one a row in the column "name".
    static QString tableNames(Engine engine);
    // The schema version, in the column "user_version", and the statement that sets it.
    static QString readVersion(Engine engine);
    static QString writeVersion(Engine engine, int version);
    // The condition that a text column holds an ISO date (it starts with a four-digit year
    // and "-").
    static QString isIsoDate(Engine engine, const QString& column);
    // What follows a query whose rows the program takes in the order they were stored (a
    // meet's slots, the event types): a file gives them so; a server must be asked to.
    static QString storedOrder(Engine engine, const QString& key);
    // The same for the rows an ORDER BY leaves tied: what follows that ORDER BY.
    static QString tiesInStoredOrder(Engine engine, const QString& key);
    // What follows an INSERT so that it gives back the new row's key as its result: on the
    // server the key is the insert's own, never another coach's row made at the same moment.
    // Empty on a file, whose driver gives the key of the connection's last insert.
    static QString returningKey(Engine engine);
};
