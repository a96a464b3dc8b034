#pragma once

#include "reports/Report.h"

class AppContext;

// A meet's results sheet: host, weather, date and place, and every entry of its 17 events.
class MeetReport
{
public:
    static Report build(AppContext& app, qint64 meet);
    // The word of an event type in its placeholders: "100", "HIGHJUMP", ...
    static QString slotWord(int type);
};
