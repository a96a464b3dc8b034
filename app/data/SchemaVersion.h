#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class Connection;

// The version of a database's schema (PRAGMA user_version) and the steps that bring an older
// file up to this program's. Each step is an SQL file of templates/migrations, built into the
// program; the same files, run on Blank.sql, make Blank.mdb.
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
    // Brings an open database up to date: a copy of the file beside it first
    // (<name>.mdb.bak-<date>), then every missing step and the new version in one transaction.
    // Throws DatabaseError when the copy or a step fails; the file is unchanged then.
    static State upgrade(Connection& db);
    // The statements of step `version` (1 for the first).
    static QStringList statements(int version);
    // A script's statements: each ends with the line that ends in ";"; lines of "--" are
    // comments.
    static QStringList split(const QString& script);
    // A path beside the file that no other file has yet.
    static QString backupPath(const QString& path, QDate day);
};
