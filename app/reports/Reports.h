#pragma once

#include "records/ReportRequest.h"
#include "reports/Report.h"

class AppContext;

// Every report behind one door.
class Reports
{
public:
    // Throws ReportError when the report cannot be made.
    static Report build(AppContext& app, const ReportRequest& request);
};
