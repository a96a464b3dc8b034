#pragma once

#include "reports/Report.h"

class AppContext;
class RecordSet;

// A meet's results sheet: host, weather, date and place, and every entry of its 17 events.
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
    };
    // The entries that have a runner, as the sheet prints them: placed ones in place order,
    // then the others; a relay's legs in the order they were entered.
    static QList<Entry> sheetOrder(RecordSet& rows, bool relay);
};
