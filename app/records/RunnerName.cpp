#include "RunnerName.h"

#include <QStringList>

RunnerName RunnerName::split(const QString& stored)
{
    const QStringList parts = stored.split(QLatin1Char(','));
    RunnerName name;
    name.last = parts.value(0);
    name.first = parts.value(1);
    return name;
}

QString RunnerName::join(const QString& first, const QString& last)
{
    QString l = last;
    QString f = first;
    l.remove(QLatin1Char(','));
    f.remove(QLatin1Char(','));
    return l.trimmed() + QLatin1String(", ") + f.trimmed();
}
