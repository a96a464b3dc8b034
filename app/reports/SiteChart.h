#pragma once

#include "records/Bests.h"

#include <QList>
#include <QString>

// A runner's progression in one event as an inline SVG picture: the marks over the dates, one
// colour per season, the personal best ringed and named, better always upwards (a lower time, a
// longer or higher field mark). Its title says in words what it shows, for a screen reader.
class SiteChart
{
public:
    // `marks` of one event, in the order of their meets; undated and wind-aided marks are left
    // out, as they are of the personal best. Nothing when no mark is left.
    // `captioned` names the event in the picture, for paper, where a page may part the chart
    // from the rows below it.
    static QString svg(const QList<Bests::Mark>& marks, const QString& eventName,
                       const Bests::Mark& pr, const QString& id, bool captioned = false);
};
