#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariantList>
#include <optional>

class Connection;
class RecordSet;

// A runner's marks and bests: the personal best (PR) of each event, the season best (SB) of
// each season with a result, and which results were a PR or an SB as of their meet. A lower
// time is better, a longer or higher field mark is better; a slot without a mark never counts,
// and a mark that only equals the best so far is no new best. A relay's mark counts for each of
// its legs. Hand times rank as HandTimes converts them; a wind-aided mark is no best.
class Bests
{
public:
    struct Mark
    {
        qint64 type = 0;
        double value = 0; // seconds, or inches
        QString text;     // as the reports print it
        QDate date;
        QString dateText;
        qint64 join = 0;
        qint64 runner = 0;
        bool hand = false;
        bool aided = false;
    };
    struct Event
    {
        // The best legal mark: a wind-aided one counts for no PR or SB.
        Mark pr;
        QList<Mark> seasonBests; // newest season first
        // A wind-aided mark better than the PR, shown beside it.
        std::optional<Mark> aidedBest;

        // The PR as the reports and the runner editor show it, the better wind-aided mark
        // beside it.
        QString prText() const;
    };
    enum class Flag
    {
        None,
        PR,
        SB,
    };

    // The runner's marks, in the order of their meets (undated ones first).
    static QList<Mark> marksOf(Connection& db, qint64 runner);
    static bool better(qint64 type, double a, double b);
    // By event type.
    static QMap<qint64, Event> of(const QList<Mark>& marks);
    // By slot (the join Pin): what each mark was when it was made.
    static QHash<qint64, Flag> flags(const QList<Mark>& marks);
    // The same for every slot of every runner of a meet, read at once.
    static QHash<qint64, Flag> flagsOfMeet(Connection& db, qint64 meet);
    // The marks of a runner (or, for runner 0, of every runner of the meet), by runner, at
    // every meet but `meet`.
    static QHash<qint64, QList<Mark>> marksElsewhere(Connection& db, qint64 meet, qint64 runner);
    // " PR", " SB", or nothing.
    static QString word(Flag flag);
    // In the order of their meets: undated first, then by date, then by slot.
    static void sortByMeet(QList<Mark>& marks);

private:
    // Marked slots of the statement's WHERE clause, in the order of their meets.
    static QList<Mark> read(Connection& db, const QString& where);
    // Marked slots with their meets' dates, of the statement's WHERE clause over the slots s
    // and the meets m, by runner.
    static QHash<qint64, QList<Mark>> byRunner(Connection& db, const QString& where,
                                               const QVariantList& values);
    // The places of the columns markOf reads, found once for all the rows of a query.
    struct Columns;
    // A row's event, mark (as it ranks; `typed` gets it as typed), slot and runner, from the
    // columns Type, Measure1, Measure2, Timing, Aided, JoinPin and Runner_Pin.
    static Mark markOf(const RecordSet& rs, const Columns& c, double* typed = nullptr);
};
