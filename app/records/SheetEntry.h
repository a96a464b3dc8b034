#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// Place, points and the two halves of the mark, as typed.
struct SheetNumbers
{
    QString place, points, mark1, mark2;
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
};

// A relay team: its four legs share one result. `team` is its stored number within the event
// (0 for A, 1 for B, ...), or -1 for a team made on the sheet and not yet saved.
struct SheetRelay
{
    std::array<SheetEntry, 4> legs;
    SheetNumbers numbers;
    int team = 0;
};
