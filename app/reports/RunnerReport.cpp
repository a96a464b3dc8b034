#include "RunnerReport.h"

#include "data/Connection.h"
#include "records/AppContext.h"
#include "records/Bests.h"
#include "records/MarkNotes.h"
#include "records/MeetSheet.h"
#include "records/ReportRows.h"
#include "records/SlotNotesStore.h"
#include "reports/ReportChart.h"
#include "reports/ReportFragments.h"
#include "reports/ReportQuery.h"
#include "reports/ReportText.h"

Report RunnerReport::build(AppContext& app, qint64 runner)
{
    ReportQuery person([&] { return ReportRows::runner(app.connection(), runner); });
    const QString name = person.text(QStringLiteral("Name"));
    const QString school = person.text(QStringLiteral("School"));
    const QString address = person.text(QStringLiteral("Address"));
    const QString phone = person.text(QStringLiteral("PhoneNumber"));
    const QString grade = person.text(QStringLiteral("Grade"));

    ReportQuery results([&] { return ReportRows::runnerResults(app.connection(), runner); });
    QList<ReportFragments::RunnerRow> rows;
    for (; !results.eof(); results.moveNext())
        rows.append({results.field(QStringLiteral("Type")).toInt(),
                     results.text(QStringLiteral("EventName")),
                     results.text(QStringLiteral("MeetTime")), MarkNotes::printedOf(results),
                     results.text(QStringLiteral("Place")), results.text(QStringLiteral("Points")),
                     SlotNotesStore::splitOf(results)});

    QHash<qint64, QList<ReportFragments::BestRow>> heads;
    QHash<qint64, QString> charts;
    const QList<Bests::Mark> marks = Bests::marksOf(app.connection(), runner);
    const QMap<qint64, Bests::Event> bests = Bests::of(marks);
    for (auto it = bests.cbegin(); it != bests.cend(); ++it) {
        QList<ReportFragments::BestRow>& lines = heads[it.key()];
        lines.append({QStringLiteral("PR"), it->pr.dateText, it->prText()});
        for (const Bests::Mark& sb : it->seasonBests)
            lines.append(
                {QStringLiteral("SB ") + QString::number(sb.date.year()), sb.dateText, sb.text});
        QList<Bests::Mark> ofEvent;
        for (const Bests::Mark& m : marks)
            if (m.type == it.key())
                ofEvent << m;
        charts.insert(it.key(),
                      ReportChart::rtf(
                          ofEvent, MeetSheet::eventName(static_cast<int>(it.key()) - 1), it->pr));
    }

    return Report(
        QStringLiteral("runner.rtf"),
        {{QStringLiteral("<USERNAME>"), ReportText::rtf(app.userName())},
         {QStringLiteral("<USERSCHOOL>"), ReportText::rtf(app.school())},
         {QStringLiteral("<RUNNERNAME>"), ReportText::rtf(name)},
         {QStringLiteral("<RUNNERSCHOOL>"), ReportText::rtf(school)},
         {QStringLiteral("<RUNNERGRADE>"), ReportText::rtf(grade)},
         {QStringLiteral("<RUNNERADDRESS>"), ReportText::rtf(address)},
         {QStringLiteral("<RUNNERCONTACT>"), ReportText::rtf(phone)},
         {QStringLiteral("<RUNNERHISTORY>"), ReportFragments::runnerHistory(rows, heads, charts)}});
}
