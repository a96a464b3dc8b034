#include "SiteData.h"

#include "data/DatabaseError.h"
#include "data/MarkOrder.h"
#include "data/RecordSet.h"
#include "records/HandTimes.h"
#include "records/MarkNotes.h"
#include "records/SchoolYear.h"
#include "records/TeamRecord.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

std::optional<int> number(const Field& field)
{
    if (field.isNull() || field.toInt() == 0)
        return std::nullopt;
    return static_cast<int>(field.toInt());
}

int placeOrder(const QString& place)
{
    bool ok = false;
    const int n = place.toInt(&ok);
    // Unplaced entries after the placed ones.
    return ok && n > 0 ? n : 1 << 20;
}

} // namespace

SiteData SiteData::read(Connection& db, qint64 team, std::optional<int> season)
{
    SiteData site;
    site.team = team;
    const std::optional<TeamRecord> record = TeamRecord::load(db, team);
    if (!record)
        throw DatabaseError(QStringLiteral("There is no team %1 in the database.").arg(team));
    site.school = record->school;
    site.mascot = record->mascot;
    site.coach = record->coach;

    QHash<qint64, int> meetOrder;
    for (RecordSet rs(QStringLiteral("SELECT Meet_Pin, MeetTime, Weather, Place, HostingSchool "
                                     "FROM Meets_Info WHERE Team_Pin = ?"),
                      {team}, db);
         !rs.eof(); rs.moveNext()) {
        Meet meet{rs.field(QStringLiteral("Meet_Pin")).toInt(),
                  rs.field(QStringLiteral("MeetTime")).text(),
                  rs.field(QStringLiteral("MeetTime")).toDateTime().date(),
                  rs.field(QStringLiteral("HostingSchool")).text(),
                  rs.field(QStringLiteral("Place")).text(),
                  rs.field(QStringLiteral("Weather")).text()};
        if (meet.place == QLatin1String("0"))
            meet.place.clear();
        if (meet.date.isValid() && !site.seasons.contains(meet.date.year()))
            site.seasons << meet.date.year();
        if (!season || meet.date.year() == *season)
            site.meets << meet;
    }
    std::sort(site.seasons.begin(), site.seasons.end(), std::greater<>());
    std::stable_sort(site.meets.begin(), site.meets.end(), [](const Meet& a, const Meet& b) {
        if (a.date.isValid() != b.date.isValid())
            return a.date.isValid();
        return std::pair(a.date, a.pin) < std::pair(b.date, b.pin);
    });
    for (const Meet& m : site.meets)
        meetOrder.insert(m.pin, static_cast<int>(meetOrder.size()));

    RecordSet rs(
        QStringLiteral(
            "SELECT ev.JoinPin AS JoinPin, ev.Meet_Pin AS Meet_Pin, ev.event_Pin AS Event_Pin, "
            "ev.Division_Pin AS Division_Pin, ev.DivisionName AS DivisionName, ev.RelayTeam AS "
            "RelayTeam, ev.Runner_Pin AS Runner_Pin, ev.Runners_Name AS Runners_Name, ev.Type AS "
            "Type, ev.Measure1 AS Measure1, ev.Measure2 AS Measure2, ev.MeasureTime AS "
            "MeasureTime, ev.Timing AS Timing, ev.Wind AS Wind, ev.Aided AS Aided, ev.Place AS "
            "Place, ev.Points AS Points, ev.MarkGender AS MarkGender, r.Grade AS Grade, "
            "r.ClassOf AS ClassOf, r.DoNotPublish AS DoNotPublish FROM Events_View ev JOIN "
            "Runners r ON r.Pin = ev.Runner_Pin WHERE ev.Meet_Pin IN (SELECT Meet_Pin FROM "
            "Meet_to_Team WHERE Team_Pin = ?)"),
        {team}, db);
    const auto column = [&](const char* name) {
        return rs.column(QLatin1String(name));
    };
    const int cJoin = column("JoinPin"), cMeet = column("Meet_Pin"), cEvent = column("Event_Pin"),
              cDivision = column("Division_Pin"), cDivisionName = column("DivisionName"),
              cRelay = column("RelayTeam"), cRunner = column("Runner_Pin"),
              cName = column("Runners_Name"), cType = column("Type"), cFirst = column("Measure1"),
              cSecond = column("Measure2"), cText = column("MeasureTime"),
              cTiming = column("Timing"), cWind = column("Wind"), cAided = column("Aided"),
              cPlace = column("Place"), cPoints = column("Points"), cGender = column("MarkGender"),
              cGrade = column("Grade"), cClassOf = column("ClassOf"),
              cHidden = column("DoNotPublish");
    const QDate today = QDate::currentDate();
    QHash<qint64, QDate> days;
    for (const Meet& m : site.meets)
        days.insert(m.pin, m.date);
    for (; !rs.eof(); rs.moveNext()) {
        const qint64 meet = rs.field(cMeet).toInt();
        if (!meetOrder.contains(meet))
            continue;
        Result r;
        r.meet = meet;
        r.event = rs.field(cEvent).toInt();
        r.division = rs.field(cDivision).toInt();
        r.divisionName = rs.field(cDivisionName).text();
        r.relayTeam = rs.field(cRelay).toInt();
        r.runner = rs.field(cRunner).toInt();
        r.name = rs.field(cName).text();
        r.unpublished = rs.field(cHidden).toInt() != 0;
        const QDate day = days.value(meet);
        r.grade =
            SchoolYear::gradeAt(number(rs.field(cClassOf)), number(rs.field(cGrade)), day, today);
        r.gender = rs.field(cGender).text();
        Bests::Mark& m = r.mark;
        m.type = rs.field(cType).toInt();
        m.join = rs.field(cJoin).toInt();
        m.runner = r.runner;
        m.hand = rs.field(cTiming).text() == QLatin1String("h");
        m.aided = rs.field(cAided).toInt() != 0;
        const double typed =
            MarkOrder::value(m.type, rs.field(cFirst).toDouble(), rs.field(cSecond).toDouble());
        if (typed != 0) {
            m.value = HandTimes::ranked(m.type, typed, m.hand);
            const Field& wind = rs.field(cWind);
            m.text = HandTimes::shown(
                m.type, typed, m.hand,
                MarkNotes::printed(rs.field(cText).text(), rs.field(cTiming).text(),
                                   wind.isNull() ? std::nullopt : std::optional(wind.toDouble()),
                                   m.aided));
        }
        m.date = day;
        m.dateText = day.isValid() ? day.toString(Qt::ISODate) : QString();
        r.place = rs.field(cPlace).text();
        r.points = rs.field(cPoints).text();
        if (r.place == QLatin1String("0"))
            r.place.clear();
        if (r.points == QLatin1String("0"))
            r.points.clear();
        site.results << r;
    }
    std::sort(site.results.begin(), site.results.end(), [&](const Result& a, const Result& b) {
        const auto key = [&](const Result& r) {
            return std::tuple(meetOrder.value(r.meet), r.division, r.mark.type, r.relayTeam,
                              placeOrder(r.place), r.mark.join);
        };
        return key(a) < key(b);
    });
    return site;
}

QList<qint64> SiteData::athletes() const
{
    QList<std::pair<QString, qint64>> named;
    QSet<qint64> seen;
    for (const Result& r : results)
        if (!seen.contains(r.runner)) {
            seen.insert(r.runner);
            named.append({r.name, r.runner});
        }
    std::sort(named.begin(), named.end());
    QList<qint64> pins;
    for (const auto& [name, pin] : named)
        pins << pin;
    return pins;
}
