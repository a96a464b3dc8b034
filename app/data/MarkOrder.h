#pragma once

#include <QString>

// How the marks of one event type rank: a field event's longest (or highest) mark first, a
// run's or relay's lowest time first. A slot without a mark ranks last.
class MarkOrder
{
public:
    static bool isField(qint64 eventType) { return eventType >= 8 && eventType <= 13; }
    // The ORDER BY terms, best first, over Events_View's Measure1 and Measure2.
    static QString bestFirst(qint64 eventType);
};
