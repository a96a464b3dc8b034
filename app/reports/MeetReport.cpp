#include "MeetReport.h"

#include "data/Connection.h"
#include "records/AppContext.h"
#include "records/Bests.h"
#include "records/Division.h"
#include "records/MarkNotes.h"
#include "records/ReportRows.h"
#include "records/SlotNotesStore.h"
#include "reports/ReportQuery.h"
#include "reports/ReportText.h"

#include <algorithm>

namespace {

const char* const kWords[18] = {"",           "100",       "200",     "400",         "800",
                                "1600",       "3200",      "300",     "HIGHJUMP",    "LONGJUMP",
                                "TRIPLEJUMP", "POLEVAULT", "SHOTPUT", "DISCUSTHROW", "400",
                                "800",        "1600",      "3200"};

QString tag(const QString& name)
{
    return QLatin1Char('<') + name + QLatin1Char('>');
}

// A wind reading after the points, where the mark has one: the mark's column holds no more
// than a mark, and a tab would go past the page's edge.
QString windAfter(const QString& wind)
{
    return wind.isEmpty() ? QString() : QStringLiteral("  ") + ReportText::rtf(wind);
}

// A further line of an event, in the columns of the template's entry lines.
QString line(const QString& first, const QString& name, const QString& time = {},
             const QString& place = {}, const QString& points = {}, const QString& wind = {})
{
    QString text =
        QStringLiteral("\\line ") + first + QStringLiteral("\\tab ") + ReportText::rtf(name);
    if (!time.isEmpty() || !place.isEmpty() || !points.isEmpty())
        text += QStringLiteral("\\tab ") + ReportText::rtf(time) + QStringLiteral("\\tab ") +
                ReportText::rtf(place) + QStringLiteral("\\tab ") + ReportText::rtf(points);
    return text + windAfter(wind);
}

} // namespace

MeetReport::Entry MeetReport::entryOf(const RecordSet& row)
{
    const Field wind = row.field(QStringLiteral("Wind"));
    return {row.field(QStringLiteral("Runners_Name")).text(),
            MarkNotes::printed(row.field(QStringLiteral("MeasureTime")).text(),
                               row.field(QStringLiteral("Timing")).text(), std::nullopt,
                               row.field(QStringLiteral("Aided")).toInt() != 0),
            row.field(QStringLiteral("Place")).text(),
            row.field(QStringLiteral("Points")).text(),
            row.field(QStringLiteral("Place")).toDouble(),
            row.field(QStringLiteral("JoinPin")).toInt(),
            static_cast<int>(row.field(QStringLiteral("RelayTeam")).toInt()),
            SlotNotesStore::splitOf(row),
            wind.isNull() || row.field(QStringLiteral("MeasureTime")).text().isEmpty()
                ? QString()
                : QStringLiteral("wind ") + MarkNotes::windText(wind.toDouble())};
}

QString MeetReport::splitsLine(const QList<Entry>& legs)
{
    QStringList splits;
    bool any = false;
    for (const Entry& leg : legs) {
        splits << (leg.split.isEmpty() ? QStringLiteral("-") : leg.split);
        any = any || !leg.split.isEmpty();
    }
    return any ? line(QString(), QStringLiteral("Splits: ") + splits.join(QStringLiteral(", ")))
               : QString();
}

QList<MeetReport::Entry> MeetReport::readEntries(RecordSet& rows)
{
    QList<Entry> entries;
    for (; !rows.eof(); rows.moveNext())
        if (!rows.field(QStringLiteral("Runners_Name")).isNull())
            entries << entryOf(rows);
    return entries;
}

QList<MeetReport::Entry> MeetReport::sheetOrder(const QList<Entry>& rows, bool relay)
{
    QList<Entry> placed, unplaced;
    for (const Entry& e : rows)
        (e.order > 0 ? placed : unplaced) << e;
    if (relay) {
        // Team by team, the legs in the order they were entered; each team's result is its
        // first leg's.
        QList<Entry> legs = placed + unplaced;
        std::sort(legs.begin(), legs.end(), [](const Entry& a, const Entry& b) {
            return a.team != b.team ? a.team < b.team : a.join < b.join;
        });
        for (qsizetype i = 0; i < legs.size(); ++i)
            if ((i == 0 || legs[i - 1].team != legs[i].team) && legs[i].order <= 0)
                legs[i].place.clear();
        return legs;
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Entry& a, const Entry& b) { return a.order < b.order; });
    // An entry that was not placed has no place to print.
    for (Entry& e : unplaced)
        e.place.clear();
    return placed + unplaced;
}

