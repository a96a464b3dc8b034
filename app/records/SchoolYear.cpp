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
