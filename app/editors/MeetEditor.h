#pragma once

#include "editors/SheetControls.h"
#include "records/MeetSheet.h"
#include "ui/RecordWindow.h"

#include <memory>

class AppContext;
class DivisionBar;
class DivisionWindow;
class EntryPicker;
class FurtherEntries;
class LiveBests;
class MainLists;
class MeetFields;
class ProgramWindows;
class SheetTyping;

// meetInfo: one meet on one sheet, with the host, the date, place and weather, and the result
// slots of all seventeen events of one of its divisions at a time. Saves, deletes, or starts
// the meet's report. One window, reused for every meet.
class MeetEditor : public RecordWindow
{
    Q_OBJECT
public:
    static constexpr int Events = 17;
    static constexpr int Individual = 13;
    static constexpr int Relays = 4;

    MeetEditor(AppContext& app, MainLists& lists, ProgramWindows& windows);
    ~MeetEditor() override;

    bool build(qint64 meetPin) override;
    qint64 meetPin() const { return m_meetPin; }
    qint64 teamPin() const { return m_teamPin; }

    bool save() override;
    void remove() override;

    // The slots as the sheet addresses them: first and second slot of event E (0 to 12), and
    // leg k of relay r (0 to 3), of the division shown.
    const SheetSlot& firstSlot(int event) const { return m_slots.first(event); }
    const SheetSlot& secondSlot(int event) const { return m_slots.second(event); }
    const SheetSlot& relayLeg(int relay, int leg) const;

    // The division shown, and showing another (the sheet keeps what was typed in each).
    int division() const { return m_division; }
    void showDivision(int division);
    // The sheet as the window holds it now, every division with it.
    MeetSheet current() const;
    // The "+" buttons and the window of each event's further entries.
    FurtherEntries* furtherEntries() const { return m_further; }

    static QString eventCaption(int event);

protected:
    void hideEvent(QHideEvent* event) override;
    QString snapshot() const override;
    QString saveQuestion() const override;

private:
    void buildMeetControls();
    void setTabOrder();
    void clearSheet();
    // The gaps, the PRs and SBs and the team score, after every change.
    void refreshMarks();
    void pickHost();
    // The runner and host buttons tell a screen reader who was chosen, not only where.
    void describeChoices();
    void addDivision();
    void removeDivision();
    void showDivisionList();
    // Puts the focus on a box the sheet refused or a slot it asks about.
    // The box (0 to 3) of an entry, or its runner button for box -1, in whichever window
    // shows it.
    QWidget* goTo(int division, int event, int entry, int box);

    AppContext& m_app;
    MainLists& m_lists;
    ProgramWindows& m_windows;
    qint64 m_meetPin = 0;
    qint64 m_teamPin = 0;
    // The sheet as loaded, with what was typed into the divisions not shown.
    MeetSheet m_sheet;
    int m_division = 0;
    // Which entries are a PR or an SB as of the meet, as the sheet stands.
    LiveBests* m_bests = nullptr;

    // The sheet below the division strip; declared before the slots that stand on it.
    QWidget* m_area = nullptr;
    SheetControls m_slots;
    SheetTyping* m_typing = nullptr;
    DivisionBar* m_bar = nullptr;
    DivisionWindow* m_divisionWindow = nullptr;
    FurtherEntries* m_further = nullptr;
    EntryPicker* m_picker = nullptr;
    // The sheet is being filled from the file: its half-filled slots are marked once, after.
    bool m_loading = false;

    std::unique_ptr<MeetFields> m_fields;
};
