#include "TeamReport.h"

#include "records/AppContext.h"
#include "reports/ReportFragments.h"
#include "reports/ReportQuery.h"
#include "reports/ReportText.h"

Report TeamReport::build(AppContext& app, qint64 team)
{
    const QString t = QString::number(team);
    ReportQuery row(QStringLiteral("SELECT * FROM Teams WHERE Pin=") + t, app.connection());
    const QString school = row.text(QStringLiteral("school"));
    const QString mascot = row.text(QStringLiteral("mascot"));
    const QString coach = row.text(QStringLiteral("coach"));
    const QString contact = row.text(QStringLiteral("ContactNo"));

    ReportQuery runners(QStringLiteral("SELECT * FROM Runners_View WHERE Team_Pin=") + t +
                            QStringLiteral(" ORDER BY Grade DESC, Name ASC"),
                        app.connection());
    QList<ReportFragments::RosterRow> roster;
    for (; !runners.eof(); runners.moveNext())
        roster.append({runners.text(QStringLiteral("grade")), runners.text(QStringLiteral("Name")),
                       runners.text(QStringLiteral("PhoneNumber"))});

    ReportQuery meets(QStringLiteral("SELECT * FROM Meets_Info WHERE Team_Pin=") + t +
                          QStringLiteral(" ORDER BY MeetTime"),
                      app.connection());
    QList<ReportFragments::ScheduleRow> schedule;
    for (; !meets.eof(); meets.moveNext())
        schedule.append({meets.text(QStringLiteral("MeetTime")),
                         meets.text(QStringLiteral("HostingSchool")),
                         meets.text(QStringLiteral("Place"))});

    return Report(QStringLiteral("team.rtf"),
                  {{QStringLiteral("<USERNAME>"), ReportText::rtf(app.userName())},
                   {QStringLiteral("<USERSCHOOL>"), ReportText::rtf(app.school())},
                   {QStringLiteral("<TEAMSCHOOL>"), ReportText::rtf(school)},
                   {QStringLiteral("<TEAMMASCOT>"), ReportText::rtf(mascot)},
                   {QStringLiteral("<TEAMCOACH>"), ReportText::rtf(coach)},
                   {QStringLiteral("<TEAMCONTACT>"), ReportText::rtf(contact)},
                   {QStringLiteral("<TEAMROSTER>"), ReportFragments::teamRoster(roster)},
                   {QStringLiteral("<TEAMSCHEDULE>"), ReportFragments::teamSchedule(schedule)}});
}
