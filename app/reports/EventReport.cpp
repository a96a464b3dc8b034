#include "EventReport.h"

#include "data/MarkOrder.h"
#include "records/AppContext.h"
#include "reports/ReportFragments.h"
#include "reports/ReportQuery.h"
#include "reports/ReportText.h"

Report EventReport::build(AppContext& app, qint64 eventType, qint64 team)
{
    const QString t = QString::number(team);
    const QString e = QString::number(eventType);
    ReportQuery teamRow(QStringLiteral("SELECT * FROM Teams WHERE Pin=") + t, app.connection());
    const QString school = teamRow.text(QStringLiteral("school"));
    const QString mascot = teamRow.text(QStringLiteral("mascot"));
    const QString coach = teamRow.text(QStringLiteral("coach"));
    const QString contact = teamRow.text(QStringLiteral("ContactNo"));
    ReportQuery typeRow(QStringLiteral("SELECT * FROM EventType WHERE Pin = ") + e,
                        app.connection());
    const QString name = typeRow.text(QStringLiteral("Name"));

    // A ranking: the best mark first, which for a race is the lowest time.
    ReportQuery results(QStringLiteral("SELECT * FROM Events_View WHERE Runner_Pin IN (SELECT "
                                       "Runner_Pin FROM Runner_to_Team WHERE Team_Pin = ") +
                            t + QStringLiteral(") AND Type=") + e + QStringLiteral(" ORDER BY ") +
                            MarkOrder::bestFirst(eventType),
                        app.connection());
    QList<ReportFragments::EventRow> rows;
    for (; !results.eof(); results.moveNext())
        rows.append({results.field(QStringLiteral("event_Pin")).toInt(),
                     results.field(QStringLiteral("runner_pin")).toInt(),
                     results.text(QStringLiteral("MeasureTime")),
                     results.text(QStringLiteral("Runners_Name")),
                     results.text(QStringLiteral("MeetTime")),
                     results.text(QStringLiteral("HostingSchool"))});

    return Report(QStringLiteral("Event.rtf"),
                  {{QStringLiteral("<EVENTNAME>"), ReportText::rtf(name)},
                   {QStringLiteral("<USERNAME>"), ReportText::rtf(app.userName())},
                   {QStringLiteral("<USERSCHOOL>"), ReportText::rtf(app.school())},
                   {QStringLiteral("<TEAMSCHOOL>"), ReportText::rtf(school)},
                   {QStringLiteral("<TEAMMASCOT>"), ReportText::rtf(mascot)},
                   {QStringLiteral("<TEAMCOACH>"), ReportText::rtf(coach)},
                   {QStringLiteral("<TEAMCONTACT>"), ReportText::rtf(contact)},
                   {QStringLiteral("<EVENTHISTORY>"), ReportFragments::eventHistory(rows)}});
}
