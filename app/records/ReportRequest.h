#pragma once

#include <QtGlobal>

// A report the user asked for: which of the four, and for what. Built into a report by
// `Reports::build` and shown in one place.
struct ReportRequest
{
    enum class Kind
    {
        Runner,
        Team,
        Meet,
        Event
    };
    Kind kind;
    // The runner, team or meet; for the event report, the event type.
    qint64 pin;
    // The event report's team.
    qint64 team = 0;
};
