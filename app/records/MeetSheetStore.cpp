#include "MeetSheetStore.h"

#include "data/Connection.h"
#include "data/NamedStatement.h"
#include "data/RecordSet.h"
#include "records/MeetStamp.h"
#include "records/SlotNotesStore.h"
#include "records/SlotWrites.h"

#include <QDateTime>

namespace {

QString number(qint64 n)
{
    return QString::number(n);
}

MeetSheet::Entry entryOf(const RecordSet& row)
{
    MeetSheet::Entry entry{
        true,
        row.field(QStringLiteral("runner_pin")).toInt(),
        row.field(QStringLiteral("joinpin")).toInt(),
        row.field(QStringLiteral("Runners_Name")).text(),
        {row.field(QStringLiteral("Place")).text(), row.field(QStringLiteral("Points")).text(),
         row.field(QStringLiteral("Measure1")).text(), row.field(QStringLiteral("Measure2")).text(),
         SlotNotesStore::notesOf(row)}};
    entry.split = SlotNotesStore::splitOf(row);
    return entry;
}

qint64 newSlot(Connection& db, qint64 event, int relayTeam)
{
    return db.insert(QStringLiteral("INSERT INTO Event_to_Runner (Event_Pin, Runner_Pin, "
                                    "RelayTeam) VALUES (?, 0, ?)"),
                     {event, relayTeam});
}

// Fills the division's sheet from one row of the meet's slots.
void place(Division& division, const RecordSet& row, QHash<qint64, bool>& relayShown)
{
    const int event = static_cast<int>(row.field(QStringLiteral("Type")).toInt()) - 1;
    if (event < 0 || event >= MeetSheet::Events)
        return;
    if (event < MeetSheet::Individual) {
        MeetSheet::Entry entry = entryOf(row);
        if (!division.first[size_t(event)].exists)
            division.first[size_t(event)] = entry;
        else if (!division.second[size_t(event)].exists)
            division.second[size_t(event)] = entry;
        else
            division.more[size_t(event)] << entry;
        return;
    }
    const int r = event - MeetSheet::Individual;
    const int team = static_cast<int>(row.field(QStringLiteral("RelayTeam")).toInt());
    MeetSheet::Relay* relay = nullptr;
    if (team == 0) {
        relay = &division.relays[size_t(r)];
    } else {
        QList<MeetSheet::Relay>& more = division.moreRelays[size_t(r)];
        if (more.isEmpty() || more.last().team != team) {
            more << MeetSheet::Relay{};
            more.last().team = team;
        }
        relay = &more.last();
    }
    size_t k = 0;
    while (k < 4 && relay->legs[k].exists)
        ++k;
    if (k == 4)
        return;
    MeetSheet::Entry leg = entryOf(row);
    // The relay's numbers are what a save writes: the result of the first leg that has a
    // runner, or of the last leg when none has.
    bool& shown = relayShown[row.field(QStringLiteral("event_Pin")).toInt() * 1000 + team];
    if (!shown)
        relay->numbers = leg.numbers;
    shown = shown || !row.field(QStringLiteral("runners_name")).isNull();
    leg.numbers = {};
    relay->legs[k] = leg;
}

// Writes a relay team's result into the slots of its legs that have a runner: leg k into the
// team's k-th slot in the order the sheet was loaded in. A team new to the event gets its four
// slots first.
void saveRelay(Connection& db, SlotWrites& writes, qint64 event, const MeetSheet::Relay& relay,
               int team, bool make)
{
    QList<qint64> slotPins;
    for (RecordSet rs(QStringLiteral("SELECT Pin FROM Event_to_Runner WHERE Event_Pin = ? AND "
                                     "RelayTeam = ? ORDER BY Pin"),
                      {event, team}, db);
         !rs.eof(); rs.moveNext())
        slotPins << rs.field(QStringLiteral("Pin")).toInt();
    while (make && slotPins.size() < 4)
        slotPins << newSlot(db, event, team);
    for (qsizetype k = 0; k < 4 && k < slotPins.size(); ++k)
        if (const MeetSheet::Entry& leg = relay.legs[size_t(k)]; !leg.name.isEmpty())
            writes.add(slotPins[k], leg.runner, relay.numbers, leg.split);
}

void saveDivision(Connection& db, qint64 meet, Division& division, int position)
{
    if (division.pin == 0) {
        division.pin =
            MeetSheetStore::addDivision(db, meet, division.name, division.gender, position);
        // Events that stood in no division (made by another program) join this one; a
        // division made on the sheet gets its own.
        if (std::any_of(division.events.begin(), division.events.end(),
                        [](qint64 event) { return event != 0; })) {
            for (const qint64 event : division.events)
                if (event != 0)
                    db.execute(QStringLiteral("UPDATE Events SET Division_Pin = ? WHERE Pin = ?"),
                               {division.pin, event});
        } else {
            MeetSheetStore::addEvents(db, meet, division);
        }
    } else {
        db.execute(QStringLiteral("UPDATE Divisions SET Name = ?, Gender = ?, Position = ? "
                                  "WHERE Pin = ?"),
                   {division.name.trimmed(), division.gender, position, division.pin});
    }
    for (const qint64 join : std::as_const(division.dropped))
        db.execute(QStringLiteral("DELETE FROM Event_to_Runner WHERE Pin = ?"), {join});
    for (const auto& [event, team] : std::as_const(division.droppedRelays))
        db.execute(QStringLiteral("DELETE FROM Event_to_Runner WHERE Event_Pin = ? AND "
                                  "RelayTeam = ?"),
                   {division.events[size_t(event)], team});
    SlotNotesStore::clear(db, division.pin);
    SlotWrites writes(db);
    for (int e = 0; e < MeetSheet::Individual; ++e) {
        for (int k = 0; k < division.entryCount(e); ++k) {
            MeetSheet::Entry& entry = *division.entry(e, k);
            if (entry.name.isEmpty())
                continue;
            // A further entry made on the sheet gets its slot now.
            if (entry.join == 0 && k >= 2 && division.events[size_t(e)] != 0)
                entry.join = newSlot(db, division.events[size_t(e)], 0);
            if (entry.join != 0)
                writes.add(entry.join, entry.runner, entry.numbers);
        }
    }
    for (int r = 0; r < MeetSheet::Relays; ++r) {
        const qint64 event = division.events[size_t(MeetSheet::Individual + r)];
        if (event == 0)
            continue;
        saveRelay(db, writes, event, division.relays[size_t(r)], 0, false);
        // The further teams keep their letters in the order they stand on the sheet.
        QList<MeetSheet::Relay>& more = division.moreRelays[size_t(r)];
        for (int t = 0; t < more.size(); ++t) {
            MeetSheet::Relay& relay = more[t];
            if (relay.team > 0 && relay.team != t + 1)
                db.execute(QStringLiteral("UPDATE Event_to_Runner SET RelayTeam = ? WHERE "
                                          "Event_Pin = ? AND RelayTeam = ?"),
                           {t + 1, event, relay.team});
            const bool runners = std::any_of(relay.legs.begin(), relay.legs.end(),
                                             [](const auto& leg) { return !leg.name.isEmpty(); });
            if (relay.team > 0 || runners) {
                saveRelay(db, writes, event, relay, t + 1, true);
                relay.team = t + 1;
            }
        }
    }
    writes.flush();
    division.dropped.clear();
    division.droppedRelays.clear();
}

} // namespace

