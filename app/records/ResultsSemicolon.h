#pragma once

#include <QString>

class ResultsFile;

// The semicolon-separated results export of meet programs: a record a line, its type first,
// empty fields kept (";;"): a header record with the meet's name and dates, a record per
// individual result, a record per relay with its legs. The layout differs between programs,
// so the fields are found by what they hold, column by column over every record of a type:
// the event's name, a gender, the marks (a seed before the result; a relay's team time is its
// largest), the athlete's last and first name or "Last, First", a grade, the school, the place
// (the first number that changes within an event), points and heat after the mark. Where two
// readings are possible, the file's `skipped` says which was taken.
class ResultsSemicolon
{
public:
    // Most lines hold four semicolons or more, and begin with a short record type.
    static bool looksLikeOne(const QString& text);
    static void read(const QString& text, ResultsFile& into);
};
