#include "RecordsReport.h"

#include "data/MarkOrder.h"
#include "records/AppContext.h"
#include "records/HandTimes.h"
#include "records/MarkNotes.h"
#include "records/MeetSheet.h"
#include "records/ReportRows.h"
#include "reports/ReportFragments.h"
#include "reports/ReportQuery.h"
#include "reports/ReportText.h"
#include "reports/TeamHeader.h"
#include "reports/TopListReport.h"

#include <array>

namespace {

// A marked slot of the team's, as the records compare it.
struct Marked
{
    qint64 join;
    int type;
    double value; // as it ranks
    QString held;
    QString gender;
    double typed;
    bool hand;
};

// The team's marked slots, each with the gender its mark counts for.
QList<Marked> markedSlots(AppContext& app, qint64 team)
{
    QList<Marked> marks;
    // A wind-aided mark is never a record.
    ReportQuery rs([&] { return ReportRows::teamMarks(app.connection(), team); });
    // A team has thousands of marks: each column is found once.
    const int join = rs.column(QStringLiteral("JoinPin")),
              typeColumn = rs.column(QStringLiteral("Type")),
              first = rs.column(QStringLiteral("F")), second = rs.column(QStringLiteral("I")),
              timing = rs.column(QStringLiteral("T")), held = rs.column(QStringLiteral("Held")),
              gender = rs.column(QStringLiteral("MarkGender"));
    for (; !rs.eof(); rs.moveNext()) {
        const int type = static_cast<int>(rs.field(typeColumn).toInt());
        const double typed =
            MarkOrder::value(type, rs.field(first).toDouble(), rs.field(second).toDouble());
        const bool hand = rs.field(timing).text() == QLatin1String("h");
        marks.append({rs.field(join).toInt(), type, HandTimes::ranked(type, typed, hand),
                      rs.field(held).text(), rs.field(gender).text(), typed, hand});
    }
    return marks;
}

// Each event's record among the marks of one gender ("F", "M", empty for not known), or of all
// marks when none is given: the best mark, a tie going to the earlier meet, then to the slot
// made first.
QList<ReportFragments::RecordRow> records(AppContext& app, const QList<Marked>& marks,
                                          std::optional<QString> gender)
{
    std::array<const Marked*, MeetSheet::Events + 1> best{};
    for (const Marked& m : marks) {
        if ((gender && m.gender != *gender) || m.type < 1 || m.type > MeetSheet::Events)
            continue;
        const Marked*& record = best[size_t(m.type)];
        const bool field = MarkOrder::isField(m.type);
        if (!record || (field ? m.value > record->value : m.value < record->value) ||
            (m.value == record->value &&
             std::pair(m.held, m.join) < std::pair(record->held, record->join)))
            record = &m;
    }
    QList<ReportFragments::RecordRow> rows;
    for (int type = 1; type <= MeetSheet::Events; ++type) {
        ReportFragments::RecordRow row{MeetSheet::eventName(type - 1), {}, {}, {}, {}};
        if (!best[size_t(type)]) {
            rows << row;
            continue;
        }
        ReportQuery record(
            [&] { return ReportRows::slot(app.connection(), best[size_t(type)]->join); });
        if (!record.eof()) {
            const Marked* m = best[size_t(type)];
            row.measureTime =
                HandTimes::shown(type, m->typed, m->hand, MarkNotes::printedOf(record));
            row.meetTime = record.text(QStringLiteral("MeetTime"));
            row.host = record.text(QStringLiteral("HostingSchool"));
            if (type >= MeetSheet::Individual + 1) {
                // The relay's result stands in each leg's slot: every leg of that one team.
                for (ReportQuery legs([&] {
                         return ReportRows::relayLegs(
                             app.connection(), record.field(QStringLiteral("event_Pin")).toInt(),
                             record.field(QStringLiteral("RelayTeam")).toInt());
                     });
                     !legs.eof(); legs.moveNext())
                    row.names << legs.text(QStringLiteral("Runners_Name"));
            } else {
                row.names << record.text(QStringLiteral("Runners_Name"));
            }
        }
        rows << row;
    }
    return rows;
}

} // namespace

Report RecordsReport::build(AppContext& app, qint64 team, const QString& gender)
{
    const QList<Marked> marks = markedSlots(app, team);
    QStringList known;
    for (const Marked& m : marks)
        if (!known.contains(m.gender))
            known << m.gender;
    QString tables;
    if (gender.isEmpty() && !known.contains(QStringLiteral("F")) &&
        !known.contains(QStringLiteral("M"))) {
        tables = ReportFragments::records(records(app, marks, std::nullopt));
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
                      QStringLiteral("}\\line ") + ReportFragments::records(records(app, marks, g));
        }
    }
    // Where grades are known: a database with class years, or marks of this school year.
    if (const QString grades = TopListReport::byGrade(app, team, gender); !grades.isEmpty())
        tables += QStringLiteral("\\par\\pard\\sb360\\plain\\f1\\fs18 {\\f0\\fs22\\b ") +
                  ReportText::rtf(QStringLiteral("Records by grade")) + QStringLiteral("}\\line ") +
                  grades;
    const TeamHeader header = TeamHeader::read(app.connection(), team);
    return Report(QStringLiteral("records.rtf"),
                  QList<Report::Replacement>{
                      {QStringLiteral("<USERNAME>"), ReportText::rtf(app.userName())},
                      {QStringLiteral("<USERSCHOOL>"), ReportText::rtf(app.school())}} +
                      header.replacements() +
                      QList<Report::Replacement>{{QStringLiteral("<RECORDS>"), tables}});
}
