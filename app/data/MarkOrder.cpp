#include "MarkOrder.h"

QString MarkOrder::bestFirst(qint64 eventType)
{
    // The sheet writes feet and inches, or minutes and seconds, into the same two columns.
    if (isField(eventType))
        return QStringLiteral("Measure1 * 12 + Measure2 DESC");
    return QStringLiteral("(Measure1 = 0 AND Measure2 = 0), Measure1 * 60 + Measure2 ASC");
}
