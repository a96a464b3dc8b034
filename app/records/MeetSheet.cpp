#include "MeetSheet.h"

#include "records/MeetSheetStore.h"
#include "records/RelaySplit.h"
#include "records/SheetNumber.h"

namespace {

const char* const kNames[MeetSheet::Events] = {
    "100 Meter Dash",   "200 Meter Dash",    "400 Meter Dash", "800 Meter Dash",  "1600 Meter Run",
    "3200 Meter Run",   "300 Meter Hurdles", "High Jump",      "Long Jump",       "Triple Jump",
    "Pole Vault",       "Shot Put",          "Discus Throw",   "400 Meter Relay", "800 Meter Relay",
    "1600 Meter Relay", "3200 Meter Relay"};

const char* const kOrdinals[] = {"first", "second",  "third",  "fourth", "fifth",
                                 "sixth", "seventh", "eighth", "ninth",  "tenth"};

// The first box of a slot that cannot be saved, or -1.
int badBox(const MeetSheet::Numbers& n, const QString& where, int event, QString* message)
{
    const bool field = MeetSheet::isField(event);
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
                       .arg(where, names[3], n.mark2, QString::number(limit),
                            field ? QStringLiteral("feet") : QStringLiteral("minutes"), names[2]);
        return 3;
    }
    // What an official writes only of some marks.
    QString wrong;
    if (n.notes.hand && field)
        wrong = QStringLiteral("a field mark is measured, not timed by hand");
    else if ((n.notes.wind || n.notes.markedAided) && !MarkNotes::takesWind(event))
        wrong = QStringLiteral("a wind is kept only for the 100 m, the 200 m, the long jump and "
                               "the triple jump");
    if (!wrong.isEmpty()) {
        *message = QStringLiteral("%1: the %2 box holds \"%3\", but %4. Nothing was saved.")
                       .arg(where, names[3], n.secondBox(), wrong);
        return 3;
    }
    return -1;
}

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

// The names of a relay team's legs that have a runner.
QStringList legNames(const MeetSheet::Relay& relay)
{
    QStringList legs;
    for (const MeetSheet::Entry& leg : relay.legs)
        if (!leg.name.isEmpty())
            legs << leg.name;
    return legs;
}

} // namespace

QString MeetSheet::eventName(int event)
{
    return QString::fromLatin1(kNames[event]);
}

std::optional<MeetSheet> MeetSheet::load(Connection& db, qint64 meetPin)
{
    return MeetSheetStore::load(db, meetPin);
}

void MeetSheet::save(Connection& db, const QString& by)
{
    MeetSheetStore::save(*this, db, by);
}

void MeetSheet::remove(Connection& db, qint64 meetPin)
{
    MeetSheetStore::remove(db, meetPin);
}

