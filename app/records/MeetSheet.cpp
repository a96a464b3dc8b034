#include "MeetSheet.h"

#include "data/Connection.h"
#include "data/RecordSet.h"
#include "data/SqlText.h"
#include "records/MeetChangedError.h"
#include "records/SheetNumber.h"

#include <QDateTime>

namespace {

const char* const kNames[MeetSheet::Events] = {
    "100 Meter Dash",   "200 Meter Dash",    "400 Meter Dash", "800 Meter Dash",  "1600 Meter Run",
    "3200 Meter Run",   "300 Meter Hurdles", "High Jump",      "Long Jump",       "Triple Jump",
    "Pole Vault",       "Shot Put",          "Discus Throw",   "400 Meter Relay", "800 Meter Relay",
    "1600 Meter Relay", "3200 Meter Relay"};

QString number(qint64 n)
{
    return QString::number(n);
}

MeetSheet::Entry entryOf(const RecordSet& row)
{
    return {true,
            row.field(QStringLiteral("runner_pin")).toInt(),
            row.field(QStringLiteral("joinpin")).toInt(),
            row.field(QStringLiteral("Runners_Name")).text(),
            {}};
}

MeetSheet::Numbers numbersOf(const RecordSet& row)
{
    return {row.field(QStringLiteral("Place")).text(), row.field(QStringLiteral("Points")).text(),
            row.field(QStringLiteral("Measure1")).text(),
            row.field(QStringLiteral("Measure2")).text()};
}

// The first box of a slot that cannot be saved, or -1.
int badBox(const MeetSheet::Numbers& n, const QString& where, bool field, QString* message)
{
    const QString names[] = {MeetSheet::boxName(field, 0), MeetSheet::boxName(field, 1),
                             MeetSheet::boxName(field, 2), MeetSheet::boxName(field, 3)};
    const QString typed[] = {n.place, n.points, n.mark1, n.mark2};
    for (int box = 0; box < 4; ++box) {
        if (!SheetNumber::sqlLiteral(typed[box])) {
            *message = MeetSheet::refusal(where, names[box], typed[box], SheetNumber::rule()) +
                       QStringLiteral(" Nothing was saved.");
            return box;
        }
    }
    // Seconds stay under a minute and inches under a foot: the whole minutes and feet go in
    // the box beside them.
    const int limit = field ? 12 : 60;
    if (SheetNumber::sqlLiteral(n.mark2)->toDouble() >= limit) {
        *message = QStringLiteral("%1: the %2 box holds \"%3\", but it must hold less than %4 "
                                  "(put whole %5 in the %6 box). Nothing was saved.")
                       .arg(where, names[3], n.mark2, number(limit),
                            field ? QStringLiteral("feet") : QStringLiteral("minutes"), names[2]);
        return 3;
    }
    return -1;
}

QString slotStatement(qint64 runner, const MeetSheet::Numbers& n, qint64 join)
{
    const QString mark1 = *SheetNumber::sqlLiteral(n.mark1);
    const QString mark2 = *SheetNumber::sqlLiteral(n.mark2);
    return QStringLiteral("UPDATE Event_to_Runner Set Runner_Pin = ") + number(runner) +
           QStringLiteral(",feet=") + mark1 + QStringLiteral(",Inches=") + mark2 +
           QStringLiteral(",Minutes=") + mark1 + QStringLiteral(",Seconds=") + mark2 +
           QStringLiteral(",Points=") + *SheetNumber::sqlLiteral(n.points) +
           QStringLiteral(",Place=") + *SheetNumber::sqlLiteral(n.place) +
           QStringLiteral(" WHERE Pin=") + number(join);
}

} // namespace

QString MeetSheet::eventName(int event)
{
    return QString::fromLatin1(kNames[event]);
}

