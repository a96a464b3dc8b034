#include "EntryPicker.h"

#include "editors/MoreEntriesWindow.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerSelector.h"
#include "editors/SheetControls.h"
#include "editors/SheetTyping.h"
#include "records/MeetSheet.h"
#include "records/ResultLine.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

EntryPicker::EntryPicker(ProgramWindows& windows, const SheetControls& sheet, SheetTyping& typing,
                         QWidget* editor)
    : QObject(editor), m_windows(windows), m_sheet(sheet), m_typing(typing), m_editor(editor)
{
}

bool EntryPicker::inMore(const SheetSlot& slot) const
{
    return m_more && m_more->isVisible() && m_more->entrySlots().contains(&slot);
}

int EntryPicker::eventOf(const SheetSlot& slot, QList<const SheetSlot*>* event,
                         QList<const SheetSlot*>* team) const
{
    int e = -1;
    QList<const SheetSlot*> mine;
    if (inMore(slot)) {
        e = m_more->event();
        *team = m_more->rowOf(&slot);
        m_sheet.eventOf(e >= MeetSheet::Individual ? m_sheet.relayLeg(e - MeetSheet::Individual, 0)
                                                   : m_sheet.first(e),
                        event);
    } else {
        e = m_sheet.eventOf(slot, event);
        *team = e >= MeetSheet::Individual ? *event : QList<const SheetSlot*>{&slot};
    }
    // The further entries in their window belong to the event too.
    if (m_more && m_more->isVisible() && m_more->event() == e)
        *event << m_more->entrySlots();
    return e;
}

void EntryPicker::pick(const SheetSlot& slot, const QString& search, bool keyboard)
{
    m_keyboard = keyboard;
    QList<const SheetSlot*> event, team;
    const int e = eventOf(slot, &event, &team);
    if (e < 0)
        return;
    QList<RunnerSelector::Entry> others;
    for (const SheetSlot* s : std::as_const(event))
        if (s != &slot)
            others << RunnerSelector::Entry{s->button, s->label};
    const Offer offer = m_offer ? m_offer(e) : Offer{};
    RunnerSelector* picker = m_windows.runnerSelector();
    connect(picker, &RunnerSelector::chosen, this, &EntryPicker::chosen, Qt::UniqueConnection);
    connect(picker, &RunnerSelector::cancelled, this, &EntryPicker::cancelled,
            Qt::UniqueConnection);
    m_picking = &slot;
    picker->build(offer.team, slot.button, slot.label, MeetSheet::eventName(e), others,
                  SheetControls::entryName(slot), offer.gender, offer.taken);
    picker->search()->setText(search);
    picker->placeBeside(slot.button);
    ProgramWindows::present(picker);
}

bool EntryPicker::known(const SheetSlot* slot) const
{
    return m_sheet.all().contains(slot) || (m_more && m_more->entrySlots().contains(slot));
}

void EntryPicker::rowsGone()
{
    if (m_picking && !m_sheet.all().contains(m_picking)) {
        m_picking = nullptr;
        m_windows.runnerSelector()->hide();
    }
}

bool EntryPicker::picking() const
{
    return m_picking && m_windows.runnerSelector()->isVisible();
}

bool EntryPicker::keys(const SheetSlot* slot, const QString& typed)
{
    // While the picker is open, keys typed before it took the keyboard belong to it.
    RunnerSelector* picker = m_windows.runnerSelector();
    if (picking()) {
        if (typed.isEmpty())
            picker->chooseFound();
        else
            picker->search()->insert(typed);
        return true;
    }
    // Enter, or a letter that starts the search; the space bar still presses the button.
    if (!slot || (!typed.isEmpty() && !typed.at(0).isLetter()))
        return false;
    pick(*slot, typed, true);
    return true;
}

void EntryPicker::chosen()
{
    emit picked();
    const SheetSlot* slot = std::exchange(m_picking, nullptr);
    if (!slot || !known(slot))
        return;
    const bool more = inMore(*slot);
    QList<const SheetSlot*> event, team;
    const int e = eventOf(*slot, &event, &team);
    // The slot went with its row while the picker was open.
    if (e < 0 || team.isEmpty())
        return;
    QWidget* window = more ? static_cast<QWidget*>(m_more) : m_editor;
    SheetTyping& typing = more ? *m_more->typing() : m_typing;
    const SheetSlot& boxes = more ? *team.first()
                             : e < MeetSheet::Individual
                                 ? *slot
                                 : m_sheet.relayLeg(e - MeetSheet::Individual, 0);
    // Results typed with the name go into the slot, and the next slot's runner comes next.
    if (const ResultLine line = m_windows.runnerSelector()->results(); line.hasResults()) {
        QWidget* next = typing.enterResults(boxes, line);
        window->activateWindow();
        if (next)
            next->setFocus();
        return;
    }
    // From the keyboard a relay team's empty legs are picked in a row; after the last one,
    // or an individual entry, the results come next.
    const qsizetype leg = team.indexOf(slot);
    if (m_keyboard && e >= MeetSheet::Individual && leg + 1 < team.size() &&
        team.at(leg + 1)->button->text().isEmpty()) {
        pick(*team.at(leg + 1), QString(), true);
        return;
    }
    window->activateWindow();
    boxes.place->setFocus();
}

void EntryPicker::cancelled()
{
    if (const SheetSlot* slot = std::exchange(m_picking, nullptr); slot && known(slot)) {
        (inMore(*slot) ? static_cast<QWidget*>(m_more) : m_editor)->activateWindow();
        slot->button->setFocus();
    }
}
