#pragma once

#include "reports/Report.h"

#include <QString>

class Connection;

// The team at the head of the team and event reports: school, mascot, coach and contact,
// read in that order. Throws ReportError when the database refuses the query.
class TeamHeader
{
public:
    static TeamHeader read(Connection& db, qint64 team);
    // "<TEAMSCHOOL>", "<TEAMMASCOT>", "<TEAMCOACH>" and "<TEAMCONTACT>", in that order.
    QList<Report::Replacement> replacements() const;

    QString school, mascot, coach, contact;
};
