#pragma once

#include "reports/Report.h"

class AppContext;

// A team's school records: the best mark ever in each of the 17 events, with the athlete (a
// relay's four legs), the meet's date and its host. A record tied later stays with the meet
// that set it first. Girls' and boys' records are two tables, a mark counting for its
// division's gender or, in a mixed division, its runner's; marks of neither are a third table,
// "Not known". A team none of whose marks says whose they are prints one table, as it did
// before marks had a gender; a gender given prints that table alone.
class RecordsReport
{
public:
    static Report build(AppContext& app, qint64 team, const QString& gender = {});
};
