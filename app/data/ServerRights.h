#pragma once

#include <QString>

class Connection;

// Who may do what with a track database on a server. Its owner (the head coach, who made it)
// keeps every right and alone brings it up to date; a role given read rights may read and
// print, one given write rights may also change every row.
class ServerRights
{
public:
    enum class Right
    {
        Read,
        Write,
    };

    // Gives `role` the right on every table and view of the track database at `address`,
    // and on those that later versions make, in place of what it had. Throws DatabaseError
    // when the database is no track database, the role does not exist, or the connecting
    // role may not give rights; then nothing changed.
    static void grant(const QString& address, const QString& role, Right right);
    // What the connected role may do: change rows, and change the schema.
    static bool canWrite(Connection& db);
    static bool owns(Connection& db);
    // The right named on the command line ("read" or "write").
    static bool parse(const QString& text, Right* right);
};
