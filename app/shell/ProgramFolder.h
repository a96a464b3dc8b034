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
};
