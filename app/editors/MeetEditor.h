#pragma once

#include "editors/SheetControls.h"
#include "records/MeetSheet.h"
#include "ui/RecordWindow.h"

#include <QDate>
#include <QTime>

class AppContext;
class DateBox;
class MainLists;
class ProgramWindows;
class QCalendarWidget;
class QLineEdit;
class QPushButton;
class SheetTyping;

// meetInfo: one meet on one sheet, with the host, the date, place and weather, and the result
// slots of all seventeen events. Saves, deletes, or starts the meet's report. One window,
// reused for every meet.
class MeetEditor : public RecordWindow
{
    Q_OBJECT
public:
    static constexpr int Events = 17;
    static constexpr int Individual = 13;
    static constexpr int Relays = 4;

    MeetEditor(AppContext& app, MainLists& lists, ProgramWindows& windows);

    bool build(qint64 meetPin) override;
    qint64 meetPin() const { return m_meetPin; }
    qint64 teamPin() const { return m_teamPin; }

    bool save() override;
    void remove() override;

    // The slots as the sheet addresses them: first and second slot of event E (0 to 12), and
    // leg k of relay r (0 to 3).
    const SheetSlot& firstSlot(int event) const { return m_slots.first(event); }
    const SheetSlot& secondSlot(int event) const { return m_slots.second(event); }
    const SheetSlot& relayLeg(int relay, int leg) const;

    static QString eventCaption(int event);

protected:
    QString snapshot() const override;
    QString saveQuestion() const override;

private:
    void buildMeetControls();
    void setTabOrder();
    void clearSheet();
    // Opens the picker for a slot beside its button, searching for what was typed on it.
    void pickRunner(const SheetSlot& slot, const QString& search = {});
    void runnerChosen();
    void pickCancelled();
    void refreshGaps();
    void pickHost();
    // The runner and host buttons tell a screen reader who was chosen, not only where.
    void describeChoices();
    // The sheet as the window shows it now. Throws DatabaseError on a slot the program itself
    // left unreadable.
    MeetSheet sheet() const;

    AppContext& m_app;
    MainLists& m_lists;
    ProgramWindows& m_windows;
    qint64 m_meetPin = 0;
    qint64 m_teamPin = 0;
    QDate m_loadedDate;
    QTime m_loadedTime;
    // The stamp of the save the sheet was loaded after; a save finds out from it whether
    // someone else saved the meet since.
    QString m_loadedStamp;

    SheetControls m_slots;
    SheetTyping* m_typing = nullptr;
    // The slot whose runner the picker is choosing.
    const SheetSlot* m_picking = nullptr;
    // The pick was asked for from the keyboard, which goes on along the sheet.
    bool m_keyboardPick = false;
    // The sheet is being filled from the file: its half-filled slots are marked once, after.
    bool m_loading = false;

    QPushButton* m_schoolBox = nullptr;
    DateBox* m_dateBox = nullptr;
    QCalendarWidget* m_timeBox = nullptr;
    QLineEdit* m_meetPlace = nullptr;
    QLineEdit* m_weatherBox = nullptr;
    QPushButton* m_reportButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_updateButton = nullptr;
};
