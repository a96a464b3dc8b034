#pragma once

#include <QList>
#include <QObject>
#include <functional>

class AppContext;
class EntryPicker;
class MoreEntriesWindow;
class SheetControls;
struct Division;

// The meet sheet's "+" buttons: each opens its event's further entries (a relay's further
// teams) of the division shown, in a window over the sheet, and takes them back into the
// division when that window closes. A letter typed on a "+" begins a new entry with its runner.
class FurtherEntries : public QObject
{
    Q_OBJECT
public:
    // `division` gives the division shown, or nullptr when there is none.
    FurtherEntries(AppContext& app, SheetControls& sheet, EntryPicker& picker, QWidget* editor,
                   std::function<Division*()> division);

    // The window (made on first use).
    MoreEntriesWindow* window();
    bool isOpen(int event) const;
    // Opens event E's further entries; with `add`, a new entry whose runner is picked at once,
    // searching for `typed`.
    void open(int event, bool add = false, const QString& typed = {});
    // The runners the event's further entries hold while their window is closed.
    QList<qint64> runnersOf(int event) const;
    // What the open window holds, into a division (the one shown, or a copy of it); again and
    // again gives the same.
    void applyTo(Division& division) const;
    // Closes the window, its rows taken back into the division shown.
    void close();

signals:
    // What the further entries hold changed.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeBack();
    void rowsInto(Division& division) const;

    AppContext& m_app;
    SheetControls& m_sheet;
    EntryPicker& m_picker;
    QWidget* m_editor;
    std::function<Division*()> m_division;
    MoreEntriesWindow* m_window = nullptr;
};
