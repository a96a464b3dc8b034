#pragma once

#include <QString>

// A mark typed into one of the sheet's two mark boxes. Besides a plain number for that box, a
// coach may type the whole mark as it stands on a results sheet, and the pair of boxes takes
// it apart:
//   times        "4:32.15", "1:02.7", "2:05"; in the minutes box also "12.41" and "72.5"
//   field marks  "18-06.5", "18-6", "18' 6.5\"", "18'", "74\"", "18 6.5", "5.62m"
// A metric mark becomes feet and inches to the nearest quarter inch. Notes may follow either
// ("12.4h", "18-06.5 +1.8", "5.62m w"): they go with the second half.
class MarkText
{
public:
    enum class Kind
    {
        Plain,   // a number (or nothing) for the box it was typed in: the box keeps it
        Whole,   // a whole mark: first and second are the two boxes' new texts
        Refused, // neither, or beyond its unit: must tells what the box takes
    };

    Kind kind = Kind::Plain;
    QString first, second;
    // A metric mark as typed ("5.62 m"), to show beside the feet and inches.
    QString metric;
    QString must;

    // box: 0 for minutes or feet, 1 for seconds or inches.
    static MarkText read(const QString& typed, bool field, int box);
    // A mark on its own, as a results sheet gives it: never Plain, and a number alone is the
    // seconds of a time ("55") or the feet of a field mark ("18").
    static MarkText readWhole(const QString& typed, bool field);
};
