#pragma once

#include "records/Bests.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

class Connection;
class MeetSheet;

// Which entries of an open meet's sheet are a PR or an SB as of the meet, for the sheet as it
// stands: its marks as typed, its runners as picked and its date, weighed against what each
// runner did at every other meet. The flags follow every change before a save.
class SheetBests
{
public:
    // Reads at once what the runners of the sheet did at the other meets.
    void load(Connection& db, const MeetSheet& sheet);
    // " PR" or " SB" by join Pin, for the individual entries of the sheet as it stands; reads
    // the other meets of a runner it has not met yet.
    QHash<qint64, QString> words(Connection& db, const MeetSheet& sheet);

private:
    qint64 m_meet = 0;
    // The date the meet was loaded with, for a sheet whose date box holds no date.
    QDate m_date;
    QSet<qint64> m_read;
    QHash<qint64, QList<Bests::Mark>> m_elsewhere;
};
