#pragma once

#include "data/MarkOrder.h"
#include "records/Division.h"
#include "records/SheetDoubts.h"
#include "records/SheetEntry.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

class Connection;

// One meet's whole result sheet as plain values: the meet's own fields and its divisions, each
// a full sheet of the seventeen events with the numbers as the coach typed them. Loading,
// checking, saving and deleting a meet happen here; the meet editor only shows the sheet.
// Database refusals throw DatabaseError; a save or a delete applies whole or not at all.
class MeetSheet
{
public:
    static constexpr int Individual = Division::Individual;
    static constexpr int Relays = Division::Relays;
    static constexpr int Events = Division::Events;
    // A meet holds at most this many divisions.
    static constexpr int MaxDivisions = 20;

    using Numbers = SheetNumbers;
    using Entry = SheetEntry;
    using Relay = SheetRelay;

    // A relay leg's split box, after the team's four: SplitBox + leg.
    static constexpr int SplitBox = 4;

    // The first number that cannot be saved: the division, event 0 to 16, entry (0 and 1 the
    // designed entries, 2 and on the further ones; a relay's team, 0 for A), box 0 to 3
    // (place, points, first and second half of the mark) or a leg's split box, and what to
    // tell.
    struct Problem
    {
        int division;
        int event;
        int entry;
        int box;
        QString message;
    };

    // A slot left half filled: a runner without a mark, or numbers without a runner (which
    // are not saved). A relay team is one slot.
    struct Gap
    {
        int division;
        int event;
        int entry;
        bool noMark;
        QString text;
    };

    // A runner entered in a division of the other gender: allowed, but named before a save.
    struct Crossing
    {
        int division;
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
    // At least one; a meet of an older file has one without a name.
    QList<Division> divisions;
    // Divisions taken off the sheet, deleted with their results when it is saved.
    QList<qint64> droppedDivisions;

    static QString eventName(int event);
    static bool isField(int event) { return MarkOrder::isField(event + 1); }

    // Every value the sheet holds, in one text: two sheets that hold the same give the same.
    QString fingerprint() const;

    // Nothing when the meet is gone.
    static std::optional<MeetSheet> load(Connection& db, qint64 meet);
    // Only slots with a runner are checked, as only they are saved; then the divisions' names.
    std::optional<Problem> check() const;
    QList<Gap> gaps() const;
    // Runners whose gender (by runner Pin: "F" or "M") is not their division's.
    QList<Crossing> crossings(const QHash<qint64, QString>& genders) const;
    // What Save asks before it saves a sheet with gaps, crossings or marks beyond belief
    // (SheetDoubts); nothing when it has none.
    static QString confirmation(const QList<Gap>& gaps, const QList<Crossing>& crossings,
                                const QList<SheetDoubts::Doubt>& doubts = {});
    // What a refused box tells: "<where>: the <box> box holds "<typed>", but it must hold
    // <must>."
    static QString refusal(const QString& where, const QString& box, const QString& typed,
                           const QString& must);
    // A box's caption: "Place", "Points", then "Mins" and "Secs", or "Feet" and "Inches";
    // then "Split".
    static QString boxName(bool field, int box);
    // "100 Meter Dash, first entry", "400 Meter Relay", "400 Meter Relay, B team".
    static QString where(int event, int entry);
    // The same in one division of the sheet: named after the division when the meet has more
    // than one or it has a name ("Girls JV, 100 Meter Dash, third entry").
    QString where(int division, int event, int entry) const;
    // Why a division's name cannot be saved, or nothing: empty, or another division's.
    std::optional<QString> badDivisionName(int division) const;
    // Writes every slot that has a runner, the divisions and the meet's own fields. Call
    // check() first. Saves as `by`, and takes the save's stamp. Throws MeetChangedError,
    // writing nothing, when the meet was saved by someone else since the sheet was loaded.
    void save(Connection& db, const QString& by);
    // The meet with its divisions, events, slots and team link.
    static void remove(Connection& db, qint64 meet);
};
