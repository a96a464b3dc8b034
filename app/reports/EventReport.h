#pragma once

#include "reports/Report.h"

class AppContext;

// The marks of one team's runners in one event type, best first, in the season the main
// window shows; with bestOnly, each athlete's best mark only.
class EventReport
{
public:
    // Of girls' ("F") or boys' ("M") marks only when a gender is given: the gender of the
    // mark's division, or in a mixed one the runner's.
    static Report build(AppContext& app, qint64 eventType, qint64 team, bool bestOnly = false,
                        const QString& gender = {});
};
