#include "TopMarks.h"

#include "data/MarkOrder.h"
#include "data/RecordSet.h"
#include "records/HandTimes.h"
#include "records/MarkNotes.h"
#include "records/SchoolYear.h"
#include "records/Season.h"

#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QSet>
#include <algorithm>

namespace {

// One competitor's best mark so far: an athlete's, or a relay team's with every leg.
struct Leg
{
    qint64 join;
    QString name;
    qint64 runner;
    bool unpublished;
};

struct Candidate
{
    TopMarks::Entry entry;
    qint64 join = 0;
    QList<Leg> legs;
};

bool ahead(int type, const Candidate& a, const Candidate& b)
{
    if (a.entry.value != b.entry.value)
        return MarkOrder::isField(type) ? a.entry.value > b.entry.value
                                        : a.entry.value < b.entry.value;
    return std::pair(a.entry.held, a.join) < std::pair(b.entry.held, b.join);
}

std::optional<int> optionalNumber(const Field& field)
{
    if (field.isNull() || field.toInt() == 0)
        return std::nullopt;
    return static_cast<int>(field.toInt());
}

} // namespace

QString TopMarks::heading(const QString& gender)
{
    if (gender == QLatin1String("F"))
        return QStringLiteral("Girls");
    if (gender == QLatin1String("M"))
        return QStringLiteral("Boys");
    return QStringLiteral("Not known");
}

QList<TopMarks::List> TopMarks::read(Connection& db, qint64 team, std::optional<int> season,
                                     int places)
{
    RecordSet rs(
        QStringLiteral(
            "SELECT ev.JoinPin AS JoinPin, ev.Type AS Type, ev.isRelay AS isRelay, ev.Measure1 AS "
            "Measure1, ev.Measure2 AS Measure2, ev.MeasureTime AS MeasureTime, ev.Timing AS "
            "Timing, ev.Wind AS Wind, ev.MeetTime AS MeetTime, ev.HostingSchool AS HostingSchool, "
            "ev.Meet_Pin AS Meet_Pin, ev.event_Pin AS Event_Pin, ev.RelayTeam AS RelayTeam, "
            "ev.Runner_Pin AS Runner_Pin, ev.Runners_Name AS Runners_Name, ev.MarkGender AS "
            "MarkGender, r.Grade AS Grade, r.ClassOf AS ClassOf, r.DoNotPublish AS DoNotPublish "
            "FROM Events_View ev JOIN Runners r ON r.Pin = ev.Runner_Pin WHERE (ev.Measure1 <> 0 "
            "OR ev.Measure2 <> 0) AND ev.Aided = 0 AND ev.Runner_Pin IN (SELECT Runner_Pin FROM "
            "Runner_to_Team WHERE Team_Pin = ?)") +
            Season::condition(season).replace(QLatin1String("MeetTime"),
                                              QLatin1String("ev.MeetTime")),
        {team}, db);
    const auto column = [&](const char* name) {
        return rs.column(QLatin1String(name));
    };
    const int cJoin = column("JoinPin"), cType = column("Type"), cRelay = column("isRelay"),
              cFirst = column("Measure1"), cSecond = column("Measure2"),
              cText = column("MeasureTime"), cTiming = column("Timing"), cWind = column("Wind"),
              cHeld = column("MeetTime"), cHost = column("HostingSchool"),
              cMeet = column("Meet_Pin"), cEvent = column("Event_Pin"), cTeam = column("RelayTeam"),
              cRunner = column("Runner_Pin"), cName = column("Runners_Name"),
              cGender = column("MarkGender"), cGrade = column("Grade"),
              cClassOf = column("ClassOf"), cHidden = column("DoNotPublish");

    // By gender and event, then by competitor: "a" and the runner, or "r", the event and the
    // relay team.
    QMap<std::pair<int, int>, QHash<QString, Candidate>> groups;
    const QStringList genders{QStringLiteral("F"), QStringLiteral("M"), QString()};
    QHash<QString, QDate> dates;
    for (; !rs.eof(); rs.moveNext()) {
        const int type = static_cast<int>(rs.field(cType).toInt());
        const QString gender = rs.field(cGender).text();
        const int genderOrder = std::max<int>(0, static_cast<int>(genders.indexOf(gender)));
        const bool relay = rs.field(cRelay).toBool();
        const qint64 join = rs.field(cJoin).toInt();
        const qint64 runner = rs.field(cRunner).toInt();
        const QString key = relay ? QStringLiteral("r%1-%2")
                                        .arg(rs.field(cEvent).toInt())
                                        .arg(rs.field(cTeam).toInt())
                                  : QStringLiteral("a%1").arg(runner);
        const bool hand = rs.field(cTiming).text() == QLatin1String("h");
        const double typed =
            MarkOrder::value(type, rs.field(cFirst).toDouble(), rs.field(cSecond).toDouble());
        const QString held = rs.field(cHeld).text();
        QDate& day = dates[held];
        if (!day.isValid())
            day = Field::fromSqlValue(held, true).toDateTime().date();

        Candidate found;
        found.join = join;
        found.entry.value = HandTimes::ranked(type, typed, hand);
        found.entry.held = held;
        found.entry.host = rs.field(cHost).text();
        found.entry.meet = rs.field(cMeet).toInt();
        const Field& wind = rs.field(cWind);
        found.entry.mark = HandTimes::shown(
            type, typed, hand,
            MarkNotes::printed(rs.field(cText).text(), rs.field(cTiming).text(),
                               wind.isNull() ? std::nullopt : std::optional(wind.toDouble()),
                               false));
        if (!relay)
            found.entry.grade =
                SchoolYear::gradeAt(optionalNumber(rs.field(cClassOf)),
                                    optionalNumber(rs.field(cGrade)), day, QDate::currentDate());

        const Leg leg{join, rs.field(cName).text(), runner, rs.field(cHidden).toInt() != 0};
        QHash<QString, Candidate>& group = groups[{genderOrder, type}];
        auto it = group.find(key);
        if (relay && it != group.end()) {
            // Another leg: the team's mark is the one its first leg holds.
            it->legs << leg;
            if (join < it->join) {
                found.legs = it->legs;
                *it = found;
            }
        } else if (it == group.end() || ahead(type, found, *it)) {
            found.legs = {leg};
            group.insert(key, found);
        }
    }

    QList<List> lists;
    for (auto g = groups.cbegin(); g != groups.cend(); ++g) {
        const int type = g.key().second;
        QList<Candidate> ranked = g->values();
        std::sort(ranked.begin(), ranked.end(),
                  [type](const Candidate& a, const Candidate& b) { return ahead(type, a, b); });
        List list{type, genders.at(g.key().first), {}};
        // A relay of the same four legs is listed once, at its best, as an athlete is.
        QSet<QList<qint64>> squads;
        for (const Candidate& c : ranked) {
            Entry entry = c.entry;
            QList<Leg> legs = c.legs;
            std::sort(legs.begin(), legs.end(),
                      [](const Leg& a, const Leg& b) { return a.join < b.join; });
            for (const Leg& leg : legs) {
                entry.names << leg.name;
                entry.runners << leg.runner;
                entry.unpublished << leg.unpublished;
            }
            QList<qint64> squad = entry.runners;
            std::sort(squad.begin(), squad.end());
            if (squads.contains(squad))
                continue;
            squads.insert(squad);
            const int listed = static_cast<int>(list.entries.size());
            entry.place = listed > 0 && entry.value == list.entries.last().value
                              ? list.entries.last().place
                              : listed + 1;
            if (entry.place > places)
                break;
            list.entries << entry;
        }
        lists << list;
    }
    return lists;
}