std::optional<MeetSheet> MeetSheet::load(Connection& db, qint64 meetPin)
{
    const QString pin = number(meetPin);
    MeetSheet sheet;
    sheet.meet = meetPin;
    RecordSet info(QStringLiteral("SELECT * From Meets_Info WHERE meet_pin = ") + pin, db);
    if (info.eof()) {
        // A meet whose team was deleted has no Meets_Info row; show it all the same.
        info.open(QStringLiteral("SELECT Meets.Pin AS Meet_Pin, MeetTime, Weather, Place, "
                                 "HostingTeam AS HostingPin, Teams.School AS HostingSchool "
                                 "FROM Meets LEFT JOIN Teams ON Teams.Pin = Meets.HostingTeam "
                                 "WHERE Meets.Pin = ") +
                      pin,
                  db);
        if (info.eof())
            return std::nullopt;
    } else {
        sheet.team = info.field(QStringLiteral("Team_Pin")).toInt();
    }
    const QDateTime when = info.field(QStringLiteral("MeetTime")).toDateTime();
    sheet.date = when.date();
    sheet.time = when.time();
    sheet.weather = info.field(QStringLiteral("weather")).text();
    if (!info.field(QStringLiteral("HostingPin")).isNull())
        sheet.host = info.field(QStringLiteral("HostingPin")).toInt();
    sheet.hostName = info.field(QStringLiteral("HostingSchool")).text();
    sheet.place = info.field(QStringLiteral("Place")).text();
    const RecordSet stamp(QStringLiteral("SELECT ChangedAt FROM Meets WHERE Pin = ") + pin, db);
    if (!stamp.eof())
        sheet.changedAt = stamp.field(QStringLiteral("ChangedAt")).text();

    for (int e = 0; e < Individual; ++e) {
        RecordSet rs(QStringLiteral("SELECT * From Events_View WHERE meet_pin=") + pin +
                         QStringLiteral(" AND type = ") + number(e + 1) +
                         SqlDialect::storedOrder(db.engine(), QStringLiteral("JoinPin")),
                     db);
        for (Entry* entry :
             {&sheet.first[static_cast<size_t>(e)], &sheet.second[static_cast<size_t>(e)]}) {
            if (rs.eof())
                break;
            *entry = entryOf(rs);
            entry->numbers = numbersOf(rs);
            rs.moveNext();
        }
    }
    for (int r = 0; r < Relays; ++r) {
        Relay& relay = sheet.relays[static_cast<size_t>(r)];
        RecordSet rs(QStringLiteral("SELECT * From Events_View WHERE meet_pin=") + pin +
                         QStringLiteral(" AND type = ") + number(r + 14) +
                         QStringLiteral(" ORDER BY JoinPin"),
                     db);
        // The relay's numbers are what a save writes: the result of the first leg that has a
        // runner, or of the last leg when none has.
        bool shown = false;
        for (size_t k = 0; k < 4 && !rs.eof(); ++k, rs.moveNext()) {
            relay.legs[k] = entryOf(rs);
            if (!shown)
                relay.numbers = numbersOf(rs);
            shown = shown || !rs.field(QStringLiteral("runners_name")).isNull();
        }
    }
    return sheet;
}

std::optional<MeetSheet::Problem> MeetSheet::check() const
{
    QString message;
    for (int e = 0; e < Individual; ++e) {
        const Entry* entries[] = {&first[static_cast<size_t>(e)], &second[static_cast<size_t>(e)]};
        for (int k = 0; k < 2; ++k) {
            if (entries[k]->name.isEmpty())
                continue;
            if (const int box = badBox(entries[k]->numbers, where(e, k), isField(e), &message);
                box >= 0)
                return Problem{e, k, box, message};
        }
    }
    for (int r = 0; r < Relays; ++r) {
        const Relay& relay = relays[static_cast<size_t>(r)];
        for (int k = 0; k < 4; ++k) {
            if (relay.legs[static_cast<size_t>(k)].name.isEmpty())
                continue;
            if (const int box = badBox(relay.numbers, eventName(Individual + r), false, &message);
                box >= 0)
                return Problem{Individual + r, k, box, message};
        }
    }
    return std::nullopt;
}

QString MeetSheet::refusal(const QString& where, const QString& box, const QString& typed,
                           const QString& must)
{
    return QStringLiteral("%1: the %2 box holds \"%3\", but it must hold %4.")
        .arg(where, box, typed, must);
}

QString MeetSheet::boxName(bool field, int box)
{
    switch (box) {
    case 0:
        return QStringLiteral("Place");
    case 1:
        return QStringLiteral("Points");
    case 2:
        return field ? QStringLiteral("Feet") : QStringLiteral("Mins");
    default:
        return field ? QStringLiteral("Inches") : QStringLiteral("Secs");
    }
}

QString MeetSheet::where(int event, int entry)
{
    if (event >= Individual)
        return eventName(event);
    return eventName(event) +
           (entry == 0 ? QStringLiteral(", first entry") : QStringLiteral(", second entry"));
}

namespace {

bool hasMark(const MeetSheet::Numbers& n)
{
    for (const QString& box : {n.mark1, n.mark2}) {
        const std::optional<QString> literal = SheetNumber::sqlLiteral(box);
        if (!literal || literal->toDouble() != 0)
            return true;
    }
    return false;
}

bool hasNumbers(const MeetSheet::Numbers& n)
{
    const std::optional<QString> place = SheetNumber::sqlLiteral(n.place);
    const std::optional<QString> points = SheetNumber::sqlLiteral(n.points);
    return hasMark(n) || !place || place->toDouble() != 0 || !points || points->toDouble() != 0;
}

} // namespace

