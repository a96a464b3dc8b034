#pragma once

#include "records/MarkNotes.h"

#include <QString>
#include <QtGlobal>
#include <array>

// Place, points and the two halves of the mark, as typed, and the notes the officials wrote
// beside the mark, which the sheet shows after the second half ("12.4h", "6.5 +1.8").
struct SheetNumbers
{
    QString place, points, mark1, mark2;
    MarkNotes notes = {};

    // The second box's text.
    QString secondBox() const { return mark2 + notes.suffix(); }
    // The four boxes as typed. A tail of the second box that is no note stays with its number,
    // for the sheet's check to refuse.
    static SheetNumbers fromBoxes(const QString& place, const QString& points, const QString& mark1,
                                  const QString& second);
};

// One result slot. A slot without a runner has an empty name; a slot the meet lacks (an older
// file may have lost one) does not exist. An entry made on the sheet and not yet saved exists
// with no slot (join 0).
struct SheetEntry
{
    bool exists = false;
    qint64 runner = 0;
    // The slot's Event_to_Runner Pin.
    qint64 join = 0;
    QString name;
    SheetNumbers numbers;
    // A relay leg's split as typed ("47.1"); empty for none, and for an individual entry.
    QString split = {};
};

// A relay team: its four legs share one result. `team` is its stored number within the event
// (0 for A, 1 for B, ...), or -1 for a team made on the sheet and not yet saved.
struct SheetRelay
{
    std::array<SheetEntry, 4> legs;
    SheetNumbers numbers;
    int team = 0;
};
