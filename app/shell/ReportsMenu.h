#pragma once

#include "records/ReportRequest.h"

#include <functional>

class QMenuBar;

// The Reports menu: the selected team's School Records, Top Ten (every season) and Season
// Leaders (the season the lists show, or the latest).
class ReportsMenu
{
public:
    static void add(QMenuBar* bar, const std::function<void(ReportRequest::Kind)>& show);
};
