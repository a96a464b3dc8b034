#include "EventReport.h"

#include "data/Connection.h"
#include "records/AppContext.h"
#include "records/HandTimes.h"
#include "records/ReportRows.h"
#include "reports/ReportFragments.h"
#include "reports/ReportQuery.h"
#include "reports/ReportText.h"
#include "reports/TeamHeader.h"

#include <QSet>

namespace {

// "100 Meter Dash", "100 Meter Dash, girls, best of each athlete".
QString title(const QString& name, const QString& gender, bool bestOnly)
{
    QString text = name;
    if (!gender.isEmpty())
        text += gender == QLatin1String("F") ? QStringLiteral(", girls") : QStringLiteral(", boys");
    return bestOnly ? text + QStringLiteral(", best of each athlete") : text;
}

} // namespace

Report EventReport::build(AppContext& app, qint64 eventType, qint64 team, bool bestOnly,
                          const QString& gender)
{
    const TeamHeader header = TeamHeader::read(app.connection(), team);
    ReportQuery typeRow([&] { return ReportRows::eventType(app.connection(), eventType); });
    const QString name = typeRow.text(QStringLiteral("Name"));

    ReportQuery results([&] {
        return ReportRows::teamRanking(app.connection(), eventType, team, app.season(), gender);
    });
    QList<ReportFragments::EventRow> rows;
    QSet<qint64> listed;
    for (; !results.eof(); results.moveNext()) {
        // Ranked best first: an athlete's first row is their best; a slot without a mark is none.
        const qint64 runner = results.field(QStringLiteral("runner_pin")).toInt();
        if (bestOnly &&
            (listed.contains(runner) || results.text(QStringLiteral("MeasureTime")).isEmpty()))
            continue;
        listed.insert(runner);
        rows.append({results.field(QStringLiteral("event_Pin")).toInt(),
                     results.field(QStringLiteral("runner_pin")).toInt(),
                     HandTimes::shownOf(eventType, results),
                     results.text(QStringLiteral("Runners_Name")),
                     results.text(QStringLiteral("MeetTime")),
                     results.text(QStringLiteral("HostingSchool"))});
    }

    return Report(
        QStringLiteral("Event.rtf"),
        QList<Report::Replacement>{
            {QStringLiteral("<EVENTNAME>"), ReportText::rtf(title(name, gender, bestOnly))},
            {QStringLiteral("<USERNAME>"), ReportText::rtf(app.userName())},
            {QStringLiteral("<USERSCHOOL>"), ReportText::rtf(app.school())}} +
            header.replacements() +
            QList<Report::Replacement>{
                {QStringLiteral("<EVENTHISTORY>"), ReportFragments::eventHistory(rows)}});
}
