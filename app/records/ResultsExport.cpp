#include "ResultsExport.h"

#include "data/Field.h"
#include "data/MarkOrder.h"
#include "data/RowReader.h"
#include "records/CsvText.h"
#include "records/Gender.h"
#include "records/HandTimes.h"
#include "records/MarkFormat.h"
#include "records/MarkNotes.h"

#include <QHash>
#include <algorithm>
#include <limits>
#include <optional>
#include <tuple>
#include <vector>

// An export reads every result. Asked of Events_View with an ORDER BY, a server spent more
// time writing the view's marks and sorting a hundred thousand wide rows than on all the rest,
// and each row carried its meet's, event's and runner's texts again. So the slots are read
// alone, first (what they name is read after them, so that a runner or event added meanwhile
// cannot leave a slot half-known), the few meets, events and runners once each, and the rows
// are put together, written and sorted here, alike for both engines.
namespace {

const char* const kSlots =
    "SELECT s.Pin, s.Event_Pin, s.Runner_Pin, s.feet, s.Inches, s.Minutes, s.Seconds, s.Place, "
    "s.Points, s.Timing, s.Wind, s.Aided, s.RelayTeam FROM Event_to_Runner s WHERE s.Runner_Pin "
    "<> 0";
const char* const kEvents =
    "SELECT e.Pin, em.Meet_Pin, e.Type, e.Division_Pin FROM Events e JOIN EventType et ON et.Pin "
    "= e.Type JOIN Event_to_Meet em ON em.Event_Pin = e.Pin WHERE 1 = 1";
const char* const kEventNames = "SELECT Pin, Name FROM EventType";
const char* const kDivisions = "SELECT Pin, Name, Gender FROM Divisions";
const char* const kMeets = "SELECT m.Pin, m.MeetTime, h.School, m.Place FROM Meets m LEFT JOIN "
                           "Teams h ON h.Pin = m.HostingTeam WHERE 1 = 1";
const char* const kRunners =
    "SELECT r.Pin, r.Name, r.Gender, rt.Pin, t.School FROM Runners r LEFT JOIN Runner_to_Team "
    "rt ON rt.Runner_Pin = r.Pin LEFT JOIN Teams t ON t.Pin = rt.Team_Pin WHERE r.Name IS NOT "
    "NULL";

constexpr qint64 kNullFirst = std::numeric_limits<qint64>::min();
constexpr qint64 kNullLast = std::numeric_limits<qint64>::max();

qint64 orNull(const QVariant& value, qint64 null)
{
    return value.isNull() ? null : value.toLongLong();
}

QString text(const QVariant& value)
{
    return Field::fromSqlValue(value, false).text();
}

struct Slot
{
    qint64 pin, event, runner, relay;
    double feet, inches, minutes, seconds;
    QVariant place, points;
    std::optional<double> wind;
    bool hand, aided;
};

struct Meet
{
    std::optional<QByteArray> held; // as the engines compare it
    QString date, host, place;
};

struct Event
{
    qint64 meet, type, division;
};

// What an event's type and division are called; a division's gender.
struct Names
{
    QHash<qint64, QString> events;
    QHash<qint64, std::pair<QString, QString>> divisions;
};

struct Runner
{
    qint64 link;
    QString name, gender, team; // gender as "F", "M" or nothing
};

// A line of the file: by meet (by date as text, an empty date first, then Pin), division,
// event type, relay team and slot, each empty value first; then the team link, for a runner
// on two teams.
struct Line
{
    qint64 meet, division, type, relay, slot, link;
    const Slot* s;
    const Event* event;
    const Runner* runner;
    auto key() const { return std::tie(meet, division, type, relay, slot, link); }
};

// The scope's condition on Meets m, and its values.
std::pair<QString, QVariantList> condition(ResultsExport::Scope scope)
{
    QString sql;
    QVariantList values;
    if (scope.meet) {
        sql += QStringLiteral(" AND m.Pin = ?");
        values << *scope.meet;
    }
    if (scope.season) {
        // A season's meets: those of its year, in ISO or in an older file's "m/d/yyyy".
        sql += QStringLiteral(" AND (substr(m.MeetTime, 1, 4) = ? OR m.MeetTime LIKE ?)");
        values << QString::number(*scope.season) << QStringLiteral("%/%/%1%").arg(*scope.season);
    }
    return {sql, values};
}

std::vector<Slot> readSlots(Connection& db, const QString& meets, const QVariantList& values)
{
    QString sql = QString::fromLatin1(kSlots);
    if (!meets.isEmpty())
        sql += QStringLiteral(" AND s.Event_Pin IN (SELECT em.Event_Pin FROM Event_to_Meet em "
                              "JOIN Meets m ON m.Pin = em.Meet_Pin WHERE 1 = 1") +
               meets + QLatin1Char(')');
    std::vector<Slot> filled;
    RowReader r(db, sql, values);
    while (r.next()) {
        const QVariant wind = r.value(10);
        filled.push_back({r.value(0).toLongLong(), r.value(1).toLongLong(), r.value(2).toLongLong(),
                          orNull(r.value(12), kNullFirst), r.value(3).toDouble(),
                          r.value(4).toDouble(), r.value(5).toDouble(), r.value(6).toDouble(),
                          r.value(7), r.value(8),
                          wind.isNull() ? std::nullopt : std::optional(wind.toDouble()),
                          r.value(9).toString() == QLatin1String("h"), r.value(11).toInt() != 0});
    }
    return filled;
}

// Of the scope's meets, by Pin; an event in two meets is there twice.
QMultiHash<qint64, Event> readEvents(Connection& db, const QString& meets,
                                     const QVariantList& values)
{
    QString sql = QString::fromLatin1(kEvents);
    if (!meets.isEmpty())
        sql += QStringLiteral(" AND em.Meet_Pin IN (SELECT m.Pin FROM Meets m WHERE 1 = 1") +
               meets + QLatin1Char(')');
    QMultiHash<qint64, Event> events;
    RowReader e(db, sql, values);
    while (e.next())
        events.insert(e.value(0).toLongLong(), {e.value(1).toLongLong(), e.value(2).toLongLong(),
                                                orNull(e.value(3), kNullFirst)});
    return events;
}

Names readNames(Connection& db)
{
    Names names;
    {
        RowReader r(db, QString::fromLatin1(kEventNames));
        while (r.next())
            names.events.insert(r.value(0).toLongLong(), text(r.value(1)));
    }
    RowReader r(db, QString::fromLatin1(kDivisions));
    while (r.next())
        names.divisions.insert(r.value(0).toLongLong(), {text(r.value(1)), text(r.value(2))});
    return names;
}

QHash<qint64, Meet> readMeets(Connection& db, const QString& meets, const QVariantList& values)
{
    QHash<qint64, Meet> byPin;
    QHash<QString, QString> isoDates;
    RowReader m(db, QString::fromLatin1(kMeets) + meets, values);
    while (m.next()) {
        const QVariant held = m.value(1);
        // Each date parsed once.
        QString& date = isoDates[held.toString()];
        if (date.isEmpty())
            date = Field::fromSqlValue(held.toString(), true)
                       .toDateTime()
                       .date()
                       .toString(Qt::ISODate);
        byPin.insert(m.value(0).toLongLong(),
                     {held.isNull() ? std::nullopt : std::optional(held.toString().toUtf8()), date,
                      text(m.value(2)), text(m.value(3))});
    }
    return byPin;
}

// Every named runner once for each of their teams, or once without one.
QMultiHash<qint64, Runner> readRunners(Connection& db)
{
    QMultiHash<qint64, Runner> runners;
    RowReader r(db, QString::fromLatin1(kRunners));
    while (r.next())
        runners.insert(r.value(0).toLongLong(), {orNull(r.value(3), kNullLast), text(r.value(1)),
                                                 Gender::of(text(r.value(2))), text(r.value(4))});
    return runners;
}

// Each meet's place in the file's order.
QHash<qint64, qint64> meetOrder(const QHash<qint64, Meet>& meets)
{
    std::vector<std::pair<std::optional<QByteArray>, qint64>> dates;
    for (auto it = meets.cbegin(); it != meets.cend(); ++it)
        dates.emplace_back(it->held, it.key());
    std::sort(dates.begin(), dates.end());
    QHash<qint64, qint64> order;
    for (size_t i = 0; i < dates.size(); ++i)
        order.insert(dates[i].second, qint64(i));
    return order;
}

void appendLine(QString& out, const Line& line, const Meet& meet, const Names& names)
{
    const Slot& s = *line.s;
    const qint64 type = line.event->type;
    const double value = MarkOrder::value(type, s.feet, s.inches);
    // "hand" or "auto" for a time; the wind with its sign, or "w" for an aided mark without
    // one; the value a hand time ranks by where it was converted.
    const double ranked = HandTimes::ranked(type, value, s.hand);
    const QString timing = MarkOrder::isField(type) || value == 0 ? QString()
                           : s.hand                               ? QStringLiteral("hand")
                                                                  : QStringLiteral("auto");
    QString wind = s.wind ? MarkNotes::windText(*s.wind) : QString();
    if (s.aided && wind.isEmpty())
        wind = QStringLiteral("w");
    const auto division = names.divisions.constFind(line.event->division);
    const QString divisionName = division == names.divisions.cend() ? QString() : division->first;
    const QString divisionGender =
        division == names.divisions.cend() ? QString() : division->second;
    const QString gender =
        divisionGender == QLatin1String("F") || divisionGender == QLatin1String("M")
            ? divisionGender
            : line.runner->gender;
    bool first = true;
    for (const QString& field :
         {meet.date, meet.host, meet.place, names.events.value(type), line.runner->name,
          line.runner->team, MarkFormat::text(type, s.feet, s.inches, s.minutes, s.seconds),
          value == 0 ? QString() : QString::number(value, 'f', 2), text(s.place), text(s.points),
          divisionName, gender, timing, wind,
          ranked == value ? QString() : QString::number(ranked, 'f', 2)}) {
        CsvText::appendField(out, field, first);
        first = false;
    }
    CsvText::endLine(out);
}

} // namespace

