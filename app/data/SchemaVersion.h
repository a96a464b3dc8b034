#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

#include "data/SqlDialect.h"

class Connection;

// The version of a database's schema (PRAGMA user_version, or Cindrel_Schema on a server) and
// the steps that bring an older one up to this program's. Each step is an SQL file of
// templates/migrations, built into the program; the same files, run on Blank.sql, make
// Blank.mdb. A server takes the same steps in its own SQL, from templates/server/migrations,
// after the schema it was made with (version 3).
class SchemaVersion
{
public:
    enum class State
    {
        Current,
        Upgraded,
        Newer, // written by a later program: to be opened read-only
    };

    static int current();
    static int of(Connection& db);
    // Throws DatabaseError, naming the first one missing, unless the database has every table
    // and view of a track database.
    static void checkTables(Connection& db);
    // The version a server database is made at before its steps.
    static constexpr int ServerBase = 3;

    // Brings an open database up to date: a copy beside it first (the file's
    // <name>.mdb.bak-<date>, or on a server a schema holding a copy of every table), then every
    // missing step and the new version in one transaction. Throws DatabaseError when the copy
    // or a step fails; the database is unchanged then.
    // On a server only its owner may, and only after `mayUpgrade` said yes (when given); a
    // refusal throws DatabaseError, the database left as it is.
    static State upgrade(Connection& db, const std::function<bool()>& mayUpgrade = {});
    // The statements of step `version` (1 for the first) for the database's engine.
    static QStringList statements(int version,
                                  SqlDialect::Engine engine = SqlDialect::Engine::File);
    // Runs the steps after `from` and writes the new version, inside the caller's transaction.
    static void runSteps(Connection& db, int from);
    // A script's statements: each ends with the line that ends in ";"; lines of "--" are
    // comments.
    static QStringList split(const QString& script);
    // A path beside the file that no other file has yet.
    static QString backupPath(const QString& path, QDate day);

private:
    static void copyBeside(Connection& db, int version);
};
