#include "SheetBests.h"

#include "data/MarkOrder.h"
#include "records/HandTimes.h"
#include "records/MeetSheet.h"
#include "records/SheetNumber.h"

#include <limits>

namespace {

// Every runner of the sheet's individual events and relays.
QSet<qint64> runnersOf(const MeetSheet& sheet)
{
    QSet<qint64> runners;
    for (const Division& d : sheet.divisions) {
        for (int e = 0; e < MeetSheet::Individual; ++e)
            for (int k = 0; k < d.entryCount(e); ++k)
                if (const SheetEntry* entry = d.entry(e, k); entry && entry->runner != 0)
                    runners.insert(entry->runner);
        for (int r = 0; r < MeetSheet::Relays; ++r)
            for (int t = 0; t < d.relayCount(r); ++t)
                for (const SheetEntry& leg : d.relay(r, t)->legs)
                    if (leg.runner != 0)
                        runners.insert(leg.runner);
    }
    runners.remove(0);
    return runners;
}

} // namespace

void SheetBests::load(Connection& db, const MeetSheet& sheet)
{
    m_meet = sheet.meet;
    m_date = sheet.date;
    m_elsewhere = Bests::marksElsewhere(db, sheet.meet, 0);
    m_read = runnersOf(sheet);
}

QHash<qint64, QString> SheetBests::words(Connection& db, const MeetSheet& sheet)
{
    const QDate date = sheet.date.isValid() ? sheet.date : m_date;
    // Only an individual event's marks decide its flags; a relay's count for other events.
    QHash<qint64, QList<Bests::Mark>> here;
    // Entries not yet saved come after the saved ones of the meet.
    qint64 unsaved = std::numeric_limits<qint64>::max();
    for (const Division& d : sheet.divisions)
        for (int e = 0; e < MeetSheet::Individual; ++e)
            for (int k = 0; k < d.entryCount(e); ++k) {
                const SheetEntry* entry = d.entry(e, k);
                if (!entry || entry->runner == 0)
                    continue;
                Bests::Mark m;
                m.type = e + 1;
                const double value =
                    MarkOrder::value(m.type, SheetNumber::value(entry->numbers.mark1),
                                     SheetNumber::value(entry->numbers.mark2));
                if (value == 0)
                    continue;
                m.hand = entry->numbers.notes.hand;
                m.aided = entry->numbers.notes.aided();
                m.value = HandTimes::ranked(m.type, value, m.hand);
                m.date = date;
                m.join = entry->join != 0 ? entry->join : unsaved--;
                m.runner = entry->runner;
                here[m.runner] << m;
            }
    QHash<qint64, QString> words;
    for (auto it = here.begin(); it != here.end(); ++it) {
        if (!m_read.contains(it.key())) {
            m_elsewhere.insert(Bests::marksElsewhere(db, m_meet, it.key()));
            m_read.insert(it.key());
        }
        QList<Bests::Mark> marks = m_elsewhere.value(it.key()) + it.value();
        Bests::sortByMeet(marks);
        const QHash<qint64, Bests::Flag> flags = Bests::flags(marks);
        for (const Bests::Mark& m : it.value())
            if (const Bests::Flag flag = flags.value(m.join); flag != Bests::Flag::None)
                words.insert(m.join, Bests::word(flag));
    }
    return words;
}
