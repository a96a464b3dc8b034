#pragma once

#include <QString>
#include <QtGlobal>

// A report the user asked for: which one, and for what. Built into a report by
// `Reports::build` and shown in one place.
struct ReportRequest
{
    enum class Kind
    {
        Runner,
        Team,
        Meet,
        Event,
        Records,
        // The team's ten best marks in each event, of every season or of the season shown.
        TopTen,
        SeasonLeaders,
    };
    Kind kind;
    // The runner, team or meet; for the event report, the event type; for the records and the
    // top lists, the team.
    qint64 pin;
    // The event report's team.
    qint64 team = 0;
    // The event report lists each athlete's best mark only.
    bool bestOnly = false;
    // The event, records and top-list reports of girls' ("F") or boys' ("M") marks; empty for
    // both.
    QString gender = {};
};
