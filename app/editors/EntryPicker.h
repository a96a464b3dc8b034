#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class MoreEntriesWindow;
class ProgramWindows;
class QWidget;
class SheetControls;
class SheetTyping;
struct SheetSlot;

// Picks the runner of a slot of the meet sheet, or of a further entry in the window beside
// it: the runner picker opens beside the slot's button, offering the division's runners, and
// the place and mark typed with the name go into the slot's boxes. From the keyboard a relay
// team's empty legs are picked in a row.
class EntryPicker : public QObject
{
    Q_OBJECT
public:
    // What the picker offers for an event: the team's runners, those of the division's gender
    // first, and which runners the event's entries not shown as buttons already hold.
    struct Offer
    {
        qint64 team = 0;
        QString gender;
        QList<qint64> taken;
    };

    EntryPicker(ProgramWindows& windows, const SheetControls& sheet, SheetTyping& typing,
                QWidget* editor);

    void setMore(MoreEntriesWindow* more) { m_more = more; }
    void onOffer(std::function<Offer(int event)> offer) { m_offer = std::move(offer); }

    // Opens the picker for a slot, searching for `search`; `keyboard` when asked from the keys.
    void pick(const SheetSlot& slot, const QString& search, bool keyboard);
    // Enter (an empty text) or text typed on a runner button; true when it was taken.
    bool keys(const SheetSlot* slot, const QString& typed);
    // The picker is open for a slot, and takes what is typed before it has the keyboard.
    bool picking() const;
    // The further entries' rows were made again: a pick for one of the old ones ends.
    void rowsGone();

signals:
    // A runner was put into a slot.
    void picked();

private:
    void chosen();
    void cancelled();
    // The event of a slot, the slots of its event (every entry, or every leg of every team),
    // and the legs of its own team (itself for an individual entry).
    int eventOf(const SheetSlot& slot, QList<const SheetSlot*>* event,
                QList<const SheetSlot*>* team) const;
    bool inMore(const SheetSlot& slot) const;
    // The slot is one of the sheet's or of the further entries' rows now shown.
    bool known(const SheetSlot* slot) const;

    ProgramWindows& m_windows;
    const SheetControls& m_sheet;
    SheetTyping& m_typing;
    QWidget* m_editor;
    QPointer<MoreEntriesWindow> m_more;
    std::function<Offer(int)> m_offer;
    const SheetSlot* m_picking = nullptr;
    bool m_keyboard = false;
};
