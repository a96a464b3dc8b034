#pragma once

#include "records/Bests.h"
#include "reports/Report.h"

#include <QHash>

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
        int team = 0;  // a relay's team: 0 for A
        QString split; // a relay leg's split; empty for none
        // The wind reading ("wind +1.8"), printed after the points: the mark's column is as
        // wide as a mark.
        QString wind = {};
    };
    static Entry entryOf(const RecordSet& row);
    // The rows that have a runner.
    static QList<Entry> readEntries(RecordSet& rows);
    // The entries as the sheet prints them: placed ones in place order, then the others; a
    // relay's legs team by team, in the order they were entered.
    static QList<Entry> sheetOrder(const QList<Entry>& rows, bool relay);
    // The line under a relay team with its legs' splits ("Splits: 47.1, 48.3, -, 47.9"); empty
    // when no leg has one, so that a sheet without splits prints as it always did.
    static QString splitsLine(const QList<Entry>& legs);
    // The replacements of one division's sheet, from its entries by event type (those of the
    // meet's one division, read event by event, without them), and the sum of its points.
    static QList<Report::Replacement> sheet(AppContext& app, qint64 meet,
                                            const QHash<int, QList<Entry>>* division,
                                            const QHash<qint64, Bests::Flag>& flags,
                                            double* points);
};
