#pragma once

#include "records/MeetSheet.h"

#include <optional>

class Connection;

// A meet sheet in the database: read in a few queries, written in one unit of work.
class MeetSheetStore
{
public:
    static std::optional<MeetSheet> load(Connection& db, qint64 meet);
    static void save(MeetSheet& sheet, Connection& db, const QString& by);
    static void remove(Connection& db, qint64 meet);
    // A meet's divisions in their order: Pin, name and gender, their sheets empty.
    static QList<Division> divisionsOf(Connection& db, qint64 meet);
    // A new division of a meet with its seventeen events and their designed slots (two each,
    // four for a relay's A team), inside the caller's unit of work. Its Pin.
    static qint64 addDivision(Connection& db, qint64 meet, const QString& name,
                              const QString& gender, int position);
    // The division's events, filled into `division` with their slots' Pins.
    static void addEvents(Connection& db, qint64 meet, Division& division);
    // Deletes a division's events and slots, and the division.
    static void removeDivision(Connection& db, qint64 division);
};
