#include "ReportRows.h"

#include "data/Connection.h"
#include "records/HandTimes.h"
#include "records/Season.h"

namespace {

QString statement(Connection& db, SqlDialect::Statement which)
{
    return SqlDialect::text(which, db.engine());
}

} // namespace

RecordSet ReportRows::team(Connection& db, qint64 team)
{
    return RecordSet(QStringLiteral("SELECT * FROM Teams WHERE Pin=") + QString::number(team), db);
}

RecordSet ReportRows::teamRoster(Connection& db, qint64 team)
{
    return RecordSet(statement(db, SqlDialect::Statement::TeamRoster).arg(team), db);
}

RecordSet ReportRows::teamMeets(Connection& db, qint64 team)
{
    return RecordSet(statement(db, SqlDialect::Statement::TeamMeets).arg(team), db);
}

RecordSet ReportRows::runner(Connection& db, qint64 runner)
{
    return RecordSet(
        QStringLiteral("SELECT * FROM Runners_View WHERE Pin=") + QString::number(runner), db);
}

RecordSet ReportRows::runnerResults(Connection& db, qint64 runner)
{
    return RecordSet(statement(db, SqlDialect::Statement::RunnerResults).arg(runner), db);
}

RecordSet ReportRows::eventType(Connection& db, qint64 type)
{
    return RecordSet(QStringLiteral("SELECT * FROM EventType WHERE Pin = ") + QString::number(type),
                     db);
}

RecordSet ReportRows::teamRanking(Connection& db, qint64 type, qint64 team,
                                  std::optional<int> season, const QString& gender)
{
    const QString conditions =
        Season::condition(season) +
        (gender.isEmpty() ? QString() : QStringLiteral(" AND MarkGender = ?"));
    // A ranking: the best mark first, which for a race is the lowest time.
    const QString order =
        HandTimes::bestFirst(type, QStringLiteral("Measure1"), QStringLiteral("Measure2"),
                             QStringLiteral("Timing"), db.engine());
    return RecordSet(statement(db, SqlDialect::Statement::TeamRanking)
                         .arg(QString::number(team), QString::number(type), conditions, order),
                     gender.isEmpty() ? QVariantList{} : QVariantList{gender}, db);
}

RecordSet ReportRows::meetInfo(Connection& db, qint64 meet)
{
    return RecordSet(
        QStringLiteral("SELECT * FROM meets_info WHERE meet_Pin=") + QString::number(meet), db);
}

RecordSet ReportRows::meetDivisions(Connection& db, qint64 meet)
{
    return RecordSet(QStringLiteral("SELECT Pin, Name, Gender FROM Divisions WHERE Meet_Pin = ? "
                                    "ORDER BY Position, Pin"),
                     {meet}, db);
}

RecordSet ReportRows::meetEvent(Connection& db, qint64 meet, int type)
{
    // A meet of one division sends the sheet's own statements.
    return RecordSet(statement(db, type >= 14 ? SqlDialect::Statement::MeetRelay
                                              : SqlDialect::Statement::MeetPlaces)
                         .arg(QString::number(meet), QString::number(type)),
                     db);
}

RecordSet ReportRows::meetSlots(Connection& db, qint64 meet)
{
    return RecordSet(
        QStringLiteral("SELECT * FROM Events_View WHERE Meet_Pin = ? ORDER BY JoinPin"), {meet},
        db);
}

RecordSet ReportRows::slot(Connection& db, qint64 join)
{
    return RecordSet(QStringLiteral("SELECT * FROM Events_View WHERE JoinPin = ?"), {join}, db);
}

RecordSet ReportRows::relayLegs(Connection& db, qint64 event, qint64 relayTeam)
{
    return RecordSet(QStringLiteral("SELECT * FROM Events_View WHERE event_Pin = ? AND RelayTeam = "
                                    "? AND Runners_Name IS NOT NULL ORDER BY JoinPin"),
                     {event, relayTeam}, db);
}

RecordSet ReportRows::teamMarks(Connection& db, qint64 team)
{
    // The gender a slot's mark counts for, as Events_View's MarkGender gives it.
    return RecordSet(
        QStringLiteral(
            "SELECT s.Pin AS JoinPin, e.Type AS Type, s.feet AS F, s.Inches AS I, s.Timing AS T, "
            "m.MeetTime AS Held, CASE WHEN d.Gender IN ('F', 'M') THEN d.Gender WHEN "
            "upper(substr(trim(r.Gender), 1, 1)) IN ('F', 'G', 'W') THEN 'F' WHEN "
            "upper(substr(trim(r.Gender), 1, 1)) IN ('M', 'B') THEN 'M' ELSE '' END AS MarkGender "
            "FROM Event_to_Runner s JOIN Events e ON e.Pin = s.Event_Pin JOIN Event_to_Meet em ON "
            "em.Event_Pin = e.Pin JOIN Meets m ON m.Pin = em.Meet_Pin LEFT JOIN Divisions d ON "
            "d.Pin = e.Division_Pin LEFT JOIN Runners r ON r.Pin = s.Runner_Pin WHERE (s.feet <> 0 "
            "OR s.Inches <> 0) AND s.Runner_Pin IN (SELECT Runner_Pin FROM Runner_to_Team WHERE "
            "Team_Pin = ?) AND s.Aided = 0"),
        {team}, db);
}
