#include "ProgramWindows.h"

#include "editors/MeetEditor.h"
#include "editors/RunnerEditor.h"
#include "editors/RunnerSelector.h"
#include "editors/TeamEditor.h"
#include "editors/TeamSelector.h"
#include "ui/WindowRegistry.h"

ProgramWindows::ProgramWindows(AppContext& app, MainLists& lists, WindowRegistry& registry)
    : m_app(app), m_lists(lists), m_registry(registry)
{
}

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
        m_registry.add(slot);
    }
    return slot;
}

// The runner and meet editors and the pickers keep their content when closed, the team
// editor is unloaded by its close box.
RunnerEditor* ProgramWindows::runnerEditor()
{
    const bool fresh = !m_runnerEditor;
    RunnerEditor* editor = loaded(m_runnerEditor, Unload::Never, m_app, m_lists);
    if (fresh)
        connect(editor, &RunnerEditor::reportRequested, this, [this](qint64 pin) {
            emit reportRequested({ReportRequest::Kind::Runner, pin});
        });
    return editor;
}

TeamEditor* ProgramWindows::teamEditor()
{
    const bool fresh = !m_teamEditor;
    TeamEditor* editor = loaded(m_teamEditor, Unload::OnClose, m_app, m_lists);
    if (fresh)
        connect(editor, &TeamEditor::reportRequested, this, [this](qint64 pin) {
            emit reportRequested({ReportRequest::Kind::Team, pin});
        });
    return editor;
}

MeetEditor* ProgramWindows::meetEditor()
{
    const bool fresh = !m_meetEditor;
    MeetEditor* editor = loaded(m_meetEditor, Unload::Never, m_app, m_lists, *this);
    if (fresh)
        connect(editor, &MeetEditor::reportRequested, this, [this](qint64 pin) {
            emit reportRequested({ReportRequest::Kind::Meet, pin});
        });
    return editor;
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