std::optional<MeetSheet> MeetSheetStore::load(Connection& db, qint64 meetPin)
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

    QHash<qint64, int> byPin;
    sheet.divisions = divisionsOf(db, meetPin);
    for (int d = 0; d < sheet.divisions.size(); ++d)
        byPin.insert(sheet.divisions[d].pin, d);
    for (RecordSet rs(QStringLiteral("SELECT Events.Pin AS Pin, Events.Type AS Type, "
                                     "Events.Division_Pin AS Division_Pin FROM Events JOIN "
                                     "Event_to_Meet ON Event_to_Meet.Event_Pin = Events.Pin "
                                     "WHERE Event_to_Meet.Meet_Pin = ? ORDER BY Events.Pin"),
                      {meetPin}, db);
         !rs.eof(); rs.moveNext()) {
        // Events in no division of the meet (made by another program) show as one unnamed
        // division, which a save makes real.
        const qint64 pin = rs.field(QStringLiteral("Division_Pin")).toInt();
        if (!byPin.contains(pin)) {
            byPin.insert(pin, static_cast<int>(sheet.divisions.size()));
            sheet.divisions << Division{};
        }
        const int d = byPin.value(pin);
        const qint64 type = rs.field(QStringLiteral("Type")).toInt();
        if (d >= 0 && type >= 1 && type <= MeetSheet::Events &&
            sheet.divisions[d].events[size_t(type - 1)] == 0)
            sheet.divisions[d].events[size_t(type - 1)] = rs.field(QStringLiteral("Pin")).toInt();
    }
    // Every slot of the meet at once, each event's in the order they were made.
    QHash<qint64, bool> relayShown;
    for (RecordSet rs(QStringLiteral("SELECT * FROM Events_View WHERE Meet_Pin = ? ORDER BY "
                                     "Division_Pin, Type, RelayTeam, JoinPin"),
                      {meetPin}, db);
         !rs.eof(); rs.moveNext()) {
        const int d = byPin.value(rs.field(QStringLiteral("Division_Pin")).toInt(), -1);
        if (d >= 0 &&
            sheet.divisions[d].events[size_t(rs.field(QStringLiteral("Type")).toInt() - 1)] ==
                rs.field(QStringLiteral("event_Pin")).toInt())
            place(sheet.divisions[d], rs, relayShown);
    }
    if (sheet.divisions.isEmpty())
        sheet.divisions << Division{};
    return sheet;
}

