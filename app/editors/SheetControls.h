#pragma once

#include "editors/SheetSlot.h"
#include "records/MeetSheet.h"

#include <QList>
#include <array>

class QWidget;

// The result slots of the meet sheet as controls, at their places on the sheet: every
// event's caption, runner buttons with their hidden labels, and number boxes, with the
// headings above the columns. The meet editor fills and reads them.
class SheetControls
{
public:
    explicit SheetControls(QWidget* sheet);

    const SheetSlot& first(int event) const { return m_first[static_cast<size_t>(event)]; }
    const SheetSlot& second(int event) const { return m_second[static_cast<size_t>(event)]; }
    const SheetSlot& relayLeg(int relay, int leg) const;
    // Every slot: both entries of each individual event, then every relay leg.
    QList<const SheetSlot*> all() const;
    // The slots' controls in the order Tab walks them.
    QList<QWidget*> tabOrder() const;

    void clear();
    // The runner buttons tell a screen reader who runs, not only where.
    void describeRunners();

private:
    SheetSlot makeSlot(int index, bool second, int left, int top);

    QWidget* m_sheet;
    std::array<SheetSlot, MeetSheet::Individual> m_first;
    std::array<SheetSlot, MeetSheet::Individual> m_second;
    std::array<SheetSlot, MeetSheet::Relays * 4> m_legs;
};
