#pragma once

#include "records/SheetBests.h"

#include <QObject>
#include <QTimer>
#include <functional>

class AppContext;
class MeetSheet;
class SheetControls;
class QWidget;

// The PR and SB marks of the open sheet, following every change of runner, mark or date. A
// burst of changes (a pasted sheet, a division filled by the program) is weighed once, as soon
// as the program is idle again.
class LiveBests : public QObject
{
    Q_OBJECT
public:
    LiveBests(AppContext& app, SheetControls& sheet, QWidget* window,
              std::function<MeetSheet()> current);

    // Reads what the sheet's runners did at their other meets.
    void load(const MeetSheet& sheet);
    // The sheet changed: its marks are weighed again shortly.
    void changed() { m_timer.start(); }

private:
    void mark();

    AppContext& m_app;
    SheetControls& m_slots;
    QWidget* m_window;
    std::function<MeetSheet()> m_current;
    SheetBests m_bests;
    QTimer m_timer;
};
