#pragma once

#include <QString>
#include <optional>

// A season is the calendar year of a meet's date; no season means every season.
class Season
{
public:
    // The condition on Events_View's or Meets_Info's MeetTime that keeps one season, as
    // " AND (...)", or nothing for every season. Older files may keep US dates ("4/11/2026").
    static QString condition(std::optional<int> season);
    // "All seasons", or the year.
    static QString caption(std::optional<int> season);
};
