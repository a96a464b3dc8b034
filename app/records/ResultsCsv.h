#pragma once

#include <QString>

class ResultsFile;

// A results CSV: a header row, then a result a row. Columns are found by their names, in any
// order: Event, Gender, Division, Round, Place, Last, First or Name, Grade (or Year), Team (or
// School), Mark (or Result, Time), Wind, Points, Heat. A relay's legs stand in "Leg 1" to
// "Leg 4" (with "Split 1" to "Split 4"), or each on a row of its own under one team and place.
class ResultsCsv
{
public:
    // A header row that names an event, a mark and an athlete or team.
    static bool looksLikeOne(const QString& text);
    static void read(const QString& text, ResultsFile& into);
};