std::optional<MeetSheet::Problem> MeetSheet::check() const
{
    QString message;
    for (int d = 0; d < divisions.size(); ++d) {
        const Division& division = divisions[d];
        for (int e = 0; e < Individual; ++e) {
            for (int k = 0; k < division.entryCount(e); ++k) {
                const Entry* entry = division.entry(e, k);
                if (entry->name.isEmpty())
                    continue;
                if (const int box = badBox(entry->numbers, where(d, e, k), e, &message); box >= 0)
                    return Problem{d, e, k, box, message};
            }
        }
        for (int r = 0; r < Relays; ++r) {
            for (int t = 0; t < division.relayCount(r); ++t) {
                const Relay* relay = division.relay(r, t);
                if (legNames(*relay).isEmpty())
                    continue;
                if (const int box = badBox(relay->numbers, where(d, Individual + r, t),
                                           Individual + r, &message);
                    box >= 0)
                    return Problem{d, Individual + r, t, box, message};
                for (int k = 0; k < 4; ++k) {
                    const Entry& leg = relay->legs[size_t(k)];
                    if (leg.name.isEmpty() || RelaySplit::isNone(leg.split) ||
                        RelaySplit::seconds(leg.split))
                        continue;
                    return Problem{
                        d, Individual + r, t, SplitBox + k,
                        refusal(where(d, Individual + r, t) + QStringLiteral(", leg %1").arg(k + 1),
                                boxName(false, SplitBox), leg.split, RelaySplit::rule()) +
                            QStringLiteral(" Nothing was saved.")};
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<QString> MeetSheet::badDivisionName(int d) const
{
    const QString name = divisions.value(d).title();
    if (divisions.size() > 1 && name.isEmpty())
        return QStringLiteral("Each division of a meet with more than one needs a name in the "
                              "Division box. Nothing was saved.");
    for (int other = 0; other < divisions.size(); ++other)
        if (other != d && divisions[other].title().compare(name, Qt::CaseInsensitive) == 0)
            return QStringLiteral("The Division box holds \"%1\", but the meet has a division of "
                                  "that name already. Nothing was saved.")
                .arg(name);
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
    case 3:
        return field ? QStringLiteral("Inches") : QStringLiteral("Secs");
    default:
        return QStringLiteral("Split");
    }
}

QString MeetSheet::where(int event, int entry)
{
    if (event >= Individual)
        return entry == 0 ? eventName(event)
                          : eventName(event) +
                                QStringLiteral(", %1 team").arg(Division::teamLetter(entry));
    const QString ordinal = entry < 10
                                ? QStringLiteral("%1 entry").arg(QLatin1String(kOrdinals[entry]))
                                : QStringLiteral("entry %1").arg(entry + 1);
    return eventName(event) + QStringLiteral(", ") + ordinal;
}

QString MeetSheet::where(int division, int event, int entry) const
{
    const QString title = divisions.value(division).title();
    if (divisions.size() < 2 && title.isEmpty())
        return where(event, entry);
    return (title.isEmpty() ? QStringLiteral("Division %1").arg(division + 1) : title) +
           QStringLiteral(", ") + where(event, entry);
}

QList<MeetSheet::Gap> MeetSheet::gaps() const
{
    QList<Gap> found;
    for (int d = 0; d < divisions.size(); ++d) {
        const Division& division = divisions[d];
        auto look = [&](int event, int entry, bool runner, const QString& name, const Numbers& n) {
            if (runner && !hasMark(n))
                found << Gap{d, event, entry, true,
                             where(d, event, entry) + QStringLiteral(": ") + name +
                                 QStringLiteral(" has no mark")};
            else if (!runner && hasNumbers(n))
                found << Gap{d, event, entry, false,
                             where(d, event, entry) + QStringLiteral(": results but no runner")};
        };
        for (int e = 0; e < Individual; ++e)
            for (int k = 0; k < division.entryCount(e); ++k)
                if (const Entry* entry = division.entry(e, k); entry->exists)
                    look(e, k, !entry->name.isEmpty(), entry->name, entry->numbers);
        for (int r = 0; r < Relays; ++r)
            for (int t = 0; t < division.relayCount(r); ++t) {
                const Relay* relay = division.relay(r, t);
                const QStringList legs = legNames(*relay);
                if (relay->legs[0].exists)
                    look(Individual + r, t, !legs.isEmpty(), legs.join(QStringLiteral("; ")),
                         relay->numbers);
                for (int k = 0; k < 4; ++k)
                    if (const Entry& leg = relay->legs[size_t(k)];
                        leg.name.isEmpty() && !RelaySplit::isNone(leg.split))
                        found << Gap{
                            d, Individual + r, t, false,
                            where(d, Individual + r, t) +
                                QStringLiteral(", leg %1: a split but no runner").arg(k + 1)};
            }
    }
    return found;
}

QList<MeetSheet::Crossing> MeetSheet::crossings(const QHash<qint64, QString>& genders) const
{
    QList<Crossing> found;
    for (int d = 0; d < divisions.size(); ++d) {
        const Division& division = divisions[d];
        if (division.gender.isEmpty())
            continue;
        auto look = [&](const Entry& entry, int event, int k) {
            const QString gender = genders.value(entry.runner);
            if (entry.name.isEmpty() || gender.isEmpty() || gender == division.gender)
                return;
            found << Crossing{d, where(d, event, k) + QStringLiteral(": ") + entry.name +
                                     QStringLiteral(" is entered as a ") +
                                     (gender == QLatin1String("F") ? QStringLiteral("girl")
                                                                   : QStringLiteral("boy"))};
        };
        for (int e = 0; e < Individual; ++e)
            for (int k = 0; k < division.entryCount(e); ++k)
                look(*division.entry(e, k), e, k);
        for (int r = 0; r < Relays; ++r)
            for (int t = 0; t < division.relayCount(r); ++t)
                for (const Entry& leg : division.relay(r, t)->legs)
                    look(leg, Individual + r, t);
    }
    return found;
}

QString MeetSheet::fingerprint() const
{
    QStringList values{date.toString(Qt::ISODate), host ? QString::number(*host) : QString(), place,
                       weather};
    auto add = [&values](const Entry& e, const Numbers& n) {
        values << QString::number(e.runner) << e.name << n.place << n.points << n.mark1
               << n.secondBox() << e.split;
    };
    for (const qint64 pin : droppedDivisions)
        values << QString::number(pin);
    for (const Division& d : divisions) {
        values << QString::number(d.pin) << d.name << d.gender
               << QString::number(d.dropped.size() + d.droppedRelays.size());
        for (int e = 0; e < Individual; ++e)
            for (int k = 0; k < d.entryCount(e); ++k)
                add(*d.entry(e, k), d.entry(e, k)->numbers);
        for (int r = 0; r < Relays; ++r)
            for (int t = 0; t < d.relayCount(r); ++t)
                for (const Entry& leg : d.relay(r, t)->legs)
                    add(leg, d.relay(r, t)->numbers);
    }
    return values.join(QChar(0));
}

QString MeetSheet::confirmation(const QList<Gap>& gaps, const QList<Crossing>& crossings,
                                const QList<SheetDoubts::Doubt>& doubts)
{
    QStringList parts;
    if (!doubts.isEmpty()) {
        QStringList lines;
        for (const SheetDoubts::Doubt& doubt : doubts)
            lines << doubt.text;
        parts << QStringLiteral("Some marks are beyond what high-school athletes run, jump or "
                                "throw:\n\n") +
                     lines.join(QLatin1Char('\n'));
    }
    if (!gaps.isEmpty()) {
        QStringList lines;
        for (const Gap& gap : gaps)
            lines << gap.text;
        parts << QStringLiteral("Some entries are not complete:\n\n") +
                     lines.join(QLatin1Char('\n')) +
                     QStringLiteral("\n\nResults without a runner are not saved.");
    }
    if (!crossings.isEmpty()) {
        QStringList lines;
        for (const Crossing& crossing : crossings)
            lines << crossing.text;
        parts << QStringLiteral("Some runners are entered in a division of the other gender:\n\n") +
                     lines.join(QLatin1Char('\n'));
    }
    if (parts.isEmpty())
        return {};
    return parts.join(QStringLiteral("\n\n")) +
           (crossings.isEmpty() && doubts.isEmpty() ? QStringLiteral(" ")
                                                    : QStringLiteral("\n\n")) +
           QStringLiteral("Save the meet anyway?");
}
