#pragma once

#include "records/ReportRequest.h"

#include <QObject>
#include <QPointer>
#include <optional>

class AppContext;
class ExportWindow;
class MainLists;
class MeetEditor;
class ResultsImportWindow;
class RosterImportWindow;
class RunnerEditor;
class RunnerSelector;
class TeamEditor;
class TeamSelector;
class QWidget;
class RecordWindow;
class WindowRegistry;

// The editors and pickers, each made on first use and then reused. A window that was closed
// (and so unloaded) is made anew the next time it is asked for. The editors' reports come out
// of one signal.
class ProgramWindows : public QObject
{
    Q_OBJECT
public:
    ProgramWindows(AppContext& app, MainLists& lists, WindowRegistry& registry);
    ~ProgramWindows() override;
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    RunnerEditor* runnerEditor();
    TeamEditor* teamEditor();
    MeetEditor* meetEditor();
    RunnerSelector* runnerSelector();
    TeamSelector* teamSelector();
    RosterImportWindow* rosterImport();
    ResultsImportWindow* resultsImport();

    // Loads a record into its editor and shows it; nothing when it cannot be loaded.
    void openTeamEditor(qint64 team);
    void openRunnerEditor(qint64 runner);
    void openMeetEditor(qint64 meet);
    // File › Import Roster...: an empty import into the given team (or the first one).
    void importRoster(qint64 team);
    // File › Import Results...: into the given team's meet (a new meet when none is given).
    void importResults(qint64 team, std::optional<qint64> meet);
    // File › Export...: of the selected team and meet, where there are.
    void exportData(std::optional<qint64> team, std::optional<qint64> meet);
    ExportWindow* exportWindow();
    // The Add buttons: a new record with its placeholder values, opened in its editor. The
    // new team and meet show in the main window's lists once their editors save them; the new
    // runner at once.
    void addTeam();
    void addRunner(qint64 team);
    void addMeet(qint64 team);

    // Shows a window without blocking the main window, in front of the others.
    static void present(QWidget* window);

signals:
    void reportRequested(const ReportRequest& request);

private:
    enum class Unload
    {
        Never,
        OnClose
    };
    template <class W, class... Args> W* loaded(QPointer<W>& slot, Unload unload, Args&&... args);
    // An editor's "Run Report" goes out as this window set's one report signal.
    void forwardReports(RecordWindow* editor, ReportRequest::Kind kind);

    AppContext& m_app;
    MainLists& m_lists;
    WindowRegistry& m_registry;
    QPointer<RunnerEditor> m_runnerEditor;
    QPointer<TeamEditor> m_teamEditor;
    QPointer<MeetEditor> m_meetEditor;
    QPointer<RunnerSelector> m_runnerSelector;
    QPointer<TeamSelector> m_teamSelector;
    QPointer<RosterImportWindow> m_rosterImport;
    QPointer<ResultsImportWindow> m_resultsImport;
    QPointer<ExportWindow> m_export;
};
