#include "Season.h"

QString Season::condition(std::optional<int> season)
{
    if (!season)
        return {};
    const QString year = QString::number(*season);
    return QStringLiteral(" AND (substr(MeetTime, 1, 4) = '%1' OR MeetTime LIKE '%/%/%1%')")
        .arg(year);
}

QString Season::caption(std::optional<int> season)
{
    return season ? QString::number(*season) : QStringLiteral("All seasons");
}
