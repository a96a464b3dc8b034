#pragma once

// A staff's database on a PostgreSQL server, made and filled from the command line:
//   cindrel --create-server-database postgresql://user@host/database
//     makes the tables, views and event types on an empty database;
//   cindrel --copy-to-server FILE.mdb postgresql://user@host/database
//     copies a coach's whole file onto such a database, every Pin kept, in one transaction.
// A password the address does not hold is looked up in ~/.pgpass, as PostgreSQL's own tools do.
class ServerCommand
{
public:
    static bool wanted(int argc, char* argv[]);
    // The process's exit code: 0 done, 1 failed (said on standard error), 2 a command line it
    // cannot read.
    static int run(int argc, char* argv[]);
};
