#pragma once

#include <QString>

class Connection;

// Fills an empty track database with a realistic history through the program's data layer:
// teams with rosters, meets with their whole sheets, and marks in every slot.
class LargeTrack
{
public:
    struct Size
    {
        int teams = 40;
        int runners = 1500;
        int meets = 800;
    };

    static Size large() { return Size{}; }
    static Size sample() { return Size{6, 90, 24}; }

    // Copies the shipped empty database to `path` and fills it.
    static void make(const QString& path, Size size, unsigned seed = 2026);
    static void fill(Connection& db, Size size, unsigned seed);

    // The large database a benchmark works on: Large.mdb in `folder`, or, when
    // CINDREL_BENCH_SERVER names a PostgreSQL server, that file copied onto a new database
    // there, by its address. Says which on standard output.
    static QString makeForBench(const QString& folder);
};
