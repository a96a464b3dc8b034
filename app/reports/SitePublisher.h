#pragma once

#include <QDate>
#include <QString>
#include <optional>

class Connection;

// Writes a team's website into a folder the coach uploads anywhere: the pages are written
// beside the folder, then take its place whole, so that a reader never sees half a site and an
// athlete taken off it leaves no page behind. A folder holding files Cindrel did not write is
// refused, never replaced. Throws ReportError naming what failed; the folder is as it was then.
class SitePublisher
{
public:
    struct Published
    {
        int pages = 0;
        int athletes = 0;
    };
    // Of one season (its meets, athletes and leaders), or of every season; the records and
    // the top ten are of all time either way.
    static Published publish(Connection& db, qint64 team, std::optional<int> season,
                             const QString& folder, QDate today);
    // The file that marks a folder as one Cindrel published.
    static QString markName();
};
