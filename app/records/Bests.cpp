#include "Bests.h"

#include "data/MarkOrder.h"
#include "data/RecordSet.h"
#include "records/HandTimes.h"
#include "records/MarkNotes.h"

#include <QDateTime>
#include <algorithm>

struct Bests::Columns
{
    int type, first, second, timing, aided, join, runner;

    explicit Columns(const RecordSet& rs)
        : type(rs.column(QStringLiteral("Type"))), first(rs.column(QStringLiteral("Measure1"))),
          second(rs.column(QStringLiteral("Measure2"))),
          timing(rs.column(QStringLiteral("Timing"))), aided(rs.column(QStringLiteral("Aided"))),
          join(rs.column(QStringLiteral("JoinPin"))),
          runner(rs.column(QStringLiteral("Runner_Pin")))
    {
    }
};

QList<Bests::Mark> Bests::marksOf(Connection& db, qint64 runner)
{
    return read(db, QStringLiteral("Runner_Pin=") + QString::number(runner));
}

QHash<qint64, Bests::Flag> Bests::flagsOfMeet(Connection& db, qint64 meet)
{
    QHash<qint64, Flag> result;
    for (QList<Mark>& marks : byRunner(db,
                                       QStringLiteral("s.Runner_Pin IN (SELECT r.Runner_Pin FROM "
                                                      "Event_to_Runner r JOIN Event_to_Meet "
                                                      "rm ON rm.Event_Pin = r.Event_Pin WHERE "
                                                      "rm.Meet_Pin = %1 AND r.Runner_Pin <> 0)")
                                           .arg(meet),
                                       {})) {
        sortByMeet(marks);
        result.insert(flags(marks));
    }
    return result;
}

QHash<qint64, QList<Bests::Mark>> Bests::marksElsewhere(Connection& db, qint64 meet, qint64 runner)
{
    if (runner != 0)
        return byRunner(db, QStringLiteral("s.Runner_Pin = ? AND m.Pin <> ?"), {runner, meet});
    return byRunner(db,
                    QStringLiteral("s.Runner_Pin IN (SELECT r.Runner_Pin FROM Event_to_Runner r "
                                   "JOIN Event_to_Meet rm ON rm.Event_Pin = r.Event_Pin WHERE "
                                   "rm.Meet_Pin = ? AND r.Runner_Pin <> 0) AND m.Pin <> ?"),
                    {meet, meet});
}

QHash<qint64, QList<Bests::Mark>> Bests::byRunner(Connection& db, const QString& where,
                                                  const QVariantList& values)
{
    // The marked slots from the tables themselves: a meet report reads a few thousand of them,
    // and the view would write each one's mark as text first.
    QHash<qint64, QList<Mark>> marks;
    QHash<QString, QDate> dates;
    RecordSet rs(QStringLiteral("SELECT s.Pin AS JoinPin, s.Runner_Pin AS Runner_Pin, e.Type AS "
                                "Type, s.feet AS Measure1, s.Inches AS Measure2, s.Timing AS "
                                "Timing, s.Aided AS Aided, m.MeetTime AS Held FROM Event_to_Runner "
                                "s JOIN Events e ON e.Pin = s.Event_Pin JOIN Event_to_Meet em ON "
                                "em.Event_Pin = e.Pin JOIN Meets m ON m.Pin = em.Meet_Pin WHERE "
                                "(s.feet <> 0 OR s.Inches <> 0) AND ") +
                     where,
                 values, db);
    const Columns columns(rs);
    const int held = rs.column(QStringLiteral("Held"));
    for (; !rs.eof(); rs.moveNext()) {
        Mark m = markOf(rs, columns);
        // Read as text, and each distinct date parsed once: a meet has a few dozen.
        const QString key = rs.field(held).text();
        auto known = dates.constFind(key);
        m.date = known != dates.cend()
                     ? *known
                     : *dates.insert(key, Field::fromSqlValue(key, true).toDateTime().date());
        marks[m.runner] << m;
    }
    return marks;
}

QString Bests::word(Flag flag)
{
    switch (flag) {
    case Flag::PR:
        return QStringLiteral(" PR");
    case Flag::SB:
        return QStringLiteral(" SB");
    case Flag::None:
        break;
    }
    return {};
}

Bests::Mark Bests::markOf(const RecordSet& rs, const Columns& c, double* typed)
{
    Mark m;
    m.type = rs.field(c.type).toInt();
    m.hand = rs.field(c.timing).text() == QLatin1String("h");
    m.aided = rs.field(c.aided).toInt() != 0;
    const double asTyped =
        MarkOrder::value(m.type, rs.field(c.first).toDouble(), rs.field(c.second).toDouble());
    m.value = HandTimes::ranked(m.type, asTyped, m.hand);
    if (typed)
        *typed = asTyped;
    m.join = rs.field(c.join).toInt();
    m.runner = rs.field(c.runner).toInt();
    return m;
}