QStringList ResultsExport::header()
{
    return {QStringLiteral("Date"),   QStringLiteral("Host"),       QStringLiteral("Meet place"),
            QStringLiteral("Event"),  QStringLiteral("Athlete"),    QStringLiteral("Team"),
            QStringLiteral("Mark"),   QStringLiteral("Mark value"), QStringLiteral("Place"),
            QStringLiteral("Points"), QStringLiteral("Division"),   QStringLiteral("Gender"),
            QStringLiteral("Timing"), QStringLiteral("Wind"),       QStringLiteral("Converted")};
}

QString ResultsExport::csv(Connection& db, Scope scope)
{
    const auto [meets, values] = condition(scope);
    const std::vector<Slot> filled = readSlots(db, meets, values);
    const QMultiHash<qint64, Event> events = readEvents(db, meets, values);
    const QHash<qint64, Meet> meetsByPin = readMeets(db, meets, values);
    const QMultiHash<qint64, Runner> runners = readRunners(db);
    const Names names = readNames(db);

    const QHash<qint64, qint64> order = meetOrder(meetsByPin);
    std::vector<Line> lines;
    lines.reserve(filled.size());
    for (const Slot& s : filled)
        for (auto [ev, evEnd] = events.equal_range(s.event); ev != evEnd; ++ev) {
            const auto meet = order.constFind(ev->meet);
            if (meet == order.cend())
                continue;
            for (auto [ru, ruEnd] = runners.equal_range(s.runner); ru != ruEnd; ++ru)
                lines.push_back(
                    {*meet, ev->division, ev->type, s.relay, s.pin, ru->link, &s, &*ev, &*ru});
        }
    std::sort(lines.begin(), lines.end(),
              [](const Line& a, const Line& b) { return a.key() < b.key(); });

    QString out = CsvText::line(header());
    out.reserve(qsizetype(lines.size()) * 110);
    for (const Line& line : lines)
        appendLine(out, line, *meetsByPin.constFind(line.event->meet), names);
    return out;
}
