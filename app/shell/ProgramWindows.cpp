#include "ProgramWindows.h"

#include "editors/MeetEditor.h"
#include "editors/RunnerEditor.h"
#include "editors/RunnerSelector.h"
#include "editors/TeamEditor.h"
#include "editors/TeamSelector.h"
#include "shell/AppContext.h"

ProgramWindows::ProgramWindows(AppContext& app, MainLists& lists) : m_app(app), m_lists(lists) {}

ProgramWindows::~ProgramWindows()
{
    // The windows use the main window's lists and the shared context: they go first.
    delete m_runnerSelector.data();
    delete m_teamSelector.data();
    delete m_runnerEditor.data();
    delete m_teamEditor.data();
    delete m_meetEditor.data();
}

template <class W, class... Args>
W* ProgramWindows::loaded(QPointer<W>& slot, Unload unload, Args&&... args)
{
    if (!slot) {
        slot = new W(std::forward<Args>(args)...);
        slot->setAttribute(Qt::WA_DeleteOnClose, unload == Unload::OnClose);
        m_app.windows().add(slot);
    }
    return slot;
}

// The runner and meet editors and the pickers keep their content when closed, the team
// editor is unloaded by its close box.
RunnerEditor* ProgramWindows::runnerEditor()
{
    return loaded(m_runnerEditor, Unload::Never, m_app, m_lists);
}

TeamEditor* ProgramWindows::teamEditor()
{
    return loaded(m_teamEditor, Unload::OnClose, m_app, m_lists);
}

MeetEditor* ProgramWindows::meetEditor()
{
    return loaded(m_meetEditor, Unload::Never, m_app, m_lists, *this);
}

RunnerSelector* ProgramWindows::runnerSelector()
{
    return loaded(m_runnerSelector, Unload::Never, m_app);
}

TeamSelector* ProgramWindows::teamSelector()
{
    return loaded(m_teamSelector, Unload::Never, m_app);
}

void ProgramWindows::present(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
