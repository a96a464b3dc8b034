#pragma once

#include "data/MarkOrder.h"
#include "data/SqlDialect.h"
#include "records/MarkNotes.h"

#include <QList>
#include <QString>
#include <optional>

// How a hand time ranks against automatic ones (Options › Hand Times, kept in the settings as
// "HandTimes"). A converted hand time is first rounded up to the tenth, then the allowance is
// added; the mark is still printed as typed, with the value it ranked by beside it
// ("12.64c (12.4h)"). Field marks are never hand-timed.
class HandTimes
{
public:
    enum class Rule
    {
        ByDistance, // +0.24 s under 300 m, +0.14 s from 300 m to under 800 m, then as typed
        Always,     // +0.24 s for every race
        AsTyped,
    };

    static QList<Rule> rules();
    static QString caption(Rule rule);
    static QString key(Rule rule);
    static Rule fromKey(const QString& key);

    // The rule every ranking uses: the one the settings name, once the program has read them.
    static Rule rule();
    static void setRule(Rule rule);

    // A race's distance in metres, of an event type (1 to 17); 0 for a field event.
    static int distance(qint64 type);
    // What a hand time of a race of that many metres gains under the rule; nothing when it
    // ranks as typed (and for a field event, 0 metres).
    static std::optional<double> allowance(Rule rule, int metres);
    // The value a mark ranks by (seconds or inches).
    static double ranked(qint64 type, double value, bool hand);
    // The same in SQL, over an expression of the time in seconds and the slot's Timing column;
    // the same value on both engines.
    static QString rankedSql(qint64 type, const QString& seconds, const QString& timing,
                             SqlDialect::Engine engine);
    // One number per marked slot, lower is better, to sort ascending and to compare for ties:
    // a field mark's inches negated, a time as converted.
    static QString rankSql(qint64 type, const QString& first, const QString& second,
                           const QString& timing, SqlDialect::Engine engine);
    // The ORDER BY terms, best first, over the two halves of a mark and its Timing column: a
    // field mark as MarkOrder ranks it, a time as converted.
    static QString bestFirst(qint64 type, const QString& first, const QString& second,
                             const QString& timing, SqlDialect::Engine engine);
    // A printed mark as a ranking shows it: with the value it ranked by when that differs.
    static QString shown(qint64 type, double value, bool hand, const QString& printed);
    // The same of a row of Events_View.
    template <class Row> static QString shownOf(qint64 type, const Row& row)
    {
        return shown(type,
                     MarkOrder::value(type, row.field(QStringLiteral("Measure1")).toDouble(),
                                      row.field(QStringLiteral("Measure2")).toDouble()),
                     row.field(QStringLiteral("Timing")).text() == QLatin1String("h"),
                     MarkNotes::printedOf(row));
    }
    // A time as results print it: "12.64", "1:02.50".
    static QString timeText(double seconds);
};
