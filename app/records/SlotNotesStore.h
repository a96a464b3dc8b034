#pragma once

#include "records/MarkNotes.h"

#include <QString>
#include <QtGlobal>

class Connection;
class RecordSet;

// What a result slot keeps beside its numbers: the officials' notes on its mark and a relay
// leg's split. A save clears a division's first and writes them again slot by slot, so that
// a note taken off the sheet does not stay in the file.
class SlotNotesStore
{
public:
    // The notes and the split (as the sheet shows it, empty for none) of a row of Events_View.
    static MarkNotes notesOf(const RecordSet& row);
    static QString splitOf(const RecordSet& row);
    // Every note and split of the division's slots.
    static void clear(Connection& db, qint64 division);
    // Only what the slot has; call clear() first. A split that is no time is not written: the
    // sheet's check refuses it before a save.
    static void write(Connection& db, qint64 join, const MarkNotes& notes);
    static void writeSplit(Connection& db, qint64 join, const QString& split);
};
