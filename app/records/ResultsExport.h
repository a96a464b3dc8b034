#pragma once

#include <QString>
#include <optional>

class Connection;

// Results as a CSV file for spreadsheets and league sites: one row per slot that has a runner,
// with the meet's date (ISO), host and place, the event, the athlete ("Last, First") and their
// team, the mark as the reports print it and as a number (seconds, or inches), the place and
// the points. Of one meet, of one season, or every result.
class ResultsExport
{
public:
    struct Scope
    {
        std::optional<qint64> meet;
        std::optional<int> season;
    };
    static QStringList header();
    static QString csv(Connection& db, Scope scope);
};
