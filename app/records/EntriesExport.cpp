#include "EntriesExport.h"

#include "data/MarkOrder.h"
#include "records/Bests.h"
#include "records/CsvText.h"
#include "records/HandTimes.h"
#include "records/MeetSheet.h"
#include "records/ResultsImport.h"
#include "records/RunnerName.h"
#include "records/TeamRecord.h"

#include <QHash>
#include <cmath>

namespace {

// The best legal mark of the season before the meet, else the best before it.
QString seedOf(const QList<Bests::Mark>& marks, int type, QDate day)
{
    QList<Bests::Mark> before;
    for (const Bests::Mark& m : marks)
        if (m.type == type && m.date.isValid() && m.date < day)
            before << m;
    const QMap<qint64, Bests::Event> bests = Bests::of(before);
    if (!bests.contains(type))
        return {};
    const Bests::Event& e = bests[type];
    for (const Bests::Mark& sb : e.seasonBests)
        if (sb.date.year() == day.year())
            return EntriesExport::seedText(type, sb.value);
    return e.pr.text.isEmpty() ? QString() : EntriesExport::seedText(type, e.pr.value);
}

QString dateText(QDate d)
{
    return d.isValid() ? d.toString(QStringLiteral("M/d/yyyy")) : QString();
}

} // namespace

QString EntriesExport::seedText(int type, double value)
{
    if (!MarkOrder::isField(type))
        return HandTimes::timeText(value);
    const double inches = std::round(value * 100) / 100;
    const int feet = static_cast<int>(inches / 12);
    return QStringLiteral("%1-%2").arg(feet).arg(inches - feet * 12, 5, 'f', 2, QLatin1Char('0'));
}

EntriesExport EntriesExport::of(Connection& db, qint64 meet)
{
    EntriesExport out;
    const std::optional<MeetSheet> sheet = MeetSheet::load(db, meet);
    if (!sheet)
        return out;
    out.date = sheet->date;
    out.meetName = sheet->place;
    if (const std::optional<TeamRecord> team = TeamRecord::load(db, sheet->team))
        out.school = team->school;
    QHash<qint64, AthleteMatch::Runner> roster;
    for (const AthleteMatch::Runner& r : ResultsImport::rosterOf(db, sheet->team, sheet->date))
        roster.insert(r.pin, r);
    QHash<qint64, QList<Bests::Mark>> marks;
    auto athlete = [&](const SheetEntry& e) {
        if (e.name.isEmpty() || e.runner == 0)
            return qint64(0);
        if (!marks.contains(e.runner)) {
            marks.insert(e.runner, Bests::marksOf(db, e.runner));
            const AthleteMatch::Runner r = roster.value(e.runner);
            const RunnerName name = RunnerName::split(e.name);
            out.athletes.append({e.runner, name.last.trimmed(), name.first.trimmed(), r.gender,
                                 r.grade ? QString::number(*r.grade) : QString()});
        }
        return e.runner;
    };
    for (const Division& d : sheet->divisions) {
        for (int e = 0; e < MeetSheet::Individual; ++e)
            for (int k = 0; k < d.entryCount(e); ++k) {
                const SheetEntry& entry = *d.entry(e, k);
                if (const qint64 a = athlete(entry)) {
                    const QString gender = d.gender.isEmpty() ? roster.value(a).gender : d.gender;
                    out.entries.append({e + 1,
                                        MeetSheet::eventName(e),
                                        gender,
                                        d.title(),
                                        a,
                                        seedOf(marks.value(a), e + 1, sheet->date),
                                        {},
                                        {}});
                }
            }
        for (int r = 0; r < MeetSheet::Relays; ++r)
            for (int t = 0; t < d.relayCount(r); ++t) {
                Entry team{MeetSheet::Individual + r + 1,
                           MeetSheet::eventName(MeetSheet::Individual + r),
                           d.gender,
                           d.title(),
                           0,
                           {},
                           Division::teamLetter(t),
                           {}};
                for (const SheetEntry& leg : d.relay(r, t)->legs)
                    if (const qint64 a = athlete(leg))
                        team.legs << a;
                if (!team.legs.isEmpty())
                    out.entries << team;
            }
    }
    return out;
}

QString EntriesExport::semicolon() const
{
    auto line = [](const QStringList& fields) {
        QStringList clean;
        for (const QString& f : fields)
            clean << QString(f).replace(QLatin1Char(';'), QLatin1Char(',')).simplified();
        return clean.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    };
    QString text = line({QStringLiteral("H"), meetName, dateText(date), dateText(date), school});
    for (const Athlete& a : athletes)
        text += line({QStringLiteral("A"), QString::number(a.pin), a.last, a.first, a.gender,
                      a.grade, school});
    for (const Entry& e : entries) {
        if (e.legs.isEmpty()) {
            text += line({QStringLiteral("E"), QString::number(e.athlete), e.event,
                          QString::number(e.type), e.gender, e.division, e.seed});
            continue;
        }
        QStringList fields{QStringLiteral("R"),     school,   e.team,     e.event,
                           QString::number(e.type), e.gender, e.division, e.seed};
        for (const qint64 leg : e.legs)
            fields << QString::number(leg);
        text += line(fields);
    }
    return text;
}

QString EntriesExport::csv() const
{
    QHash<qint64, const Athlete*> byPin;
    for (const Athlete& a : athletes)
        byPin.insert(a.pin, &a);
    QString text =
        CsvText::line({QStringLiteral("Event"), QStringLiteral("Gender"),
                       QStringLiteral("Division"), QStringLiteral("Last"), QStringLiteral("First"),
                       QStringLiteral("Grade"), QStringLiteral("Team"), QStringLiteral("Seed"),
                       QStringLiteral("Relay Team"), QStringLiteral("Leg 1"),
                       QStringLiteral("Leg 2"), QStringLiteral("Leg 3"), QStringLiteral("Leg 4")});
    auto name = [&byPin](qint64 pin) {
        const Athlete* a = byPin.value(pin);
        return a ? RunnerName::join(a->first, a->last) : QString();
    };
    for (const Entry& e : entries) {
        const Athlete* a = byPin.value(e.athlete);
        QStringList row{e.event,
                        e.gender,
                        e.division,
                        a ? a->last : QString(),
                        a ? a->first : QString(),
                        a ? a->grade : QString(),
                        school,
                        e.seed,
                        e.team};
        for (int k = 0; k < 4; ++k)
            row << (k < e.legs.size() ? name(e.legs[k]) : QString());
        text += CsvText::line(row);
    }
    return text;
}
