#include "RecordsReport.h"

#include "data/MarkOrder.h"
#include "records/AppContext.h"
#include "records/MeetSheet.h"
#include "reports/ReportFragments.h"
#include "reports/ReportQuery.h"
#include "reports/ReportText.h"
#include "reports/TeamHeader.h"

Report RecordsReport::build(AppContext& app, qint64 team)
{
    const QString t = QString::number(team);
    QList<ReportFragments::RecordRow> rows;
    for (int type = 1; type <= MeetSheet::Events; ++type) {
        ReportFragments::RecordRow row{MeetSheet::eventName(type - 1), {}, {}, {}, {}};
        // The best slot from the tables themselves, then its row of the view: the view would
        // write every one of the team's marks as text before sorting them.
        ReportQuery slot(
            QStringLiteral("SELECT s.Pin AS JoinPin FROM Event_to_Runner s JOIN Events e ON e.Pin "
                           "= s.Event_Pin JOIN Event_to_Meet em ON em.Event_Pin = e.Pin JOIN "
                           "Meets m ON m.Pin = em.Meet_Pin WHERE e.Type = ") +
                QString::number(type) +
                QStringLiteral(" AND (s.feet <> 0 OR s.Inches <> 0) AND s.Runner_Pin IN (SELECT "
                               "Runner_Pin FROM Runner_to_Team WHERE Team_Pin = ") +
                t + QStringLiteral(") ORDER BY ") +
                MarkOrder::bestFirst(type, QStringLiteral("s.feet"), QStringLiteral("s.Inches")) +
                QStringLiteral(", m.MeetTime, s.Pin LIMIT 1"),
            app.connection());
        if (slot.eof()) {
            rows << row;
            continue;
        }
        ReportQuery best(QStringLiteral("SELECT * FROM Events_View WHERE JoinPin = ") +
                             slot.text(QStringLiteral("JoinPin")),
                         app.connection());
        if (!best.eof()) {
            row.measureTime = best.text(QStringLiteral("MeasureTime"));
            row.meetTime = best.text(QStringLiteral("MeetTime"));
            row.host = best.text(QStringLiteral("HostingSchool"));
            if (type >= MeetSheet::Individual + 1) {
                // The relay's result stands in each leg's slot: every leg of that one team.
                for (ReportQuery legs(QStringLiteral("SELECT * FROM Events_View WHERE event_Pin "
                                                     "= ? AND RelayTeam = ? AND Runners_Name IS "
                                                     "NOT NULL ORDER BY JoinPin"),
                                      {best.field(QStringLiteral("event_Pin")).toInt(),
                                       best.field(QStringLiteral("RelayTeam")).toInt()},
                                      app.connection());
                     !legs.eof(); legs.moveNext())
                    row.names << legs.text(QStringLiteral("Runners_Name"));
            } else {
                row.names << best.text(QStringLiteral("Runners_Name"));
            }
        }
        rows << row;
    }
    const TeamHeader header = TeamHeader::read(app.connection(), team);
    return Report(QStringLiteral("records.rtf"),
                  QList<Report::Replacement>{
                      {QStringLiteral("<USERNAME>"), ReportText::rtf(app.userName())},
                      {QStringLiteral("<USERSCHOOL>"), ReportText::rtf(app.school())}} +
                      header.replacements() +
                      QList<Report::Replacement>{
                          {QStringLiteral("<RECORDS>"), ReportFragments::records(rows)}});
}
