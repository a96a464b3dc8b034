#pragma once

#include <QString>

// How the marks of one event type rank: a field event's longest (or highest) mark first, a
// run's or relay's lowest time first. A slot without a mark ranks last.
class MarkOrder
{
public:
    static bool isField(qint64 eventType) { return eventType >= 8 && eventType <= 13; }
    // The ORDER BY terms, best first, over Events_View's Measure1 and Measure2, or over other
    // columns that hold the two halves of a mark.
    static QString bestFirst(qint64 eventType, const QString& first = QStringLiteral("Measure1"),
                             const QString& second = QStringLiteral("Measure2"));
    // A mark as one number to compare: seconds, or inches.
    static double value(qint64 eventType, double first, double second)
    {
        return isField(eventType) ? first * 12 + second : first * 60 + second;
    }
};
