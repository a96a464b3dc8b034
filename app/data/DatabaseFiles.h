#pragma once

#include <QString>

// Where new databases come from and where they go: copies of Blank.mdb from the program
// folder, written to its db folder.
class DatabaseFiles
{
public:
    static QString templatePath();
    static QString databaseFolder();
    // db/<school with every blank removed>.mdb; db/Cindrel.mdb when no school is known.
    static QString newDatabasePath(const QString& school);
    // Makes the new database for a school and returns its path. A file that is already
    // there is a coach's data and is returned as it is, never overwritten. Throws
    // DatabaseError when the template is missing or the copy fails.
    static QString makeNewDatabase(const QString& school);
};
