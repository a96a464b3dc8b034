#pragma once

#include "data/MarkOrder.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <array>
#include <optional>

class Connection;

// One meet's whole result sheet as plain values: the meet's own fields and every result slot
// of its seventeen events, with the numbers as the coach typed them. Loading, checking, saving
// and deleting a meet happen here; the meet editor only shows the sheet. Database refusals
// throw DatabaseError; a save or a delete applies whole or not at all.
class MeetSheet
{
public:
    static constexpr int Individual = 13;
    static constexpr int Relays = 4;
    static constexpr int Events = Individual + Relays;

    // Place, points and the two halves of the mark, as typed.
    struct Numbers
    {
        QString place, points, mark1, mark2;
    };
    // One result slot. A slot without a runner has an empty name; a slot the meet lacks (an
    // older file may have lost one) does not exist.
    struct Entry
    {
        bool exists = false;
        qint64 runner = 0;
        // The slot's Event_to_Runner Pin.
        qint64 join = 0;
        QString name;
        Numbers numbers;
    };
    // A relay's four legs share one result.
    struct Relay
    {
        std::array<Entry, 4> legs;
        Numbers numbers;
    };
    // The first number that cannot be saved: event 0 to 16, entry 0 or 1 (a relay's leg),
    // box 0 to 3 (place, points, first and second half of the mark), and what to tell.
    struct Problem
    {
        int event;
        int entry;
        int box;
        QString message;
    };

    // A slot left half filled: a runner without a mark, or numbers without a runner (which
    // are not saved). A relay is one slot, entry 0.
    struct Gap
    {
        int event;
        int entry;
        bool noMark;
        QString text;
    };

    qint64 meet = 0;
    // The team the sheet was opened for; 0 when the meet has lost its team.
    qint64 team = 0;
    QDate date;
    // A time of day that an older file kept with the date; written back with it.
    QTime time;
    std::optional<qint64> host;
    QString hostName;
    QString place, weather;
    // The last save's stamp as the sheet was loaded (ISO time, to the millisecond); empty for
    // a meet never saved since the stamp was kept.
    QString changedAt;
    std::array<Entry, Individual> first, second;
    std::array<Relay, Relays> relays;

    static QString eventName(int event);
    static bool isField(int event) { return MarkOrder::isField(event + 1); }

    // Nothing when the meet is gone.
    static std::optional<MeetSheet> load(Connection& db, qint64 meet);
    // Only slots with a runner are checked, as only they are saved.
    std::optional<Problem> check() const;
    QList<Gap> gaps() const;
    // What a refused box tells: "<where>: the <box> box holds "<typed>", but it must hold
    // <must>."
    static QString refusal(const QString& where, const QString& box, const QString& typed,
                           const QString& must);
    // A box's caption: "Place", "Points", then "Mins" and "Secs", or "Feet" and "Inches".
    static QString boxName(bool field, int box);
    // "100 Meter Dash, first entry", "400 Meter Relay".
    static QString where(int event, int entry);
    // Writes every slot that has a runner and the meet's own fields. Call check() first.
    // Saves as `by`, and takes the save's stamp. Throws MeetChangedError, writing nothing, when
    // the meet was saved by someone else since the sheet was loaded.
    void save(Connection& db, const QString& by);
    // The meet with its events, slots and team link.
    static void remove(Connection& db, qint64 meet);
};