QString MeetReport::slotWord(int type)
{
    return QString::fromLatin1(kWords[type]);
}

QList<Report::Replacement> MeetReport::sheet(AppContext& app, qint64 meet,
                                             const QHash<int, QList<Entry>>* division,
                                             const QHash<qint64, Bests::Flag>& flags,
                                             double* points)
{
    QList<Report::Replacement> out;
    for (int type = 1; type <= 17; ++type) {
        const bool relay = type >= 14;
        const QString word = slotWord(type);
        QList<Entry> rows;
        if (division) {
            rows = division->value(type);
            // As the sheet's own query gives them: by place, then in the order they were made.
            if (!relay)
                std::stable_sort(rows.begin(), rows.end(),
                                 [](const Entry& a, const Entry& b) { return a.order < b.order; });
        } else {
            ReportQuery query([&] { return ReportRows::meetEvent(app.connection(), meet, type); });
            rows = readEntries(query);
        }
        QList<Entry> entries = sheetOrder(rows, relay);
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (!relay)
                entries[i].name += Bests::word(flags.value(entries[i].join));
            if (!relay || i == 0 || entries[i - 1].team != entries[i].team)
                *points += entries[i].points.toDouble();
        }
        // A slot that the meet lacks, or that has no runner, is filled with empty text.
        const Entry none;
        auto at = [&entries, &none](int i) -> const Entry& {
            return i < entries.size() ? entries[i] : none;
        };
        auto entry = [&out](const Entry& e, const QString& runner, const QString& time,
                            const QString& place, const QString& points, const QString& more) {
            out << Report::Replacement{tag(runner), ReportText::rtf(e.name)}
                << Report::Replacement{tag(time), ReportText::rtf(e.time)}
                << Report::Replacement{tag(place), ReportText::rtf(e.place)}
                << Report::Replacement{tag(points),
                                       ReportText::rtf(e.points) + windAfter(e.wind) + more};
        };
        if (!relay) {
            // The entries past the designed two follow the second, in place order.
            QString more;
            for (qsizetype i = 2; i < entries.size(); ++i)
                more += line(QString(), entries[i].name, entries[i].time, entries[i].place,
                             entries[i].points, entries[i].wind);
            entry(at(0), QStringLiteral("RUNNER") + word, QStringLiteral("TIME") + word,
                  QStringLiteral("PLACE") + word, QStringLiteral("POINTS") + word, {});
            entry(at(1), QStringLiteral("2RUNNER") + word, QStringLiteral("2TIME") + word,
                  QStringLiteral("2PLACE") + word, QStringLiteral("2POINTS") + word, more);
            continue;
        }
        // The A team fills the designed slots; a B, C... team follows its fourth leg. The
        // relay's result is that of the team's first leg with a runner. A leg whose runner was
        // deleted is an empty slot, and the result stays with the legs that are left.
        QList<Entry> first, team;
        QString more;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const Entry& e = entries[i];
            if (e.team == entries.first().team && entries.first().team == 0) {
                first << e;
                continue;
            }
            const bool lead = i == 0 || entries[i - 1].team != e.team;
            if (lead)
                team.clear();
            team << e;
            more += lead ? line(Division::teamLetter(e.team) + QStringLiteral(" team"), e.name,
                                e.time, e.place, e.points)
                         : line(QString(), e.name);
            if (i + 1 == entries.size() || entries[i + 1].team != e.team)
                more += splitsLine(team);
        }
        more.prepend(splitsLine(first));
        const QString relayWord = word + QStringLiteral("RELAY");
        const Entry& lead = first.isEmpty() ? none : first[0];
        entry(lead, QStringLiteral("1RUNNER") + word, QStringLiteral("TIME") + relayWord,
              QStringLiteral("PLACE") + relayWord, QStringLiteral("POINTS") + relayWord, {});
        auto leg = [&first, &none](int i) -> const Entry& {
            return i < first.size() ? first[i] : none;
        };
        // The second leg's own placeholder: "<2RUNNER400>" belongs to the 400's second entry.
        for (int k = 2; k <= 4; ++k)
            out << Report::Replacement{tag(QString::number(k) + QStringLiteral("RUNNER") + word),
                                       ReportText::rtf(leg(k - 1).name) +
                                           (k == 4 ? more : QString())};
        out << Report::Replacement{tag(QStringLiteral("2RUNNER") + relayWord),
                                   ReportText::rtf(leg(1).name)};
    }
    return out;
}

