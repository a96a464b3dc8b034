#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Connection;

// A team's best marks of all time or of one season, event by event, for girls, for boys, and
// for marks of neither (where there are some): each athlete once, with their best mark (a tie
// going to the earlier meet), a relay team once with its legs. Marks rank as the records do:
// hand times as Options › Hand Times converts them, wind-aided marks never. Tied marks share a
// place, and a tie at the last place is listed whole.
class TopMarks
{
public:
    struct Entry
    {
        int place = 0;
        // An athlete's stored name, or a relay's legs in the order they were entered.
        QStringList names;
        // Each name's runner, and whether the runner is kept off the website.
        QList<qint64> runners;
        QList<bool> unpublished;
        QString mark;    // as the reports print it
        qint64 join = 0; // the slot that holds it
        double value = 0;
        QString held;     // the meet's time as stored, which ties are broken by
        QString heldText; // as the reports print it
        QDate date;
        QString host;
        qint64 meet = 0;
        // The athlete's grade in the mark's season; none for a relay or when not known.
        std::optional<int> grade;
    };
    struct List
    {
        int type = 0;             // 1 to 17
        QString gender;           // "F", "M", or empty for marks of neither
        std::optional<int> grade; // of lists by grade
        QList<Entry> entries;
    };

    // Every event with a mark, events in sheet order within each gender (girls, boys, then
    // neither); at most `places` places each. By grade, a list of each grade in which athletes
    // made marks, lowest first, of the marks made in it ("the best by a freshman"); relays and
    // marks of a grade not known are left out then.
    static QList<List> read(Connection& db, qint64 team, std::optional<int> season, int places = 10,
                            bool byGrade = false);
    // "Girls", "Boys" or "Not known".
    static QString heading(const QString& gender);
};
