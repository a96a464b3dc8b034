#include "Reports.h"

#include "records/AppContext.h"
#include "reports/EventReport.h"
#include "reports/MeetReport.h"
#include "reports/RecordsReport.h"
#include "reports/RunnerReport.h"
#include "reports/TeamReport.h"
#include "reports/TopListReport.h"

Report Reports::build(AppContext& app, const ReportRequest& request)
{
    switch (request.kind) {
    case ReportRequest::Kind::Runner:
        return RunnerReport::build(app, request.pin);
    case ReportRequest::Kind::Team:
        return TeamReport::build(app, request.pin);
    case ReportRequest::Kind::Meet:
        return MeetReport::build(app, request.pin);
    case ReportRequest::Kind::Records:
        return RecordsReport::build(app, request.pin, request.gender);
    case ReportRequest::Kind::TopTen:
    case ReportRequest::Kind::SeasonLeaders:
        return TopListReport::build(app, request.pin, app.season(),
                                    request.kind == ReportRequest::Kind::SeasonLeaders,
                                    request.gender);
    case ReportRequest::Kind::Event:
        break;
    }
    return EventReport::build(app, request.pin, request.team, request.bestOnly, request.gender);
}
