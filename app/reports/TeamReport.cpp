#include "TeamReport.h"

#include "data/Connection.h"
#include "records/AppContext.h"
#include "records/ReportRows.h"
#include "reports/ReportFragments.h"
#include "reports/ReportQuery.h"
#include "reports/ReportText.h"
#include "reports/TeamHeader.h"

Report TeamReport::build(AppContext& app, qint64 team)
{
    const TeamHeader header = TeamHeader::read(app.connection(), team);

    ReportQuery runners([&] { return ReportRows::teamRoster(app.connection(), team); });
    QList<ReportFragments::RosterRow> roster;
    for (; !runners.eof(); runners.moveNext())
        roster.append({runners.text(QStringLiteral("grade")), runners.text(QStringLiteral("Name")),
                       runners.text(QStringLiteral("PhoneNumber"))});

    ReportQuery meets([&] { return ReportRows::teamMeets(app.connection(), team); });
    QList<ReportFragments::ScheduleRow> schedule;
    for (; !meets.eof(); meets.moveNext())
        schedule.append({meets.text(QStringLiteral("MeetTime")),
                         meets.text(QStringLiteral("HostingSchool")),
                         meets.text(QStringLiteral("Place"))});

    return Report(
        QStringLiteral("team.rtf"),
        QList<Report::Replacement>{
            {QStringLiteral("<USERNAME>"), ReportText::rtf(app.userName())},
            {QStringLiteral("<USERSCHOOL>"), ReportText::rtf(app.school())}} +
            header.replacements() +
            QList<Report::Replacement>{
                {QStringLiteral("<TEAMROSTER>"), ReportFragments::teamRoster(roster)},
                {QStringLiteral("<TEAMSCHEDULE>"), ReportFragments::teamSchedule(schedule)}});
}
