#pragma once

#include "editors/SheetSlot.h"
#include "records/MeetSheet.h"

#include <QHash>
#include <QList>
#include <array>

class QLineEdit;
class QWidget;

// The result slots of the meet sheet as controls, at their places on the sheet: every
// event's caption, runner buttons with their hidden labels, and number boxes, with the
// headings above the columns. The meet editor fills and reads them.
class SheetControls
{
public:
    // The property of a runner button that holds " PR" or " SB" when its entry was one as of
    // the meet.
    static constexpr const char* BestProperty = "best";

    explicit SheetControls(QWidget* sheet);

    const SheetSlot& first(int event) const { return m_first[static_cast<size_t>(event)]; }
    const SheetSlot& second(int event) const { return m_second[static_cast<size_t>(event)]; }
    const SheetSlot& relayLeg(int relay, int leg) const;
    // Entry 0 or 1 of an individual event; a relay's first leg, which holds its boxes.
    const SheetSlot& slotAt(int event, int entry) const;
    // Every slot: both entries of each individual event, then every relay leg.
    QList<const SheetSlot*> all() const;
    // The slots' controls in the order Tab walks them.
    QList<QWidget*> tabOrder() const;

    void clear();
    // The runner buttons tell a screen reader who runs, not only where.
    void describeRunners();

    // Fills the slots from one division of a sheet, and reads them back into it. Reading
    // throws DatabaseError on a slot the program itself left unreadable.
    void show(const Division& division);
    void readInto(Division& division) const;
    // The "+" at the end of event E's row, which opens its further entries (a relay's further
    // teams); its caption counts them.
    QPushButton* moreButton(int event) const { return m_more[size_t(event)]; }
    void showMoreCount(int event, int count);
    // The sheet's width in twips, with the "+" buttons.
    static int width();
    // The left of the meet's own controls: they move with the right half.
    static int rightShift();
    // The event of a slot (0 to 16) and all the slots of that event: both entries, or the relay's
    // legs.
    int eventOf(const SheetSlot& slot, QList<const SheetSlot*>* siblings = nullptr) const;
    // "100 Meter Dash, first entry", "400 Meter Relay, leg 2".
    static QString entryName(const SheetSlot& slot);

private:
    SheetSlot makeSlot(int index, bool second, int left, int top, int width);

    QWidget* m_sheet;
    std::array<SheetSlot, MeetSheet::Individual> m_first;
    std::array<SheetSlot, MeetSheet::Individual> m_second;
    std::array<SheetSlot, MeetSheet::Relays * 4> m_legs;
    std::array<QPushButton*, MeetSheet::Events> m_more{};
};
