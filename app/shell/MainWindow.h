#pragma once

#include "records/ReportRequest.h"
#include "shell/HelpMenu.h"
#include "ui/MainLists.h"
#include "ui/WindowRegistry.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class AboutWindow;
class AppContext;
class FirstRunForm;
class HelpWindow;
class InfoFrame;
class ListFilters;
class KeyedList;
class MainStatusBar;
class ProgramWindows;
class QListWidgetItem;
class QPushButton;

// Form1, the program's home: teams, the selected team's runners and meets, the event types,
// the info panel and the buttons that create records.
class MainWindow : public QMainWindow, public MainLists
{
    Q_OBJECT
public:
    explicit MainWindow(AppContext& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Reads the settings, asks a new user for name and school, opens (or makes) the database
    // and fills the lists; then shows the window, unless the first-run window holds it back.
    void startUp();

    void buildSchoolList() override;
    void buildTeamList(std::optional<qint64> team = std::nullopt) override;
    void buildMeetList() override;
    void buildEventList() override;

    // File, "Load": switch to another database chosen in the file dialog.
    void loadDatabase();
    // Every window but this one; false when an editor whose changes the user kept stays open.
    bool closeOtherWindows() { return m_registry.closeAll(); }

    KeyedList* schoolList() const { return m_schoolList; }
    KeyedList* teamList() const { return m_teamList; }
    KeyedList* meetList() const { return m_meetList; }
    KeyedList* eventList() const { return m_eventList; }
    QString infoText() const;
    QString statusText() const;
    FirstRunForm* firstRunForm() const;
    ProgramWindows& windows() { return *m_windows; }

    // The Add buttons: a new record with its placeholder values, opened in its editor.
    void addTeam();
    void addRunner();
    void addMeet();
    // The meet selected in the meet list.
    void openMeetEditor();
    // The event ranking of the selected event type for the selected team.
    void runEventReport();
    // Every report, whichever window asked for it, is shown from here.
    void showReport(const ReportRequest& request);
    // Help, "Contents" and "About".
    void showHelpContents() { m_helpMenu->showContents(); }
    void showAbout() { m_helpMenu->showAbout(); }
    HelpWindow* helpWindow() const { return m_helpMenu->helpWindow(); }
    AboutWindow* aboutWindow() const { return m_helpMenu->aboutWindow(); }

    // What a click on an item shows in the info panel.
    // The info frame's text for an item of one of the four lists.
    void showInfo(KeyedList* list, qint64 pin);

signals:
    // The event report's start.
    void eventReportRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Opens the database named in the settings, or makes one named after the school, and
    // fills the lists.
    void openStartDatabase();
    void firstRunFinished();
    void updateStatusText();
    void buildControls();
    void buildMenus();
    void buildStatusBar();
    void updateAddButtons();
    void setInfo(const QString& text);
    void handleItem(KeyedList* list, QListWidgetItem* item);
    void handleDoubleClick(KeyedList* list);

    AppContext& m_app;
    WindowRegistry m_registry;
    std::unique_ptr<ProgramWindows> m_windows;
    KeyedList* m_schoolList = nullptr;
    KeyedList* m_teamList = nullptr;
    KeyedList* m_meetList = nullptr;
    KeyedList* m_eventList = nullptr;
    QPushButton* m_runnerAdd = nullptr;
    QPushButton* m_teamAdd = nullptr;
    QPushButton* m_meetAdd = nullptr;
    InfoFrame* m_info = nullptr;
    ListFilters* m_filters = nullptr;
    MainStatusBar* m_status = nullptr;
    QPointer<FirstRunForm> m_firstRun;
    HelpMenu* m_helpMenu = nullptr;
    // The item whose selection change was just handled, so that the click which caused it
    // is not handled twice.
    QListWidgetItem* m_justHandled = nullptr;
    bool m_filling = false;
};
