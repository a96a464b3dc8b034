#include "HandTimes.h"

#include "records/MarkFormat.h"

#include <array>
#include <cmath>

namespace {

HandTimes::Rule& current()
{
    static HandTimes::Rule rule = HandTimes::Rule::ByDistance;
    return rule;
}

// Tenths, rounded up; a time read from the file as 12.400000001 is still 12.4.
double upToTenth(double seconds)
{
    return std::ceil(std::round(seconds * 10 * 1e6) / 1e6) / 10;
}

} // namespace

QString HandTimes::timeText(double seconds)
{
    return MarkFormat::time(seconds);
}

QList<HandTimes::Rule> HandTimes::rules()
{
    return {Rule::ByDistance, Rule::Always, Rule::AsTyped};
}

QString HandTimes::caption(Rule rule)
{
    switch (rule) {
    case Rule::ByDistance:
        return QStringLiteral("Convert (+0.24 s under 300 m, +0.14 s from 300 m to under 800 m)");
    case Rule::Always:
        return QStringLiteral("Convert (+0.24 s for every race)");
    case Rule::AsTyped:
        break;
    }
    return QStringLiteral("Compare as typed");
}

QString HandTimes::key(Rule rule)
{
    switch (rule) {
    case Rule::ByDistance:
        return QStringLiteral("ByDistance");
    case Rule::Always:
        return QStringLiteral("Always");
    case Rule::AsTyped:
        break;
    }
    return QStringLiteral("AsTyped");
}

HandTimes::Rule HandTimes::fromKey(const QString& key)
{
    for (Rule rule : rules())
        if (HandTimes::key(rule) == key)
            return rule;
    return Rule::ByDistance;
}

HandTimes::Rule HandTimes::rule()
{
    return current();
}

void HandTimes::setRule(Rule rule)
{
    current() = rule;
}

int HandTimes::distance(qint64 type)
{
    // The sheet's seventeen events: the runs, the 300 m hurdles, the six field events, then
    // the relays' whole distances.
    static constexpr std::array<int, 17> metres{100, 200, 400, 800, 1600, 3200, 300,  0,   0,
                                                0,   0,   0,   0,   400,  800,  1600, 3200};
    return type >= 1 && type <= 17 ? metres[size_t(type - 1)] : 0;
}

std::optional<double> HandTimes::allowance(Rule rule, int metres)
{
    if (metres == 0 || rule == Rule::AsTyped)
        return std::nullopt;
    if (rule == Rule::Always || metres < 300)
        return 0.24;
    if (metres < 800)
        return 0.14;
    return std::nullopt;
}

double HandTimes::ranked(qint64 type, double value, bool hand)
{
    const std::optional<double> add = hand ? allowance(rule(), distance(type)) : std::nullopt;
    return add ? upToTenth(value) + *add : value;
}

QString HandTimes::rankedSql(qint64 type, const QString& seconds, const QString& timing,
                             SqlDialect::Engine engine)
{
    const std::optional<double> add = allowance(rule(), distance(type));
    if (!add)
        return seconds;
    // On a server, ranked() step by step in double precision: a decimal's arithmetic over
    // every slot of a sprint took a best-mark query from 9 to 12 ms. (Adding a half and
    // flooring rounds a time half away from zero, as std::round does.)
    if (engine == SqlDialect::Engine::Server)
        return QStringLiteral("(CASE WHEN %1 = 'h' THEN ceil(floor((%2) * 10 * CAST(1e6 AS double "
                              "precision) + 0.5) / CAST(1e6 AS double precision)) / 10 + CAST(%3 "
                              "AS double precision) ELSE %2 END)")
            .arg(timing, seconds, QString::number(*add));
    // Tenths rounded up without ceil(), which not every SQLite has; a cast truncates in
    // SQLite and rounds in PostgreSQL, and the comparison mends either.
    const QString tenths = QStringLiteral("round(CAST((%1) * 10 AS NUMERIC), 6)").arg(seconds);
    return QStringLiteral("(CASE WHEN %1 = 'h' THEN (CASE WHEN %2 > CAST(%2 AS INTEGER) THEN "
                          "CAST(%2 AS INTEGER) + 1 ELSE CAST(%2 AS INTEGER) END) / 10.0 + %3 "
                          "ELSE %4 END)")
        .arg(timing, tenths, QString::number(*add), seconds);
}

QString HandTimes::rankSql(qint64 type, const QString& first, const QString& second,
                           const QString& timing, SqlDialect::Engine engine)
{
    if (MarkOrder::isField(type))
        return QStringLiteral("-(%1 * 12 + %2)").arg(first, second);
    return rankedSql(type, QStringLiteral("%1 * 60 + %2").arg(first, second), timing, engine);
}

QString HandTimes::bestFirst(qint64 type, const QString& first, const QString& second,
                             const QString& timing, SqlDialect::Engine engine)
{
    if (MarkOrder::isField(type) || !allowance(rule(), distance(type)))
        return MarkOrder::bestFirst(type, first, second);
    return QStringLiteral("(%1 = 0 AND %2 = 0), %3 ASC")
        .arg(first, second,
             rankedSql(type, QStringLiteral("%1 * 60 + %2").arg(first, second), timing, engine));
}

QString HandTimes::shown(qint64 type, double value, bool hand, const QString& printed)
{
    if (!hand || !allowance(rule(), distance(type)))
        return printed;
    return timeText(ranked(type, value, true)) + QStringLiteral("c (") + printed + QLatin1Char(')');
}
