#include "TeamReport.h"

#include "data/Connection.h"
#include "records/AppContext.h"
#include "reports/ReportFragments.h"
#include "reports/ReportQuery.h"
#include "reports/ReportText.h"
#include "reports/TeamHeader.h"

Report TeamReport::build(AppContext& app, qint64 team)
{
    const QString t = QString::number(team);
    const TeamHeader header = TeamHeader::read(app.connection(), team);

    ReportQuery runners(QStringLiteral("SELECT * FROM Runners_View WHERE Team_Pin=") + t +
                            QStringLiteral(" ORDER BY Grade DESC, Name ASC"),
                        app.connection());
    QList<ReportFragments::RosterRow> roster;
    for (; !runners.eof(); runners.moveNext())
        roster.append({runners.text(QStringLiteral("grade")), runners.text(QStringLiteral("Name")),
                       runners.text(QStringLiteral("PhoneNumber"))});

    ReportQuery meets(
        QStringLiteral("SELECT * FROM Meets_Info WHERE Team_Pin=") + t +
            QStringLiteral(" ORDER BY MeetTime") +
            SqlDialect::tiesInStoredOrder(app.connection().engine(), QStringLiteral("Meet_Pin")),
        app.connection());
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
