#pragma once

#include "reports/Report.h"

#include <optional>

class AppContext;

// Top Ten (every season) and Season Leaders (one season): for each event the team's best marks,
// one athlete once, girls' and boys' lists apart, with the meet's date and host.
class TopListReport
{
public:
    // The season leaders without a season are those of the latest season with a mark.
    static Report build(AppContext& app, qint64 team, std::optional<int> season, bool leaders,
                        const QString& gender = {});
    // The lists' text: headings and rows as the report's fragments write them.
    static QString lists(AppContext& app, qint64 team, std::optional<int> season,
                         const QString& gender);
    // The records by grade ("Freshman", "Sophomore"...), girls' and boys' apart, of the events
    // with a mark: nothing when no mark's grade is known.
    static QString byGrade(AppContext& app, qint64 team, const QString& gender);
    // "Freshman" for 9 up to "Senior" for 12, else "Grade N".
    static QString gradeName(int grade);
};
