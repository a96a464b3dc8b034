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
    l = l.trimmed();
    f = f.trimmed();
    // A runner known by one name keeps it alone: "Zed", not "Zed, ". The name then has no
    // comma, which split() reads as a last name again.
    if (f.isEmpty() && !l.isEmpty())
        return l;
    return l + QLatin1String(", ") + f;
}
