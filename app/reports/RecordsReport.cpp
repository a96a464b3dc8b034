#include "RecordsReport.h"

#include "data/MarkOrder.h"
#include "records/AppContext.h"
#include "records/MeetSheet.h"
#include "reports/ReportFragments.h"
#include "reports/ReportQuery.h"
#include "reports/ReportText.h"
#include "reports/TeamHeader.h"

namespace {

// The gender a slot's mark counts for, as Events_View's MarkGender gives it, from the tables.
const char* const kMarkGender =
    "CASE WHEN d.Gender IN ('F', 'M') THEN d.Gender "
    "WHEN upper(substr(trim(r.Gender), 1, 1)) IN ('F', 'G', 'W') THEN 'F' "
    "WHEN upper(substr(trim(r.Gender), 1, 1)) IN ('M', 'B') THEN 'M' ELSE '' END";

// The team's marked slots, from the tables themselves: the view would write every one of the
// team's marks as text before sorting them.
QString slotsOf(const QString& team)
{
    return QStringLiteral("FROM Event_to_Runner s JOIN Events e ON e.Pin = s.Event_Pin JOIN "
                          "Event_to_Meet em ON em.Event_Pin = e.Pin JOIN Meets m ON m.Pin = "
                          "em.Meet_Pin LEFT JOIN Divisions d ON d.Pin = e.Division_Pin LEFT JOIN "
                          "Runners r ON r.Pin = s.Runner_Pin WHERE (s.feet <> 0 OR s.Inches <> 0) "
                          "AND s.Runner_Pin IN (SELECT Runner_Pin FROM Runner_to_Team WHERE "
                          "Team_Pin = ") +
           team + QLatin1Char(')');
}

// Each event's record among the marks of one gender ("F", "M", empty for not known), or of all
// marks when none is given.
QList<ReportFragments::RecordRow> records(AppContext& app, const QString& team,
                                          std::optional<QString> gender)
{
    QList<ReportFragments::RecordRow> rows;
    for (int type = 1; type <= MeetSheet::Events; ++type) {
        ReportFragments::RecordRow row{MeetSheet::eventName(type - 1), {}, {}, {}, {}};
        // The best slot from the tables, then its row of the view.
        ReportQuery slot(
            QStringLiteral("SELECT s.Pin AS JoinPin ") + slotsOf(team) +
                QStringLiteral(" AND e.Type = ") + QString::number(type) +
                (gender
                     ? QStringLiteral(" AND ") + QLatin1String(kMarkGender) + QStringLiteral(" = ?")
                     : QString()) +
                QStringLiteral(" ORDER BY ") +
                MarkOrder::bestFirst(type, QStringLiteral("s.feet"), QStringLiteral("s.Inches")) +
                QStringLiteral(", m.MeetTime, s.Pin LIMIT 1"),
            gender ? QVariantList{*gender} : QVariantList{}, app.connection());
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
    return rows;
}

// The genders the team's marks count for, of "F", "M" and "" (not known).
QStringList gendersOf(AppContext& app, const QString& team)
{
    QStringList found;
    for (ReportQuery rs(QStringLiteral("SELECT DISTINCT ") + QLatin1String(kMarkGender) +
                            QStringLiteral(" AS MarkGender ") + slotsOf(team),
                        app.connection());
         !rs.eof(); rs.moveNext())
        found << rs.text(QStringLiteral("MarkGender"));
    return found;
}

} // namespace

Report RecordsReport::build(AppContext& app, qint64 team, const QString& gender)
{
    const QString t = QString::number(team);
    QString tables;
    const QStringList known = gender.isEmpty() ? gendersOf(app, t) : QStringList{gender};
    if (gender.isEmpty() && !known.contains(QStringLiteral("F")) &&
        !known.contains(QStringLiteral("M"))) {
        tables = ReportFragments::records(records(app, t, std::nullopt));
    } else {
        const std::pair<QString, QString> groups[] = {
            {QStringLiteral("F"), QStringLiteral("Girls")},
            {QStringLiteral("M"), QStringLiteral("Boys")},
            {QString(), QStringLiteral("Not known")}};
        for (const auto& [g, heading] : groups) {
            // Girls and boys always; marks of neither only where there are some.
            if ((g.isEmpty() && !known.contains(g)) || (!gender.isEmpty() && g != gender))
                continue;
            tables += (tables.isEmpty() ? QString()
                                        : QStringLiteral("\\par\\pard\\sb360\\plain\\f1\\fs18 ")) +
                      QStringLiteral("{\\f0\\fs22\\b ") + ReportText::rtf(heading) +
                      QStringLiteral("}\\line ") + ReportFragments::records(records(app, t, g));
        }
    }
    const TeamHeader header = TeamHeader::read(app.connection(), team);
    return Report(QStringLiteral("records.rtf"),
                  QList<Report::Replacement>{
                      {QStringLiteral("<USERNAME>"), ReportText::rtf(app.userName())},
                      {QStringLiteral("<USERSCHOOL>"), ReportText::rtf(app.school())}} +
                      header.replacements() +
                      QList<Report::Replacement>{{QStringLiteral("<RECORDS>"), tables}});
}
