#pragma once

#include "reports/Report.h"

class AppContext;

// One team's sheet: the school with mascot, coach and contact, its roster and its schedule.
class TeamReport
{
public:
    static Report build(AppContext& app, qint64 team);
};
