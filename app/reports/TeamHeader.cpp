#include "TeamHeader.h"

#include "records/ReportRows.h"
#include "reports/ReportQuery.h"
#include "reports/ReportText.h"

TeamHeader TeamHeader::read(Connection& db, qint64 team)
{
    const ReportQuery row([&] { return ReportRows::team(db, team); });
    return {row.text(QStringLiteral("school")), row.text(QStringLiteral("mascot")),
            row.text(QStringLiteral("coach")), row.text(QStringLiteral("ContactNo"))};
}

QList<Report::Replacement> TeamHeader::replacements() const
{
    return {{QStringLiteral("<TEAMSCHOOL>"), ReportText::rtf(school)},
            {QStringLiteral("<TEAMMASCOT>"), ReportText::rtf(mascot)},
            {QStringLiteral("<TEAMCOACH>"), ReportText::rtf(coach)},
            {QStringLiteral("<TEAMCONTACT>"), ReportText::rtf(contact)}};
}
