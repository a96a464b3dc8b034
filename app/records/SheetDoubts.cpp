#include "SheetDoubts.h"

#include "data/MarkOrder.h"
#include "records/MarkLimits.h"
#include "records/MeetSheet.h"
#include "records/SheetNumber.h"

#include <functional>

namespace {

// Every entry of the sheet that has a runner (a relay team one with a runner on a leg) and a
// mark: its place on the sheet and its numbers.
void eachMark(const MeetSheet& sheet,
              const std::function<void(int, int, int, const SheetNumbers&)>& take)
{
    for (int d = 0; d < sheet.divisions.size(); ++d) {
        const Division& division = sheet.divisions[d];
        for (int e = 0; e < MeetSheet::Events; ++e) {
            const bool relay = e >= MeetSheet::Individual;
            const int count =
                relay ? division.relayCount(e - MeetSheet::Individual) : division.entryCount(e);
            for (int k = 0; k < count; ++k) {
                const SheetNumbers* n = nullptr;
                if (relay) {
                    const SheetRelay* team = division.relay(e - MeetSheet::Individual, k);
                    for (const SheetEntry& leg : team->legs)
                        if (!leg.name.isEmpty())
                            n = &team->numbers;
                } else if (const SheetEntry* entry = division.entry(e, k);
                           entry && !entry->name.isEmpty()) {
                    n = &entry->numbers;
                }
                if (n && (SheetNumber::value(n->mark1) != 0 || SheetNumber::value(n->mark2) != 0))
                    take(d, e, k, *n);
            }
        }
    }
}

} // namespace

QList<SheetDoubts::Offer> SheetDoubts::offers(const MeetSheet& sheet)
{
    QList<Offer> offers;
    eachMark(sheet, [&](int d, int e, int k, const SheetNumbers& n) {
        if (SheetNumber::value(n.mark1) != 0)
            return;
        const auto meant = MarkLimits::minutesMeant(e + 1, SheetNumber::value(n.mark2), n.mark2);
        if (!meant)
            return;
        const QString minutes = meant->first + QLatin1Char(':') + meant->second;
        offers << Offer{d,
                        e,
                        k,
                        QStringLiteral("%1: %2 seconds is faster than any high-school %3. Save "
                                       "it as %4?")
                            .arg(sheet.where(d, e, k), n.mark2, MeetSheet::eventName(e), minutes),
                        meant->first,
                        meant->second + n.notes.suffix()};
    });
    return offers;
}

QList<SheetDoubts::Doubt> SheetDoubts::doubts(const MeetSheet& sheet)
{
    QList<Doubt> doubts;
    eachMark(sheet, [&](int d, int e, int k, const SheetNumbers& n) {
        const double value =
            MarkOrder::value(e + 1, SheetNumber::value(n.mark1), SheetNumber::value(n.mark2));
        if (const auto why = MarkLimits::doubt(e + 1, value, MarkLimits::written(e + 1, value)))
            doubts << Doubt{d, e, k, sheet.where(d, e, k) + QStringLiteral(": ") + *why};
    });
    return doubts;
}