Report MeetReport::build(AppContext& app, qint64 meet)
{
    QList<Report::Replacement> out;
    {
        ReportQuery info([&] { return ReportRows::meetInfo(app.connection(), meet); });
        const QString host = info.text(QStringLiteral("HostingSchool"));
        const QString weather = info.text(QStringLiteral("Weather"));
        const QString date = info.text(QStringLiteral("MeetTime"));
        const QString place = info.text(QStringLiteral("Place"));
        out << Report::Replacement{QStringLiteral("<MEETHOST>"), ReportText::rtf(host)}
            << Report::Replacement{QStringLiteral("<MEETWEATHER>"), ReportText::rtf(weather)}
            << Report::Replacement{QStringLiteral("<MEETDATE>"), ReportText::rtf(date)}
            << Report::Replacement{QStringLiteral("<MEETPLACE>"), ReportText::rtf(place)}
            << Report::Replacement{QStringLiteral("<USERNAME>"), ReportText::rtf(app.userName())}
            << Report::Replacement{QStringLiteral("<USERSCHOOL>"), ReportText::rtf(app.school())};
    }
    QList<Division> divisions;
    for (ReportQuery rs([&] { return ReportRows::meetDivisions(app.connection(), meet); });
         !rs.eof(); rs.moveNext()) {
        Division d;
        d.pin = rs.field(QStringLiteral("Pin")).toInt();
        d.name = rs.text(QStringLiteral("Name"));
        d.gender = rs.text(QStringLiteral("Gender"));
        divisions << d;
    }

    // A runner's PR or SB as of this meet follows the name of an individual entry.
    const QHash<qint64, Bests::Flag> flags = Bests::flagsOfMeet(app.connection(), meet);
    double points = 0;
    // A meet of one division without a name prints the designed sheet.
    if (divisions.size() < 2 && divisions.value(0).name.trimmed().isEmpty())
        return Report(QStringLiteral("meet.rtf"), out + sheet(app, meet, nullptr, flags, &points));
    // Every slot of the meet at once, in the order they were made, by division and event.
    QHash<qint64, QHash<int, QList<Entry>>> meetSlots;
    {
        ReportQuery all([&] { return ReportRows::meetSlots(app.connection(), meet); });
        const int divisionColumn = all.column(QStringLiteral("Division_Pin"));
        const int typeColumn = all.column(QStringLiteral("Type"));
        for (; !all.eof(); all.moveNext())
            if (!all.field(QStringLiteral("Runners_Name")).isNull())
                meetSlots[all.field(divisionColumn).toInt()]
                         [static_cast<int>(all.field(typeColumn).toInt())]
                    << entryOf(all);
    }
    QList<Report::Part> parts;
    for (const Division& d : std::as_const(divisions)) {
        points = 0;
        const QHash<int, QList<Entry>> own = meetSlots.value(d.pin);
        QList<Report::Replacement> rows = sheet(app, meet, &own, flags, &points);
        parts.append({QStringLiteral("\\pard\\keepn\\sb360\\plain\\f0\\fs24\\b ") +
                          ReportText::rtf(d.caption(static_cast<int>(parts.size()))) +
                          QStringLiteral("\\b0  \\endash  team score ") +
                          ReportText::rtf(QString::number(points, 'g', 10)) +
                          QStringLiteral("\\par\n"),
                      rows});
    }
    Report report(QStringLiteral("meet.rtf"), out);
    report.repeat(QStringLiteral("<RUNNER100>"), parts);
    return report;
}
