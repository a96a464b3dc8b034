#pragma once

#include "records/SiteData.h"
#include "reports/SiteNames.h"
#include "reports/SitePage.h"

// One athlete's page: the personal bests (PR) and season bests (SB) of each event, a chart of
// each event's progression, and every result with its meet.
class SiteAthletePage
{
public:
    static QString html(const SiteData& data, const SiteNames& names, qint64 runner,
                        const SitePage::Frame& frame);
};
