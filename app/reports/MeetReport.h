#pragma once

#include "records/Bests.h"
#include "reports/Report.h"

#include <QHash>
#include <optional>

class AppContext;
class RecordSet;

// A meet's results sheet: host, weather, date and place, and every entry of its 17 events,
// division by division under a heading with the division's team score.
class MeetReport
{
public:
    static Report build(AppContext& app, qint64 meet);
    // The word of an event type in its placeholders: "100", "HIGHJUMP", ...
    static QString slotWord(int type);

private:
    // One entry as the sheet prints it.
    struct Entry
    {
        QString name, time, place, points;
        double order = 0; // the place; 0 when not placed
        qint64 join = 0;
        int team = 0; // a relay's team: 0 for A
    };
    // The entries that have a runner, as the sheet prints them: placed ones in place order,
    // then the others; a relay's legs in the order they were entered.
    static QList<Entry> sheetOrder(RecordSet& rows, bool relay);
    // The replacements of one division's sheet (all of the meet's when none is given), and
    // the sum of its points.
    static QList<Report::Replacement> sheet(AppContext& app, qint64 meet,
                                            std::optional<qint64> division,
                                            const QHash<qint64, Bests::Flag>& flags,
                                            double* points);
};
