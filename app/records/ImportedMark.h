#pragma once

#include "records/SheetEntry.h"

#include <QString>
#include <optional>

// A mark as results files write it, and what the sheet makes of it. Files write times
// ("12.41", "12.4h", "1:02.73"), distances ("18-06.50", "18'6.5\"", "5.62m") and, where there
// is no mark, a word ("DQ", "DNF", "DNS", "NH", "FOUL", "SCR", "NM", "FS", "NT").
class ImportedMark
{
public:
    // A mark in any of those forms, with the marks files add after it ("q", "Q", "*", "#")
    // taken off; empty for a word that is none.
    static QString clean(const QString& token);
    static bool isStatus(const QString& mark);
    // A wind reading as files print it after a mark: "+1.8", "-0.4", "0.0", or "NWI" (none).
    static bool isWind(const QString& token);
    // Whether the mark is of the event's kind (a time for a race, a distance for a field
    // event) and within reach of a high-school athlete, or a status: what tells a mark from
    // the points or a seed beside it.
    static bool fits(int type, const QString& mark);
    // The sheet's four boxes for a result: the mark taken apart, with its wind and hand-timing
    // notes. A status gives no mark (a scratch is not written at all: nothing). Nothing, with
    // `why`, for a mark the sheet cannot take.
    static std::optional<SheetNumbers> numbers(int type, const QString& mark, const QString& wind,
                                               const QString& place, const QString& points,
                                               QString* why);
};
