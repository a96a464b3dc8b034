#include "MarkOrder.h"

QString MarkOrder::bestFirst(qint64 eventType, const QString& first, const QString& second)
{
    // The sheet writes feet and inches, or minutes and seconds, into the same two columns.
    if (isField(eventType))
        return QStringLiteral("%1 * 12 + %2 DESC").arg(first, second);
    return QStringLiteral("(%1 = 0 AND %2 = 0), %1 * 60 + %2 ASC").arg(first, second);
}
