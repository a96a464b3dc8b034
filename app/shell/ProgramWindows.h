#pragma once

#include <QPointer>

class AboutWindow;
class AppContext;
class MainLists;
class MeetEditor;
class RunnerEditor;
class RunnerSelector;
class TeamEditor;
class TeamSelector;
class QWidget;

// The program's single-instance windows, each made on first use and then reused.
// A window that was closed (and so unloaded) is made anew the next time it is asked for.
class ProgramWindows
{
public:
    ProgramWindows(AppContext& app, MainLists& lists);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    RunnerEditor* runnerEditor();
    TeamEditor* teamEditor();
    MeetEditor* meetEditor();
    RunnerSelector* runnerSelector();
    TeamSelector* teamSelector();
    AboutWindow* about();

    // Shows a window without blocking the main window, in front of the others.
    static void present(QWidget* window);

private:
    enum class Unload
    {
        Never,
        OnClose
    };
    template <class W, class... Args> W* loaded(QPointer<W>& slot, Unload unload, Args&&... args);

    AppContext& m_app;
    MainLists& m_lists;
    QPointer<RunnerEditor> m_runnerEditor;
    QPointer<TeamEditor> m_teamEditor;
    QPointer<MeetEditor> m_meetEditor;
    QPointer<RunnerSelector> m_runnerSelector;
    QPointer<TeamSelector> m_teamSelector;
    QPointer<AboutWindow> m_about;
};
