#include "Gender.h"

QString Gender::of(const QString& stored)
{
    // The same reading as the views' MarkGender.
    const QString first = stored.trimmed().left(1).toUpper();
    if (first == QLatin1String("F") || first == QLatin1String("G") || first == QLatin1String("W"))
        return QStringLiteral("F");
    if (first == QLatin1String("M") || first == QLatin1String("B"))
        return QStringLiteral("M");
    return {};
}
