#include "ResultPlacement.h"

#include "records/ImportedMark.h"
#include "records/SheetNumber.h"

#include <set>
#include <tuple>

namespace {

bool same(const SheetNumbers& a, const SheetNumbers& b)
{
    return SheetNumber::value(a.place) == SheetNumber::value(b.place) &&
           SheetNumber::value(a.points) == SheetNumber::value(b.points) &&
           SheetNumber::value(a.mark1) == SheetNumber::value(b.mark1) &&
           SheetNumber::value(a.mark2) == SheetNumber::value(b.mark2) && a.notes == b.notes;
}

bool empty(const SheetNumbers& n)
{
    return same(n, SheetNumbers{});
}

bool juniorName(const QString& title)
{
    for (const char* word : {"JV", "Junior", "Frosh", "Fresh", "Soph", "Novice"})
        if (title.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    return false;
}

// The division a result belongs in: of its gender and, where the file names one, its name;
// without a name, the first of the gender that is no junior one; else a mixed division; else a
// new one.
int divisionFor(MeetSheet& sheet, const ImportedResult& r)
{
    int named = -1, first = -1, senior = -1, mixed = -1;
    for (int d = 0; d < sheet.divisions.size(); ++d) {
        const Division& div = sheet.divisions[d];
        if (div.gender.isEmpty() && mixed < 0)
            mixed = d;
        if (div.gender != r.gender)
            continue;
        if (!r.division.isEmpty() && div.title().contains(r.division, Qt::CaseInsensitive) &&
            named < 0)
            named = d;
        if (first < 0)
            first = d;
        if (senior < 0 && !juniorName(div.title()))
            senior = d;
    }
    if (named >= 0)
        return named;
    if (r.division.isEmpty() && (senior >= 0 || first >= 0))
        return senior >= 0 ? senior : first;
    if (mixed >= 0 && r.division.isEmpty())
        return mixed;
    if (sheet.divisions.size() >= MeetSheet::MaxDivisions)
        return -1;
    QString name = Division::genderWord(r.gender);
    if (!r.division.isEmpty())
        name = r.gender.isEmpty() ? r.division : name + QLatin1Char(' ') + r.division;
    sheet.divisions << Division::fresh(name, r.gender);
    return int(sheet.divisions.size() - 1);
}

} // namespace

QString ResultPlacement::describe(int event, const SheetNumbers& n)
{
    QStringList parts;
    if (SheetNumber::value(n.place) > 0)
        parts << QStringLiteral("place %1").arg(n.place);
    if (SheetNumber::value(n.points) > 0)
        parts << QStringLiteral("%1 points").arg(n.points);
    const double first = SheetNumber::value(n.mark1), second = SheetNumber::value(n.mark2);
    if (first == 0 && second == 0)
        parts << QStringLiteral("no mark");
    else if (MeetSheet::isField(event))
        parts << n.mark1 + QLatin1Char('-') + n.mark2 + n.notes.suffix();
    else
        parts << (first > 0 ? n.mark1 + QLatin1Char(':') +
                                  (second < 10 ? QStringLiteral("0") : QString()) + n.mark2
                            : n.mark2) +
                     n.notes.suffix();
    return parts.join(QStringLiteral(", "));
}

QList<ResultPlacement::Row> ResultPlacement::place(MeetSheet& sheet,
                                                   const QList<ImportedResult>& results,
                                                   const Resolve& who, QList<ImportProblem>* left)
{
    QList<Row> rows;
    // Runners placed in an event by this file: (division, event, runner).
    std::set<std::tuple<int, int, qint64>> placed;
    for (const ImportedResult& r : results) {
        if (r.mark.compare(QLatin1String("SCR"), Qt::CaseInsensitive) == 0) {
            left->append({r.line, QStringLiteral("%1 was scratched from the %2: not written")
                                      .arg(r.relay() ? r.school : r.name, r.event)});
            continue;
        }
        QString why;
        const std::optional<SheetNumbers> numbers =
            ImportedMark::numbers(r.type, r.mark, r.wind, r.place, r.points, &why);
        if (!numbers) {
            left->append({r.line, why});
            continue;
        }
        const int d = divisionFor(sheet, r);
        if (d < 0) {
            left->append({r.line, QStringLiteral("the meet has as many divisions as it can hold")});
            continue;
        }
        Division& div = sheet.divisions[d];
        const int e = r.type - 1;
        Row row;
        row.line = r.line;
        row.result = describe(e, *numbers);
        if (!r.relay()) {
            const std::optional<Who> runner = who(r.name);
            if (!runner)
                continue;
            if (placed.count({d, e, runner->runner}) > 0) {
                left->append({r.line, QStringLiteral("%1 stands twice in the %2: only the first "
                                                     "is written")
                                          .arg(r.name, r.event)});
                continue;
            }
            placed.insert({d, e, runner->runner});
            int k = -1;
            for (int i = 0; i < div.entryCount(e) && k < 0; ++i)
                if (div.entry(e, i)->runner == runner->runner && !div.entry(e, i)->name.isEmpty())
                    k = i;
            for (int i = 0; i < div.entryCount(e) && k < 0; ++i)
                if (div.entry(e, i)->name.isEmpty() &&
                    (div.entry(e, i)->exists || div.pin == 0 || i >= 2))
                    k = i;
            if (k < 0) {
                div.more[size_t(e)] << SheetEntry{true, 0, 0, {}, {}};
                k = div.entryCount(e) - 1;
            }
            SheetEntry& entry = *div.entry(e, k);
            row.where = sheet.where(d, e, k);
            row.who = runner->name;
            row.changes = entry.name.isEmpty() || !same(entry.numbers, *numbers);
            if (!entry.name.isEmpty() && row.changes && !empty(entry.numbers))
                row.replaces = describe(e, entry.numbers);
            entry.exists = true;
            entry.runner = runner->runner;
            entry.name = runner->name;
            entry.numbers = *numbers;
            rows << row;
            continue;
        }
        const int relay = e - MeetSheet::Individual;
        const int t = std::max(0, r.team.isEmpty() ? 0 : r.team.at(0).toUpper().unicode() - 'A');
        while (div.relayCount(relay) <= t) {
            SheetRelay team;
            team.team = -1;
            for (SheetEntry& leg : team.legs)
                leg.exists = true;
            div.moreRelays[size_t(relay)] << team;
        }
        SheetRelay& team = *div.relay(relay, t);
        if (r.legs.size() != 4)
            left->append({r.line, QStringLiteral("the %1 of %2 names %3 legs of 4")
                                      .arg(r.event, r.school)
                                      .arg(r.legs.size())});
        std::array<SheetEntry, 4> legs = team.legs;
        QStringList names, before;
        for (size_t k = 0; k < 4; ++k) {
            before << team.legs[k].name;
            legs[k].runner = 0;
            legs[k].name.clear();
            legs[k].split.clear();
            if (k >= size_t(r.legs.size()))
                continue;
            if (const std::optional<Who> runner = who(r.legs[qsizetype(k)].name)) {
                legs[k].runner = runner->runner;
                legs[k].name = runner->name;
                legs[k].split = r.legs[qsizetype(k)].split;
                legs[k].exists = true;
            }
            names << legs[k].name;
        }
        row.where = sheet.where(d, e, t);
        row.who = names.join(QStringLiteral("; "));
        bool sameLegs = true;
        for (size_t k = 0; k < 4; ++k)
            sameLegs = sameLegs && legs[k].runner == team.legs[k].runner &&
                       legs[k].split == team.legs[k].split;
        const bool typed = std::any_of(before.begin(), before.end(),
                                       [](const QString& n) { return !n.isEmpty(); });
        row.changes = !typed || !sameLegs || !same(team.numbers, *numbers);
        if (typed && row.changes)
            row.replaces = before.join(QStringLiteral("; ")) + QStringLiteral(": ") +
                           describe(e, team.numbers);
        team.legs = legs;
        team.numbers = *numbers;
        rows << row;
    }
    return rows;
}
