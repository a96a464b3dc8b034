#pragma once

#include "records/SheetEntry.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class Connection;

// The result slots one save writes. A file is sent each slot's statements as it always was;
// a server is sent them all at the end in one statement, which spares it a round trip a slot.
// The division's notes and splits are cleared before the first slot is added.
class SlotWrites
{
public:
    explicit SlotWrites(Connection& db);
    SlotWrites(const SlotWrites&) = delete;
    SlotWrites& operator=(const SlotWrites&) = delete;

    // The slot `join` takes the runner and the numbers, and a relay leg's split (empty for
    // none). The numbers have passed the sheet's check.
    void add(qint64 join, qint64 runner, const SheetNumbers& numbers, const QString& split = {});
    // Sends what a server still waits for; throws DatabaseError as the statements do.
    void flush();

private:
    struct Slot
    {
        qint64 join;
        qint64 runner;
        SheetNumbers numbers;
        QString split;
    };

    Connection& m_db;
    QList<Slot> m_waiting;
};
