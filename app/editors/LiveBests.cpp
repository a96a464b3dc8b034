#include "LiveBests.h"

#include "data/DatabaseError.h"
#include "editors/SheetMarks.h"
#include "records/AppContext.h"
#include "records/MeetSheet.h"
#include "ui/UserAction.h"

#include <QWidget>

LiveBests::LiveBests(AppContext& app, SheetControls& sheet, QWidget* window,
                     std::function<MeetSheet()> current)
    : QObject(window), m_app(app), m_slots(sheet), m_window(window), m_current(std::move(current))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &LiveBests::mark);
}

void LiveBests::load(const MeetSheet& sheet)
{
    m_bests = SheetBests();
    UserAction::run(m_window, QStringLiteral("The runners' bests could not be read."),
                    [&] { m_bests.load(m_app.connection(), sheet); });
    changed();
}

void LiveBests::mark()
{
    try {
        SheetMarks::bests(m_slots, m_bests.words(m_app.connection(), m_current()));
    } catch (const DatabaseError&) {
        // A slot the program left unreadable, or a runner's other meets that could not be
        // read: Save names the one, the next change tries the other again.
    }
}
