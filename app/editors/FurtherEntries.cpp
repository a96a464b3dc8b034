#include "FurtherEntries.h"

#include "editors/EntryPicker.h"
#include "editors/MoreEntriesWindow.h"
#include "editors/SheetControls.h"
#include "editors/SheetTyping.h"
#include "records/Division.h"

#include <QKeyEvent>
#include <QPushButton>

FurtherEntries::FurtherEntries(AppContext& app, SheetControls& sheet, EntryPicker& picker,
                               QWidget* editor, std::function<Division*()> division)
    : QObject(editor), m_app(app), m_sheet(sheet), m_picker(picker), m_editor(editor),
      m_division(std::move(division))
{
    for (int e = 0; e < Division::Events; ++e) {
        connect(sheet.moreButton(e), &QPushButton::clicked, this, [this, e] { open(e); });
        sheet.moreButton(e)->installEventFilter(this);
    }
}

MoreEntriesWindow* FurtherEntries::window()
{
    if (!m_window) {
        m_window = new MoreEntriesWindow(m_app, m_editor);
        m_picker.setMore(m_window);
        connect(m_window, &MoreEntriesWindow::pickRequested, this,
                [this](const SheetSlot* slot, const QString& typed) {
                    m_picker.pick(*slot, typed, !typed.isNull());
                });
        m_window->typing()->onRunnerKeys([this](const SheetSlot* slot, const QString& typed) {
            return m_picker.keys(slot, typed);
        });
        connect(m_window->typing(), &SheetTyping::changed, this, &FurtherEntries::changed);
        connect(m_window, &QDialog::finished, this, &FurtherEntries::takeBack);
        connect(m_window, &MoreEntriesWindow::rowsRebuilt, this, [this] { m_picker.rowsGone(); });
    }
    return m_window;
}

bool FurtherEntries::isOpen(int event) const
{
    return m_window && m_window->isVisible() && m_window->event() == event;
}

void FurtherEntries::open(int event, bool add, const QString& typed)
{
    const Division* d = m_division();
    if (!d || event < 0 || event >= Division::Events)
        return;
    MoreEntriesWindow* more = window();
    // One event's entries at a time: another's go back into the division first. The event's
    // own, open already, stay as they are typed.
    if (!isOpen(event)) {
        close();
        if (event < Division::Individual)
            more->showEntries(d->title(), event, d->more[size_t(event)]);
        else
            more->showTeams(d->title(), event, d->moreRelays[size_t(event - Division::Individual)]);
    }
    more->show();
    more->raise();
    more->activateWindow();
    if (add) {
        if (const SheetSlot* slot = more->addRow())
            m_picker.pick(*slot, typed, true);
    } else if (!more->entrySlots().isEmpty()) {
        more->entrySlots().first()->button->setFocus();
    } else {
        more->addButton()->setFocus();
    }
}

QList<qint64> FurtherEntries::runnersOf(int event) const
{
    QList<qint64> runners;
    const Division* d = m_division();
    if (!d || isOpen(event))
        return runners;
    if (event < Division::Individual)
        for (const SheetEntry& e : d->more[size_t(event)])
            runners << e.runner;
    else
        for (const SheetRelay& team : d->moreRelays[size_t(event - Division::Individual)])
            for (const SheetEntry& leg : team.legs)
                runners << leg.runner;
    runners.removeAll(0);
    return runners;
}

void FurtherEntries::applyTo(Division& d) const
{
    if (m_window && m_window->isVisible())
        rowsInto(d);
}

void FurtherEntries::rowsInto(Division& d) const
{
    const int event = m_window->event();
    if (event < Division::Individual) {
        d.more[size_t(event)] = m_window->entries();
        for (const qint64 join : m_window->dropped())
            if (!d.dropped.contains(join))
                d.dropped << join;
    } else {
        d.moreRelays[size_t(event - Division::Individual)] = m_window->teams();
        for (const int team : m_window->droppedTeams())
            if (!d.droppedRelays.contains(std::pair{event, team}))
                d.droppedRelays << std::pair{event, team};
    }
}

void FurtherEntries::close()
{
    if (m_window && m_window->isVisible())
        m_window->accept();
}

void FurtherEntries::takeBack()
{
    const int event = m_window->event();
    if (Division* d = m_division()) {
        rowsInto(*d);
        m_sheet.showMoreCount(event, event < Division::Individual
                                         ? d->entryCount(event) - 2
                                         : d->relayCount(event - Division::Individual) - 1);
    }
    // The rows now stand in the division: the window must not give them again.
    m_window->showEntries(QString(), 0, {});
    emit changed();
    m_editor->activateWindow();
    m_sheet.moreButton(event)->setFocus();
}

bool FurtherEntries::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    for (int e = 0; e < Division::Events; ++e) {
        if (watched != m_sheet.moreButton(e))
            continue;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool typed = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        // Keys typed before the picker took the keyboard belong to the entry it began.
        if (isOpen(e) && (enter || typed) && m_picker.picking())
            return m_picker.keys(nullptr, enter ? QString() : key->text());
        // A letter begins the event's next further entry: the results line goes on past the
        // designed entries.
        if (typed && key->text().at(0).isLetter()) {
            open(e, true, key->text());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