QList<Bests::Mark> Bests::read(Connection& db, const QString& where)
{
    QList<Mark> marks;
    RecordSet rs(QStringLiteral("SELECT * FROM Events_View WHERE ") + where +
                     QStringLiteral(" AND (Measure1 <> 0 OR Measure2 <> 0)"),
                 db);
    const Columns columns(rs);
    const int held = rs.column(QStringLiteral("MeetTime"));
    const int text = rs.column(QStringLiteral("MeasureTime"));
    const int wind = rs.column(QStringLiteral("Wind"));
    for (; !rs.eof(); rs.moveNext()) {
        double typed = 0;
        Mark m = markOf(rs, columns, &typed);
        const Field& reading = rs.field(wind);
        m.text = HandTimes::shown(
            m.type, typed, m.hand,
            MarkNotes::printed(rs.field(text).text(), m.hand ? QStringLiteral("h") : QString(),
                               reading.isNull() ? std::nullopt
                                                : std::optional<double>(reading.toDouble()),
                               m.aided));
        m.date = rs.field(held).toDateTime().date();
        m.dateText = rs.field(held).text();
        marks << m;
    }
    sortByMeet(marks);
    return marks;
}

void Bests::sortByMeet(QList<Mark>& marks)
{
    std::stable_sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) {
        if (a.date != b.date)
            return !a.date.isValid() || (b.date.isValid() && a.date < b.date);
        return a.join < b.join;
    });
}

bool Bests::better(qint64 type, double a, double b)
{
    return MarkOrder::isField(type) ? a > b : a < b;
}

QString Bests::Event::prText() const
{
    if (!aidedBest)
        return pr.text;
    return pr.text.isEmpty() ? aidedBest->text : pr.text + QStringLiteral("  ") + aidedBest->text;
}

QMap<qint64, Bests::Event> Bests::of(const QList<Mark>& marks)
{
    QMap<qint64, Event> events;
    QMap<qint64, QMap<int, Mark>> seasons;
    QMap<qint64, Mark> aided;
    for (const Mark& m : marks) {
        // A wind-aided mark is no PR or SB; the best of them is shown beside the PR.
        if (m.aided) {
            auto found = aided.find(m.type);
            if (found == aided.end() || better(m.type, m.value, found->value))
                aided.insert(m.type, m);
            continue;
        }
        auto found = events.find(m.type);
        if (found == events.end())
            events.insert(m.type, Event{m, {}, {}});
        else if (better(m.type, m.value, found->pr.value))
            found->pr = m;
        if (!m.date.isValid())
            continue;
        QMap<int, Mark>& years = seasons[m.type];
        auto year = years.find(m.date.year());
        if (year == years.end())
            years.insert(m.date.year(), m);
        else if (better(m.type, m.value, year->value))
            *year = m;
    }
    for (auto it = seasons.cbegin(); it != seasons.cend(); ++it) {
        QList<Mark>& list = events[it.key()].seasonBests;
        for (auto year = it->cbegin(); year != it->cend(); ++year)
            list.prepend(*year);
    }
    for (auto it = aided.cbegin(); it != aided.cend(); ++it) {
        auto event = events.find(it.key());
        if (event == events.end())
            events.insert(it.key(), Event{Mark{}, {}, *it});
        else if (better(it.key(), it->value, event->pr.value))
            event->aidedBest = *it;
    }
    return events;
}

QHash<qint64, Bests::Flag> Bests::flags(const QList<Mark>& marks)
{
    QHash<qint64, Flag> result;
    QHash<qint64, double> best;
    QHash<QPair<qint64, int>, double> seasonBest;
    for (const Mark& m : marks) {
        Flag flag = Flag::None;
        if (m.aided) {
            result.insert(m.join, flag);
            continue;
        }
        if (!best.contains(m.type) || better(m.type, m.value, best.value(m.type))) {
            best.insert(m.type, m.value);
            flag = Flag::PR;
        }
        if (m.date.isValid()) {
            const QPair<qint64, int> season{m.type, m.date.year()};
            if (!seasonBest.contains(season) || better(m.type, m.value, seasonBest.value(season))) {
                seasonBest.insert(season, m.value);
                if (flag == Flag::None)
                    flag = Flag::SB;
            }
        }
        result.insert(m.join, flag);
    }
    return result;
}
