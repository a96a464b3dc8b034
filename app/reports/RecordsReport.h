#pragma once

#include "reports/Report.h"

class AppContext;

// A team's school records: the best mark ever in each of the 17 events, with the athlete (a
// relay's four legs), the meet's date and its host. A record tied later stays with the meet
// that set it first.
class RecordsReport
{
public:
    static Report build(AppContext& app, qint64 team);
};
