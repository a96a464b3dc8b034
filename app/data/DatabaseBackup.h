#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class Connection;

// Copies of the open database: one written where the coach asks, and one kept at every start
// in backups/ beside the database (the newest ten). Each is a consistent snapshot taken while
// the database is open (VACUUM INTO), so a save in progress is in it whole or not at all.
class DatabaseBackup
{
public:
    // Writes the copy to `path`, replacing a file there only once the copy is complete.
    // Throws DatabaseError when it cannot be written; then nothing changed.
    static void writeTo(Connection& db, const QString& path);
    // The copy of a start: backups/<name>-<yyyyMMdd-HHmmss>.mdb; only the newest `keep` stay.
    static QString keepAtStart(Connection& db, const QDateTime& when, int keep = 10);
    // The start copies of a database, newest first.
    static QStringList kept(const QString& databasePath);

    struct Summary
    {
        QDateTime taken; // from a kept copy's name; else the file's last change
        qint64 teams = 0, runners = 0, meets = 0;
    };
    // What a copy holds, read without changing it. Throws DatabaseError when it is no Cindrel
    // database.
    static Summary summary(const QString& path);
    // Puts a copy in the open database's place and opens it there. The database as it was is
    // kept first, among the start copies as of `when`; its path is returned. Throws
    // DatabaseError when the copy is no Cindrel database or cannot be put in place or opened:
    // then the database is as it was, and open.
    static QString restore(Connection& db, const QString& copy, const QDateTime& when);
};
