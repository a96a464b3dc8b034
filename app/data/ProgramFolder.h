#pragma once

#include <QString>

// The folder that holds the program file: Blank.mdb, db/, Templates/ and help/ lie in it.
// Tests point it at a folder of their own.
class ProgramFolder
{
public:
    static QString path();
    static void setPath(const QString& path);
    // The program folder's path followed by a relative name ("Blank.mdb", "db").
    static QString file(const QString& relative);

    // Whether the program may write beside itself. An installed copy (read-only, or under
    // /usr) may not: its writable parts (databases, the report work file) go under the user's
    // data folder instead.
    static bool isWritable();
    // Where a writable part lives: beside the program, or under the user's data folder.
    static QString writableFile(const QString& relative);
    static QString userDataFolder();
};
