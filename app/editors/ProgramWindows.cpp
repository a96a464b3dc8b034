#include "ProgramWindows.h"

#include "editors/ExportWindow.h"
#include "editors/MeetEditor.h"
#include "editors/ResultsImportWindow.h"
#include "editors/RosterImportWindow.h"
#include "editors/RunnerEditor.h"
#include "editors/RunnerSelector.h"
#include "editors/TeamEditor.h"
#include "editors/TeamSelector.h"
#include "records/AppContext.h"
#include "records/RecordCreator.h"
#include "ui/MainLists.h"
#include "ui/UserAction.h"
#include "ui/WindowRegistry.h"

#include <QApplication>

ProgramWindows::ProgramWindows(AppContext& app, MainLists& lists, WindowRegistry& registry)
    : m_app(app), m_lists(lists), m_registry(registry)
{
}

ProgramWindows::~ProgramWindows()
{
    // The windows use the main window's lists and the shared context: they go first.
    delete m_runnerSelector.data();
    delete m_teamSelector.data();
    delete m_rosterImport.data();
    delete m_resultsImport.data();
    delete m_export.data();
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

void ProgramWindows::forwardReports(RecordWindow* editor, ReportRequest::Kind kind)
{
    connect(editor, &RecordWindow::reportRequested, this, [this, kind](qint64 pin) {
        emit reportRequested({kind, pin});
    });
}

// The runner and meet editors and the pickers keep their content when closed, the team
// editor is unloaded by its close box.
RunnerEditor* ProgramWindows::runnerEditor()
{
    const bool fresh = !m_runnerEditor;
    RunnerEditor* editor = loaded(m_runnerEditor, Unload::Never, m_app, m_lists);
    if (fresh)
        forwardReports(editor, ReportRequest::Kind::Runner);
    return editor;
}

TeamEditor* ProgramWindows::teamEditor()
{
    const bool fresh = !m_teamEditor;
    TeamEditor* editor = loaded(m_teamEditor, Unload::OnClose, m_app, m_lists);
    if (fresh)
        forwardReports(editor, ReportRequest::Kind::Team);
    return editor;
}

MeetEditor* ProgramWindows::meetEditor()
{
    const bool fresh = !m_meetEditor;
    MeetEditor* editor = loaded(m_meetEditor, Unload::Never, m_app, m_lists, *this);
    if (fresh)
        forwardReports(editor, ReportRequest::Kind::Meet);
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

RosterImportWindow* ProgramWindows::rosterImport()
{
    return loaded(m_rosterImport, Unload::Never, m_app, m_lists);
}

void ProgramWindows::importRoster(qint64 team)
{
    RosterImportWindow* window = rosterImport();
    window->build(team);
    present(window);
}

ResultsImportWindow* ProgramWindows::resultsImport()
{
    return loaded(m_resultsImport, Unload::Never, m_app, m_lists);
}

void ProgramWindows::importResults(qint64 team, std::optional<qint64> meet)
{
    ResultsImportWindow* window = resultsImport();
    window->build(team, meet);
    present(window);
}

ExportWindow* ProgramWindows::exportWindow()
{
    return loaded(m_export, Unload::Never, m_app);
}

void ProgramWindows::exportData(std::optional<qint64> team, std::optional<qint64> meet)
{
    ExportWindow* window = exportWindow();
    window->build(team, meet);
    present(window);
}

void ProgramWindows::openTeamEditor(qint64 team)
{
    TeamEditor* editor = teamEditor();
    if (editor->build(team))
        present(editor);
}

void ProgramWindows::openRunnerEditor(qint64 runner)
{
    RunnerEditor* editor = runnerEditor();
    if (editor->build(runner))
        present(editor);
}

void ProgramWindows::openMeetEditor(qint64 meet)
{
    MeetEditor* editor = meetEditor();
    if (editor->build(meet))
        present(editor);
}

void ProgramWindows::addTeam()
{
    qint64 team = 0;
    if (UserAction::run(QApplication::activeWindow(),
                        QStringLiteral("The new team could not be made; nothing was added."),
                        [&] { team = RecordCreator(m_app.connection()).addTeam(); }))
        openTeamEditor(team);
}

void ProgramWindows::addRunner(qint64 team)
{
    qint64 runner = 0;
    if (!UserAction::run(QApplication::activeWindow(),
                         QStringLiteral("The new runner could not be made; nothing was added."),
                         [&] { runner = RecordCreator(m_app.connection()).addRunner(team); }))
        return;
    RunnerEditor* editor = runnerEditor();
    const bool built = editor->build(runner);
    m_lists.buildTeamList(team);
    if (built)
        present(editor);
}

void ProgramWindows::addMeet(qint64 team)
{
    qint64 meet = 0;
    if (UserAction::run(
            QApplication::activeWindow(),
            QStringLiteral("The new meet could not be made; nothing was added."), [&] {
                meet = RecordCreator(m_app.connection()).addMeet(team, m_app.usualDivisions());
            }))
        openMeetEditor(meet);
}

void ProgramWindows::present(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
