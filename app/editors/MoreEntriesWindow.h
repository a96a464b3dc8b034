#pragma once

#include "editors/SheetSlot.h"
#include "records/SheetEntry.h"

#include <QDialog>
#include <QList>
#include <memory>
#include <vector>

class AppContext;
class QGridLayout;
class QPushButton;
class SheetTyping;

// The further entries of one event in one division of the meet sheet: an individual event's
// third, fourth... entries, or a relay's B, C... teams, each with the sheet's runner buttons
// and four boxes, typed into as the sheet is. What it holds is taken back into the sheet when
// it closes, and counts as the sheet's while it is open.
class MoreEntriesWindow : public QDialog
{
    Q_OBJECT
public:
    MoreEntriesWindow(AppContext& app, QWidget* sheet);
    ~MoreEntriesWindow() override;

    // Shows event E's further entries (E < 13), or its further relay teams.
    void showEntries(const QString& division, int event, const QList<SheetEntry>& entries);
    void showTeams(const QString& division, int event, const QList<SheetRelay>& teams);
    int event() const { return m_event; }

    // What the rows hold now.
    QList<SheetEntry> entries() const;
    QList<SheetRelay> teams() const;
    // The slots of entries taken off (their join Pins), and the stored numbers of teams.
    QList<qint64> dropped() const { return m_dropped; }
    QList<int> droppedTeams() const { return m_droppedTeams; }

    // A new entry (or team) at the end; its first runner slot.
    const SheetSlot* addRow();
    // The rows' slots: every runner button, with its row's boxes.
    QList<const SheetSlot*> entrySlots() const;
    // The legs of the team a slot belongs to (itself for an individual entry), and its row.
    QList<const SheetSlot*> rowOf(const SheetSlot* slot) const;
    SheetTyping* typing() const { return m_typing; }
    QPushButton* addButton() const { return m_add; }

signals:
    // A runner button was pressed, or keys were typed on it (Enter is an empty text).
    void pickRequested(const SheetSlot* slot, const QString& typed);
    // The rows were made again: their old slots are gone.
    void rowsRebuilt();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row;
    // The window shows an event's further entries or teams, as they stand in the division.
    void fill(const QString& division, int event, const QList<SheetEntry>& entries,
              const QList<SheetRelay>& teams);
    void rebuild();
    void readRows();
    void removeRow(int row);
    // The order Tab walks, and without the Remove buttons the order typing goes on in.
    QList<QWidget*> tabOrder(bool withRemove) const;
    bool relay() const;

    AppContext& m_app;
    int m_event = 0;
    QString m_division;
    QList<SheetEntry> m_entries;
    QList<SheetRelay> m_teams;
    QList<qint64> m_dropped;
    QList<int> m_droppedTeams;
    std::vector<std::unique_ptr<Row>> m_rows;
    QWidget* m_area = nullptr;
    QGridLayout* m_grid = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_done = nullptr;
    SheetTyping* m_typing = nullptr;
};
