#include "SchoolYear.h"

int SchoolYear::graduating(QDate day)
{
    return day.month() >= 8 ? day.year() + 1 : day.year();
}

std::optional<int> SchoolYear::grade(int classOf, QDate day)
{
    if (graduated(classOf, day))
        return std::nullopt;
    return 12 - (classOf - graduating(day));
}

std::optional<int> SchoolYear::gradeAt(std::optional<int> classOf, std::optional<int> grade,
                                       QDate day, QDate today)
{
    if (!day.isValid())
        return std::nullopt;
    if (classOf) {
        const std::optional<int> then = SchoolYear::grade(*classOf, day);
        return then && *then >= 1 ? then : std::nullopt;
    }
    if (grade && graduating(day) == graduating(today))
        return grade;
    return std::nullopt;
}
