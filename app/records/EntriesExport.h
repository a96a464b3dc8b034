#pragma once

#include <QDate>
#include <QList>
#include <QString>

class Connection;

// A meet's entries as the host's meet program takes them before the meet: each runner the
// sheet enters in an event, with gender, grade and a seed mark (the season's best before the
// meet, else the best before it), and each relay team with its legs. Written as the
// semicolon-separated entries file ("H" the meet; "A" an athlete; "E" an individual entry;
// "R" a relay team and its legs' athlete numbers) or as a CSV with a header.
class EntriesExport
{
public:
    struct Athlete
    {
        qint64 pin = 0; // the athlete's number in the file
        QString last, first, gender, grade;
    };
    struct Entry
    {
        int type = 0; // 1 to 17
        QString event;
        QString gender;     // of the division, else of the runner
        QString division;   // its name
        qint64 athlete = 0; // an individual's; 0 for a relay
        QString seed;
        QString team;       // a relay's letter
        QList<qint64> legs; // a relay's athletes
    };

    QString meetName, school;
    QDate date;
    QList<Athlete> athletes;
    QList<Entry> entries;

    // Throws DatabaseError; an empty list for a meet without entries.
    static EntriesExport of(Connection& db, qint64 meet);
    QString semicolon() const;
    QString csv() const;
    // A mark in seconds or inches as entries give it: "12.64", "2:05.30", "18-06.50".
    static QString seedText(int type, double value);
};