QList<MeetSheet::Gap> MeetSheet::gaps() const
{
    QList<Gap> found;
    auto look = [&found](int event, int entry, bool runner, const QString& name, const Numbers& n) {
        if (runner && !hasMark(n))
            found << Gap{event, entry, true,
                         where(event, entry) + QStringLiteral(": ") + name +
                             QStringLiteral(" has no mark")};
        else if (!runner && hasNumbers(n))
            found << Gap{event, entry, false,
                         where(event, entry) + QStringLiteral(": results but no runner")};
    };
    for (int e = 0; e < Individual; ++e) {
        for (int k = 0; k < 2; ++k) {
            const Entry& entry = (k == 0 ? first : second)[static_cast<size_t>(e)];
            if (entry.exists)
                look(e, k, !entry.name.isEmpty(), entry.name, entry.numbers);
        }
    }
    for (int r = 0; r < Relays; ++r) {
        const Relay& relay = relays[static_cast<size_t>(r)];
        QStringList legs;
        for (const Entry& leg : relay.legs) {
            if (!leg.name.isEmpty())
                legs << leg.name;
        }
        if (relay.legs[0].exists)
            look(Individual + r, 0, !legs.isEmpty(), legs.join(QStringLiteral("; ")),
                 relay.numbers);
    }
    return found;
}

void MeetSheet::save(Connection& db, const QString& by)
{
    const QString pin = number(meet);
    const QString now =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    db.transaction([&] {
        // The meet is claimed first: a second save of the same meet waits here for the first
        // to end, and then finds its stamp changed.
        if (db.execute(QStringLiteral("UPDATE Meets SET ChangedBy = '%1', ChangedAt = '%2' "
                                      "WHERE Pin = %3 AND coalesce(ChangedAt, '') = '%4'")
                           .arg(escapeSqlText(by), now, pin, escapeSqlText(changedAt))) != 1) {
            const RecordSet other(
                QStringLiteral("SELECT ChangedBy, ChangedAt FROM Meets WHERE Pin = ") + pin, db);
            if (other.eof())
                throw DatabaseError(QStringLiteral("This meet is no longer in the database."));
            throw MeetChangedError(
                other.field(QStringLiteral("ChangedBy")).text(),
                Field::fromSqlValue(other.field(QStringLiteral("ChangedAt")).text(), true)
                    .toDateTime());
        }
        for (int e = 0; e < Individual; ++e) {
            for (const Entry* entry :
                 {&first[static_cast<size_t>(e)], &second[static_cast<size_t>(e)]}) {
                if (!entry->name.isEmpty())
                    db.execute(slotStatement(entry->runner, entry->numbers, entry->join));
            }
        }
        for (int r = 0; r < Relays; ++r) {
            const Relay& relay = relays[static_cast<size_t>(r)];
            // Leg k writes to the k-th slot in the order the sheet was loaded in.
            RecordSet rs(QStringLiteral("SELECT * FROM Events_View where meet_Pin=") + pin +
                             QStringLiteral(" AND type=") + number(r + 14) +
                             QStringLiteral(" ORDER BY JoinPin"),
                         db);
            for (size_t k = 0; k < 4 && !rs.eof(); ++k, rs.moveNext()) {
                if (!relay.legs[k].name.isEmpty())
                    db.execute(slotStatement(relay.legs[k].runner, relay.numbers,
                                             rs.field(QStringLiteral("JoinPin")).toInt()));
            }
        }
        db.execute(QStringLiteral("UPDATE Meets SET Weather = '") + escapeSqlText(weather) +
                   QStringLiteral("' WHERE PIN = ") + pin);
        // A host that was never chosen stays as it is.
        if (host)
            db.execute(QStringLiteral("UPDATE Meets SET HostingTeam = ") + number(*host) +
                       QStringLiteral(" WHERE Pin = ") + pin);
        // The one sortable form, with a time of day that an older file kept.
        QString when = date.toString(Qt::ISODate);
        if (time.isValid() && time != QTime(0, 0))
            when += QLatin1Char(' ') + time.toString(QStringLiteral("HH:mm:ss"));
        db.execute(QStringLiteral("UPDATE Meets SET MeetTime = '") + when +
                   QStringLiteral("' WHERE PIN = ") + pin);
        db.execute(QStringLiteral("UPDATE Meets Set Place='") + escapeSqlText(place) +
                   QStringLiteral("' WHERE PIN = ") + pin);
    });
    changedAt = now;
}

void MeetSheet::remove(Connection& db, qint64 meetPin)
{
    const QString pin = number(meetPin);
    db.transaction([&] {
        for (RecordSet events(QStringLiteral("SELECT * FROM Event_to_Meet WHERE Meet_Pin=") + pin,
                              db);
             !events.eof(); events.moveNext()) {
            const QString event = events.field(QStringLiteral("Event_Pin")).text();
            db.execute(QStringLiteral("DELETE FROM Events WHERE Pin = ") + event);
            db.execute(QStringLiteral("DELETE FROM Event_to_Runner WHERE Event_Pin = ") + event);
            db.execute(QStringLiteral("DELETE FROM Event_to_Meet WHERE Event_Pin = ") + event);
        }
        db.execute(QStringLiteral("DELETE FROM Meets WHERE Pin = ") + pin);
        db.execute(QStringLiteral("DELETE FROM Meet_to_Team WHERE Meet_Pin = ") + pin);
    });
}
