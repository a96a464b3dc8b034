#pragma once

#include <QList>
#include <QString>

// One relay leg as a results file names it, with the leg's split where the file gives one.
struct ImportedLeg
{
    QString name;
    QString grade;
    QString split;
};

// One result as a results file writes it, every value as written: the event's heading, the
// athlete (or, for a relay, the school's team and its legs), the mark and what stands beside
// it. Which of the sheet's events it is, and who on the roster, is worked out later.
struct ImportedResult
{
    int line = 0; // of the file, from 1
    // The sheet's event type (1 to 17); 0 for an event the sheet does not keep.
    int type = 0;
    QString event;    // the heading as written, "Girls 100 Meter Dash"
    QString gender;   // "F", "M", or empty when the file does not say
    QString division; // "Varsity", "JV"... when the file names one
    QString round;    // "Finals", "Prelims"...
    QString place;    // empty when not placed
    QString name;     // an individual's name as written; empty for a relay
    QString grade;    // a grade (9 to 12) or a year ("JR") as written
    QString school;
    QString team; // a relay team's letter, "A" when the file gives none
    QString mark; // "12.41", "12.4h", "18-06.50", "5.62m", "DQ"...
    QString wind; // "+1.8"; empty for none
    QString points;
    QString heat;
    QList<ImportedLeg> legs;

    bool relay() const { return type >= 14 && type <= 17; }
};

// A line of a results file that could not be read, and why.
struct ImportProblem
{
    int line = 0;
    QString text;
};
