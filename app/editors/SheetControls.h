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
    // The entries that were the runner's PR or SB as of the meet, by join Pin (" PR", " SB"):
    // their runner is shown in bold, says so in its tooltip, and to a screen reader.
    void markBests(const QHash<qint64, QString>& words);

    // Fills the slots from a loaded sheet, and reads them back into one. Reading throws
    // DatabaseError on a slot the program itself left unreadable.
    void show(const MeetSheet& sheet);
    void readInto(MeetSheet& sheet) const;
    // The box a refused number stands in.
    QLineEdit* boxOf(const MeetSheet::Problem& problem) const;
    // The event of a slot (0 to 16) and all the slots of that event: both entries, or the relay's
    // legs.
    int eventOf(const SheetSlot& slot, QList<const SheetSlot*>* siblings = nullptr) const;
    // "100 Meter Dash, first entry", "400 Meter Relay, leg 2".
    static QString entryName(const SheetSlot& slot);
    // Colours the half-filled slots and tells a screen reader what each one lacks; the others
    // are shown plain.
    void markGaps(const QList<MeetSheet::Gap>& gaps);

private:
    SheetSlot makeSlot(int index, bool second, int left, int top);

    QWidget* m_sheet;
    std::array<SheetSlot, MeetSheet::Individual> m_first;
    std::array<SheetSlot, MeetSheet::Individual> m_second;
    std::array<SheetSlot, MeetSheet::Relays * 4> m_legs;
};
