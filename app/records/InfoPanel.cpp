#include "InfoPanel.h"

#include "data/Connection.h"
#include "data/RecordSet.h"
#include "records/HandTimes.h"
#include "records/ReportRows.h"
#include "records/Season.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

QString line(const char* caption, int gap, const RecordSet& rs, const char* column)
{
    return QLatin1String(caption) + blanks(gap) + rs.field(QLatin1String(column)).text();
}

} // namespace

std::optional<QString> InfoPanel::team(Connection& db, qint64 team)
{
    const RecordSet rs(QStringLiteral("SELECT * FROM Teams WHERE Pin=") + QString::number(team),
                       db);
    if (rs.eof())
        return std::nullopt;
    return line("School:", 8, rs, "School") + CrLf + line("Coach:", 9, rs, "Coach") + CrLf +
           line("Contact:", 7, rs, "ContactNo") + CrLf + line("Mascot:", 8, rs, "Mascot");
}

std::optional<QString> InfoPanel::runner(Connection& db, qint64 runner)
{
    const RecordSet rs(QStringLiteral("SELECT * From Runners_View WHERE Runner_Pin = ") +
                           QString::number(runner),
                       db);
    if (rs.eof())
        return std::nullopt;
    return line("Name:", 10, rs, "Name") + CrLf + line("Phone:", 9, rs, "PhoneNumber") + CrLf +
           line("Address:", 7, rs, "Address");
}

std::optional<QString> InfoPanel::meet(Connection& db, qint64 meet)
{
    const RecordSet rs(
        QStringLiteral("SELECT * FROM Meets_Info WHERE Meet_Pin=") + QString::number(meet), db);
    if (rs.eof())
        return std::nullopt;
    return line("School:", 8, rs, "HostingSchool") + CrLf + line("Time:", 11, rs, "MeetTime") +
           CrLf + line("Weather:", 5, rs, "Weather") + CrLf + line("Place:", 10, rs, "Place") +
           CrLf;
}

QString InfoPanel::event(Connection& db, qint64 type, const QString& eventName,
                         std::optional<int> season)
{
    // The best real mark: the lowest time of a run or relay, the highest mark of a field
    // event, among slots that have a runner and a mark; a tie goes to the most recent meet.
    // The best slot from the tables, then its row of the view: the view would write every
    // slot's mark as text before sorting them. Without a season, only the forty best marks
    // are joined to their meets (on a server the join of every slot was half the time), and
    // the marks tied with the best when the tie may reach beyond them. Whether a slot's
    // runner is still there is asked only of the best one (asked of every slot, it took a
    // fifth of a server's time); when it is gone, the best is asked again among the slots
    // whose runner is there.
    const SqlDialect::Engine engine = db.engine();
    const QString feet = QStringLiteral("s.feet"), inches = QStringLiteral("s.Inches"),
                  timing = QStringLiteral("s.Timing");
    auto bestSlot = [&](const QString& more) {
        std::optional<qint64> pin;
        if (!season) {
            const QString rank = HandTimes::rankSql(type, feet, inches, timing, engine);
            const RecordSet first(
                SqlDialect::text(SqlDialect::Statement::BestSlotShortList, engine).arg(more, rank),
                {type}, db);
            if (!first.eof() && first.field(QStringLiteral("Cut")).toBool()) {
                const RecordSet tied(
                    SqlDialect::text(SqlDialect::Statement::BestSlotTied, engine).arg(more, rank),
                    {type, first.field(QStringLiteral("Ranked")).toDouble()}, db);
                if (!tied.eof())
                    pin = tied.field(QStringLiteral("JoinPin")).toInt();
            } else if (!first.eof()) {
                pin = first.field(QStringLiteral("JoinPin")).toInt();
            }
        }
        if (!pin) {
            const QString conditions = Season::condition(season).replace(
                QLatin1String("MeetTime"), QLatin1String("m.MeetTime"));
            const RecordSet all(SqlDialect::text(SqlDialect::Statement::BestSlot, engine)
                                    .arg(conditions + more,
                                         HandTimes::bestFirst(type, feet, inches, timing, engine)),
                                {type}, db);
            if (all.eof())
                return RecordSet();
            pin = all.field(QStringLiteral("JoinPin")).toInt();
        }
        return ReportRows::slot(db, *pin);
    };
    RecordSet best = bestSlot({});
    if (!best.eof() && best.field(QStringLiteral("Runners_Name")).isNull())
        best = bestSlot(
            QStringLiteral(" AND EXISTS (SELECT 1 FROM Runners r WHERE r.Pin = s.Runner_Pin)"));
    if (best.eof())
        return season ? QStringLiteral("No mark has been recorded in the %1 in %2.")
                            .arg(eventName, Season::caption(season))
                      : QStringLiteral("No mark has been recorded in the %1 yet.").arg(eventName);
    const QString mark = HandTimes::shownOf(type, best);
    QString text = QStringLiteral("Best Time:") + blanks(3) + mark + CrLf;
    if (best.field(QStringLiteral("isRelay")).toBool()) {
        // The relay's result stands in each leg's slot: name the legs of that one team.
        bool first = true;
        for (RecordSet legs =
                 ReportRows::relayLegs(db, best.field(QStringLiteral("event_Pin")).toInt(),
                                       best.field(QStringLiteral("RelayTeam")).toInt());
             !legs.eof(); legs.moveNext()) {
            text += (first ? QLatin1String("Competitor:") + blanks(2) : blanks(21)) +
                    legs.field(QStringLiteral("Runners_Name")).text() + CrLf;
            first = false;
        }
    } else {
        text += line("Competitor:", 2, best, "Runners_Name") + CrLf;
    }
    return text + line("Date:", 11, best, "MeetTime") + CrLf;
}
