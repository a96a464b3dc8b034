#pragma once

#include "records/Bests.h"

#include <QString>

// The progression chart the website shows, as a picture for a printed report: a PNG in RTF,
// as wide as the report's columns. On paper a chart heads only an event with three dated marks
// or more: fewer make no progression worth the room, and a runner report of a season with two
// meets prints as it always has.
class ReportChart
{
public:
    static constexpr int MinimumMarks = 3;
    // Nothing when the marks of the event make no chart.
    static QString rtf(const QList<Bests::Mark>& marks, const QString& eventName,
                       const Bests::Mark& pr);
};
