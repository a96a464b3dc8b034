#include "ProgramWindows.h"

#include "editors/MeetEditor.h"
#include "editors/RunnerEditor.h"
#include "editors/RunnerSelector.h"
#include "editors/TeamEditor.h"
#include "editors/TeamSelector.h"
#include "reports/MeetReport.h"
#include "reports/RunnerReport.h"
#include "reports/TeamReport.h"
#include "shell/AboutWindow.h"
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
    delete m_about.data();
}

template <class W, class... Args>
W* ProgramWindows::loaded(QPointer<W>& slot, Unload unload, Args&&... args)
{
    if (!slot) {
        slot = new W(std::forward<Args>(args)...);
        slot->setWindowIcon(AboutWindow::applicationIcon());
        slot->setAttribute(Qt::WA_DeleteOnClose, unload == Unload::OnClose);
        m_app.windows().add(slot);
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
        QObject::connect(editor, &RunnerEditor::reportRequested, editor,
                         [this, editor](qint64 pin) {
                             Report::run(editor, [&] { return RunnerReport::build(m_app, pin); });
                         });
    return editor;
}

TeamEditor* ProgramWindows::teamEditor()
{
    const bool fresh = !m_teamEditor;
    TeamEditor* editor = loaded(m_teamEditor, Unload::OnClose, m_app, m_lists);
    if (fresh)
        QObject::connect(editor, &TeamEditor::reportRequested, editor, [this, editor](qint64 pin) {
            Report::run(editor, [&] { return TeamReport::build(m_app, pin); });
        });
    return editor;
}

MeetEditor* ProgramWindows::meetEditor()
{
    const bool fresh = !m_meetEditor;
    MeetEditor* editor = loaded(m_meetEditor, Unload::Never, m_app, m_lists, *this);
    if (fresh)
        QObject::connect(editor, &MeetEditor::reportRequested, editor, [this, editor](qint64 pin) {
            Report::run(editor, [&] { return MeetReport::build(m_app, pin); });
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

AboutWindow* ProgramWindows::about()
{
    return loaded(m_about, Unload::OnClose);
}

void ProgramWindows::present(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