QList<Division> MeetSheetStore::divisionsOf(Connection& db, qint64 meet)
{
    QList<Division> divisions;
    for (RecordSet rs(QStringLiteral("SELECT Pin, Name, Gender FROM Divisions WHERE Meet_Pin = ? "
                                     "ORDER BY Position, Pin"),
                      {meet}, db);
         !rs.eof(); rs.moveNext()) {
        Division division;
        division.pin = rs.field(QStringLiteral("Pin")).toInt();
        division.name = rs.field(QStringLiteral("Name")).text();
        division.gender = rs.field(QStringLiteral("Gender")).text();
        divisions << division;
    }
    return divisions;
}

qint64 MeetSheetStore::addDivision(Connection& db, qint64 meet, const QString& name,
                                   const QString& gender, int position)
{
    return db.insert(QStringLiteral("INSERT INTO Divisions (Meet_Pin, Name, Gender, Position) "
                                    "VALUES (?, ?, ?, ?)"),
                     {meet, name.trimmed(), gender, position});
}

void MeetSheetStore::addEvents(Connection& db, qint64 meet, Division& division)
{
    for (int e = 0; e < MeetSheet::Events; ++e) {
        const qint64 event = db.insert(QStringLiteral("INSERT INTO Events (Type, Place, "
                                                      "Division_Pin) VALUES (?, 0, ?)"),
                                       {e + 1, division.pin});
        db.execute(QStringLiteral("INSERT INTO Event_to_Meet (Event_Pin, Meet_Pin) VALUES (?, ?)"),
                   {event, meet});
        division.events[size_t(e)] = event;
        if (e < MeetSheet::Individual) {
            for (MeetSheet::Entry* entry :
                 {&division.first[size_t(e)], &division.second[size_t(e)]}) {
                entry->exists = true;
                entry->join = newSlot(db, event, 0);
            }
        } else {
            for (MeetSheet::Entry& leg : division.relays[size_t(e - MeetSheet::Individual)].legs) {
                leg.exists = true;
                leg.join = newSlot(db, event, 0);
            }
        }
    }
}

void MeetSheetStore::removeDivision(Connection& db, qint64 division)
{
    for (RecordSet events(QStringLiteral("SELECT Pin FROM Events WHERE Division_Pin = ?"),
                          {division}, db);
         !events.eof(); events.moveNext()) {
        const qint64 event = events.field(QStringLiteral("Pin")).toInt();
        db.execute(QStringLiteral("DELETE FROM Event_to_Runner WHERE Event_Pin = ?"), {event});
        db.execute(QStringLiteral("DELETE FROM Event_to_Meet WHERE Event_Pin = ?"), {event});
        db.execute(QStringLiteral("DELETE FROM Events WHERE Pin = ?"), {event});
    }
    db.execute(QStringLiteral("DELETE FROM Divisions WHERE Pin = ?"), {division});
}

void MeetSheetStore::save(MeetSheet& sheet, Connection& db, const QString& by)
{
    // New divisions, entries and relay teams take their Pins as they are written; the sheet
    // takes them only once the whole save has applied.
    MeetSheet work = sheet;
    const QString pin = number(work.meet);
    const QString now = MeetStamp::now();
    auto write = [&, &sheet = work] {
        MeetStamp::claim(db, sheet.meet, by, now, sheet.changedAt);
        for (const qint64 division : std::as_const(sheet.droppedDivisions))
            removeDivision(db, division);
        for (int d = 0; d < sheet.divisions.size(); ++d)
            saveDivision(db, sheet.meet, sheet.divisions[d], d);
        NamedStatement::execute(db, SqlDialect::Statement::MeetWeather,
                                {sheet.weather, sheet.meet});
        // A host that was never chosen stays as it is.
        if (sheet.host)
            db.execute(QStringLiteral("UPDATE Meets SET HostingTeam = ") + number(*sheet.host) +
                       QStringLiteral(" WHERE Pin = ") + pin);
        // The one sortable form, with a time of day that an older file kept.
        QString when = sheet.date.toString(Qt::ISODate);
        if (sheet.time.isValid() && sheet.time != QTime(0, 0))
            when += QLatin1Char(' ') + sheet.time.toString(QStringLiteral("HH:mm:ss"));
        NamedStatement::execute(db, SqlDialect::Statement::MeetTime, {when, sheet.meet});
        NamedStatement::execute(db, SqlDialect::Statement::MeetPlace, {sheet.place, sheet.meet});
    };
    try {
        db.transaction(write);
    } catch (const DatabaseError& e) {
        if (e.kind() == DatabaseError::Kind::Unreachable && !db.reachable())
            throw MeetStamp::nothingSaved(e.statement());
        if (e.kind() != DatabaseError::Kind::Uncertain ||
            !MeetStamp::wentThrough(db, work.meet, now))
            throw;
    }
    work.droppedDivisions.clear();
    work.changedAt = now;
    sheet = std::move(work);
}

void MeetSheetStore::remove(Connection& db, qint64 meetPin)
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
        db.execute(QStringLiteral("DELETE FROM Divisions WHERE Meet_Pin = ?"), {meetPin});
    });
}
