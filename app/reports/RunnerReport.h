#pragma once

#include "reports/Report.h"

class AppContext;

// One runner's card: name, school, grade, address, phone, and every result by event.
class RunnerReport
{
public:
    static Report build(AppContext& app, qint64 runner);
};
