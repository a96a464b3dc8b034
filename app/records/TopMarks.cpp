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
#include <map>

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
    // The mark as typed, and what the officials wrote beside it: the listed marks' text is
    // made once the lists are cut.
    double typed = 0;
    QString timing;
    std::optional<double> wind;
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

// The listed marks as the reports print them, from the view's text of each.
void writeMarks(Connection& db, QList<TopMarks::List>& lists,
                const QHash<qint64, Candidate>& listed)
{
    if (listed.isEmpty())
        return;
    QStringList pins;
    for (auto it = listed.cbegin(); it != listed.cend(); ++it)
        pins << QString::number(it.key());
    QHash<qint64, QString> texts;
    // The Pins are the database's own numbers.
    for (RecordSet rs(QStringLiteral("SELECT JoinPin, MeasureTime FROM Events_View WHERE JoinPin "
                                     "IN (%1)")
                          .arg(pins.join(QLatin1Char(','))),
                      db);
         !rs.eof(); rs.moveNext())
        texts.insert(rs.field(QStringLiteral("JoinPin")).toInt(),
                     rs.field(QStringLiteral("MeasureTime")).text());
    for (TopMarks::List& list : lists)
        for (TopMarks::Entry& e : list.entries) {
            const Candidate& c = listed.value(e.join);
            e.mark =
                HandTimes::shown(list.type, c.typed, c.timing == QLatin1String("h"),
                                 MarkNotes::printed(texts.value(e.join), c.timing, c.wind, false));
        }
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
                                     int places, bool byGrade)
{
    // From the tables themselves: the view would write each of the team's thousands of marks
    // as text before the few listed ones are known.
    RecordSet rs(
        QStringLiteral(
            "SELECT s.Pin AS JoinPin, e.Type AS Type, et.isRelay AS isRelay, s.feet AS Measure1, "
            "s.Inches AS Measure2, s.Timing AS Timing, s.Wind AS Wind, m.MeetTime AS Held, "
            "h.School AS HostingSchool, m.Pin AS Meet_Pin, e.Pin AS Event_Pin, s.RelayTeam AS "
            "RelayTeam, s.Runner_Pin AS Runner_Pin, r.Name AS Runners_Name, CASE WHEN d.Gender "
            "IN ('F', 'M') THEN d.Gender WHEN upper(substr(trim(r.Gender), 1, 1)) IN ('F', 'G', "
            "'W') THEN 'F' WHEN upper(substr(trim(r.Gender), 1, 1)) IN ('M', 'B') THEN 'M' ELSE "
            "'' END AS MarkGender, r.Grade AS Grade, r.ClassOf AS ClassOf, r.DoNotPublish AS "
            "DoNotPublish FROM Event_to_Runner s JOIN Events e ON e.Pin = s.Event_Pin JOIN "
            "EventType et ON et.Pin = e.Type JOIN Event_to_Meet em ON em.Event_Pin = e.Pin JOIN "
            "Meets m ON m.Pin = em.Meet_Pin LEFT JOIN Teams h ON h.Pin = m.HostingTeam LEFT JOIN "
            "Divisions d ON d.Pin = e.Division_Pin JOIN Runners r ON r.Pin = s.Runner_Pin WHERE "
            "(s.feet <> 0 OR s.Inches <> 0) AND s.Aided = 0 AND s.Runner_Pin IN (SELECT "
            "Runner_Pin FROM Runner_to_Team WHERE Team_Pin = ?)") +
            Season::condition(season).replace(QLatin1String("MeetTime"),
                                              QLatin1String("m.MeetTime")),
        {team}, db);
    const auto column = [&](const char* name) {
        return rs.column(QLatin1String(name));
    };
    const int cJoin = column("JoinPin"), cType = column("Type"), cRelay = column("isRelay"),
              cFirst = column("Measure1"), cSecond = column("Measure2"), cTiming = column("Timing"),
              cWind = column("Wind"), cHeld = column("Held"), cHost = column("HostingSchool"),
              cMeet = column("Meet_Pin"), cEvent = column("Event_Pin"), cTeam = column("RelayTeam"),
              cRunner = column("Runner_Pin"), cName = column("Runners_Name"),
              cGender = column("MarkGender"), cGrade = column("Grade"),
              cClassOf = column("ClassOf"), cHidden = column("DoNotPublish");

    // By grade (0 unless by grade), gender and event, then by competitor: "a" and the runner,
    // or "r", the event and the relay team.
    QMap<std::tuple<int, int, int>, QHash<QString, Candidate>> groups;
    struct Relay
    {
        Candidate team;
        int type;
        QString gender;
    };
    std::map<QString, Relay> relays;
    const QStringList genders{QStringLiteral("F"), QStringLiteral("M"), QString()};
    // The meet's time as stored: as a date column it would be parsed again on every row, and
    // a team has a few dozen meets.
    QHash<QString, Field> dates;
    // Asked once: the local date costs a look at the time zone each time.
    const QDate today = QDate::currentDate();
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
        auto known = dates.constFind(held);
        if (known == dates.cend())
            known = dates.insert(held, Field::fromSqlValue(held, true));
        const QDate day = known->toDateTime().date();

        Candidate found;
        found.join = join;
        found.entry.value = HandTimes::ranked(type, typed, hand);
        found.entry.held = held;
        found.entry.heldText = known->text();
        found.entry.date = day;
        found.entry.host = rs.field(cHost).text();
        found.entry.meet = rs.field(cMeet).toInt();
        found.typed = typed;
        found.timing = rs.field(cTiming).text();
        if (const Field& wind = rs.field(cWind); !wind.isNull())
            found.wind = wind.toDouble();
        if (!relay)
            found.entry.grade = SchoolYear::gradeAt(optionalNumber(rs.field(cClassOf)),
                                                    optionalNumber(rs.field(cGrade)), day, today);
        if (byGrade && !found.entry.grade)
            continue;

        const Leg leg{join, rs.field(cName).text(), runner, rs.field(cHidden).toInt() != 0};
        if (relay) {
            // A relay team is one entry whatever its legs: its mark is the one its first leg
            // holds, and it counts for the gender all its legs' marks count for, or neither.
            auto [it, added] = relays.try_emplace(key, Relay{found, type, gender});
            if (!added) {
                if (it->second.gender != gender)
                    it->second.gender.clear();
                if (join < it->second.team.join) {
                    found.legs = it->second.team.legs;
                    it->second.team = found;
                }
            }
            it->second.team.legs << leg;
            continue;
        }
        QHash<QString, Candidate>& group =
            groups[{byGrade ? *found.entry.grade : 0, genderOrder, type}];
        auto it = group.find(key);
        if (it == group.end() || ahead(type, found, *it)) {
            found.legs = {leg};
            group.insert(key, found);
        }
    }
    for (const auto& [key, relay] : relays)
        groups[{0, std::max<int>(0, static_cast<int>(genders.indexOf(relay.gender))), relay.type}]
            .insert(key, relay.team);

    QList<List> lists;
    QHash<qint64, Candidate> listed;
    for (auto g = groups.cbegin(); g != groups.cend(); ++g) {
        const auto [listGrade, genderOrder, type] = g.key();
        QList<Candidate> ranked = g->values();
        std::sort(ranked.begin(), ranked.end(),
                  [type](const Candidate& a, const Candidate& b) { return ahead(type, a, b); });
        List list{type,
                  genders.at(genderOrder),
                  byGrade ? std::optional<int>(listGrade) : std::nullopt,
                  {}};
        // A relay of the same four legs is listed once, at its best, as an athlete is.
        QSet<QList<qint64>> squads;
        for (const Candidate& c : ranked) {
            Entry entry = c.entry;
            entry.join = c.join;
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
            const int before = static_cast<int>(list.entries.size());
            entry.place = before > 0 && entry.value == list.entries.last().value
                              ? list.entries.last().place
                              : before + 1;
            if (entry.place > places)
                break;
            list.entries << entry;
            listed.insert(c.join, c);
        }
        lists << list;
    }
    writeMarks(db, lists, listed);
    return lists;
}
