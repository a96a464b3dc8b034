#include "MainWindow.h"

#include "data/SqlText.h"
#include "editors/ProgramWindows.h"
#include "records/AppContext.h"
#include "records/InfoPanel.h"
#include "records/TrackLists.h"
#include "reports/Reports.h"
#include "shell/AboutWindow.h"
#include "shell/DatabaseSwitch.h"
#include "shell/DivisionsWindow.h"
#include "shell/FileMenu.h"
#include "shell/FirstRunForm.h"
#include "shell/HandTimesMenu.h"
#include "shell/HelpMenu.h"
#include "shell/InfoFrame.h"
#include "shell/ListFilters.h"
#include "shell/MainStatusBar.h"
#include "shell/PublishingMenu.h"
#include "shell/ReportViewer.h"
#include "shell/ReportsMenu.h"
#include "shell/ScoringMenu.h"
#include "shell/SettingsStore.h"
#include "ui/Controls.h"
#include "ui/KeyedList.h"
#include "ui/UserAction.h"
#include "units/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QMenuBar>
#include <QPushButton>

MainWindow::MainWindow(AppContext& app, QWidget* parent)
    : QMainWindow(parent), m_app(app),
      m_windows(std::make_unique<ProgramWindows>(app, *this, m_registry))
{
    // Every window of the program carries the program's icon.
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(AboutWindow::applicationIcon());
    connect(m_windows.get(), &ProgramWindows::reportRequested, this, &MainWindow::showReport);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Cindrel " CINDREL_VERSION));
    setWindowIcon(AboutWindow::applicationIcon());
    buildControls();
    buildMenus();
    buildStatusBar();
    updateAddButtons();
}

// The first-run window stands alone, without a parent; it is the main window's all the same.
MainWindow::~MainWindow()
{
    delete m_firstRun;
}

FirstRunForm* MainWindow::firstRunForm() const
{
    return m_firstRun;
}

void MainWindow::buildControls()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientArea"));
    central->setFixedSize(Twips::size(11580, 6195));
    setCentralWidget(central);

    Controls::label(central, QStringLiteral("Label1_3"), QStringLiteral("Teams"), 240, 240, 2415,
                    255);
    m_schoolList = Controls::list(central, QStringLiteral("schoolList"), QStringLiteral("Teams"),
                                  240, 480, 2655, 1215);
    m_runnerAdd = Controls::button(central, QStringLiteral("runnerAdd"),
                                   QStringLiteral("Add Runner"), 240, 2040, 2625, 375);
    m_teamAdd = Controls::button(central, QStringLiteral("teamAdd"), QStringLiteral("Add Team"),
                                 240, 2400, 2625, 375);
    m_meetAdd = Controls::button(central, QStringLiteral("meetAdd"), QStringLiteral("Add Meet"),
                                 240, 2760, 2625, 375);

    m_info = new InfoFrame(central);

    Controls::label(central, QStringLiteral("Label1_0"), QStringLiteral("Runners:"), 3000, 240,
                    2895, 255);
    m_teamList = Controls::list(central, QStringLiteral("teamList"), QStringLiteral("Runners:"),
                                3000, 480, 2895, 5175);
    Controls::label(central, QStringLiteral("Label1_1"), QStringLiteral("Meets:"), 6000, 240, 2895,
                    255);
    // The season list takes the top of the meet list's place.
    m_meetList = Controls::list(central, QStringLiteral("meetList"), QStringLiteral("Meets:"), 6000,
                                855, 3255, 4800);
    m_filters = new ListFilters(central, m_app);
    connect(m_filters, &ListFilters::changed, this, [this] { buildTeamList(); });
    Controls::label(central, QStringLiteral("Label1_2"), QStringLiteral("Events"), 9360, 240, 2895,
                    255);
    // Girls or boys take the top of the event list's place, as the season the meet list's.
    m_eventList = Controls::list(central, QStringLiteral("eventList"), QStringLiteral("Events"),
                                 9360, 855, 2055, 4800);

    for (KeyedList* l : {m_schoolList, m_teamList, m_meetList, m_eventList}) {
        connect(l, &QListWidget::currentItemChanged, this,
                [this, l](QListWidgetItem* current, QListWidgetItem*) {
                    if (m_filling || !current)
                        return;
                    handleItem(l, current);
                    m_justHandled = current;
                });
        connect(l, &QListWidget::itemClicked, this, [this, l](QListWidgetItem* item) {
            const bool handled = item == m_justHandled;
            m_justHandled = nullptr;
            if (!handled)
                handleItem(l, item);
        });
        // A double-click or Enter.
        connect(l, &KeyedList::opened, this, [this, l] { handleDoubleClick(l); });
    }

    connect(m_runnerAdd, &QPushButton::clicked, this, &MainWindow::addRunner);
    connect(m_teamAdd, &QPushButton::clicked, this, &MainWindow::addTeam);
    connect(m_meetAdd, &QPushButton::clicked, this, &MainWindow::addMeet);

    setTabOrder(m_schoolList, m_runnerAdd);
    setTabOrder(m_runnerAdd, m_teamAdd);
    setTabOrder(m_teamAdd, m_meetAdd);
    setTabOrder(m_meetAdd, m_teamList);
    setTabOrder(m_teamList, m_meetList);
    setTabOrder(m_meetList, m_eventList);
}

void MainWindow::buildMenus()
{
    new FileMenu(*this, m_app);

    ReportsMenu::add(menuBar(), [this](ReportRequest::Kind kind) {
        if (const QString team = m_schoolList->selectedKey(); !team.isEmpty())
            showReport({kind, pinFromKey(team), 0, false, m_filters->eventGender()});
    });
    new ScoringMenu(menuBar(), m_app);
    new HandTimesMenu(menuBar());
    new PublishingMenu(menuBar());
    DivisionsWindow::addMenuItem(menuBar(), m_app, this);
    m_helpMenu = new HelpMenu(menuBar(), this, m_registry);
}

void MainWindow::buildStatusBar()
{
    m_status = new MainStatusBar(this);
    setStatusBar(m_status);
}

void MainWindow::updateAddButtons()
{
    // Runners and meets belong to the selected team: without one there is nothing to add to.
    const bool haveTeam = m_schoolList->count() > 0;
    m_runnerAdd->setEnabled(haveTeam);
    m_meetAdd->setEnabled(haveTeam);
}

QString MainWindow::statusText() const
{
    return m_status->text();
}

QString MainWindow::infoText() const
{
    return m_info->text();
}

void MainWindow::setInfo(const QString& text)
{
    m_info->setText(text);
}

void MainWindow::updateStatusText()
{
    m_status->setText(m_app.userName() + QLatin1String("  -  ") + m_app.school());
}

void MainWindow::startUp()
{
    m_app.setUserName(SettingsStore::read(QStringLiteral("UserName")));
    m_app.setSchool(SettingsStore::read(QStringLiteral("School")));

    if (m_app.userName().isEmpty()) {
        m_firstRun = new FirstRunForm(m_app, this);
        m_firstRun->setAttribute(Qt::WA_DeleteOnClose, false);
        m_registry.add(m_firstRun);
        connect(m_firstRun, &FirstRunForm::finished, this, &MainWindow::firstRunFinished);
        m_firstRun->show();
    }

    m_app.setDatabasePath(SettingsStore::read(QStringLiteral("Database")));
    // A new database is named after the school: on a first run, that waits for its answer.
    if (!m_firstRun || !m_app.databasePath().isEmpty())
        openStartDatabase();
    updateStatusText();

    if (!m_firstRun || !m_firstRun->isVisible())
        show();
}

void MainWindow::openStartDatabase()
{
    DatabaseSwitch(m_app, this).openAtStart();
    buildSchoolList();
    m_eventList->clear();
    buildEventList();
}

void MainWindow::firstRunFinished()
{
    updateStatusText();
    if (!m_app.connection().isOpen() && m_app.databasePath().isEmpty())
        openStartDatabase();
}

void MainWindow::loadDatabase()
{
    if (!DatabaseSwitch(m_app, this).load())
        return;
    buildSchoolList();
    buildMeetList();
}

void MainWindow::buildSchoolList()
{
    m_status->showDatabase(m_app.connection());
    m_filling = true;
    m_schoolList->clear();
    if (m_app.connection().isOpen())
        UserAction::run(this, QStringLiteral("The teams could not be read."), [&] {
            m_schoolList->addKeyedItems(TrackLists::teams(m_app.connection()));
        });
    m_filling = false;
    updateAddButtons();
    if (m_schoolList->count() > 0) {
        m_filling = true;
        m_schoolList->selectRow(0);
        m_filling = false;
        buildTeamList(pinFromKey(KeyedList::keyOf(m_schoolList->item(0))));
    }
}

void MainWindow::buildTeamList(std::optional<qint64> team)
{
    if (!team) {
        const QString key = m_schoolList->selectedKey();
        if (!key.isEmpty())
            team = pinFromKey(key);
    }
    m_filling = true;
    m_teamList->clear();
    if (team)
        UserAction::run(this, QStringLiteral("The runners could not be read."), [&] {
            m_teamList->addKeyedItems(TrackLists::runners(
                m_app.connection(), *team, m_app.showGraduates(), m_app.runnerGender()));
        });
    m_filling = false;
    buildMeetList();
}

void MainWindow::buildMeetList()
{
    m_filling = true;
    if (m_schoolList->count() == 0) {
        m_meetList->clear();
        m_teamList->clear();
        m_filling = false;
        updateAddButtons();
        return;
    }
    m_meetList->clear();
    m_filters->refreshSeasons();
    const QString teamKey = m_schoolList->selectedKey();
    if (!teamKey.isEmpty())
        UserAction::run(this, QStringLiteral("The meets could not be read."), [&] {
            m_meetList->addKeyedItems(
                TrackLists::meets(m_app.connection(), pinFromKey(teamKey), m_app.season()));
        });
    m_filling = false;
}

void MainWindow::buildEventList()
{
    // Runs once, at start-up: the event types are the same in every database.
    m_filling = true;
    if (m_app.connection().isOpen())
        UserAction::run(this, QStringLiteral("The event types could not be read."), [&] {
            m_eventList->addKeyedItems(TrackLists::eventTypes(m_app.connection()));
        });
    m_filling = false;
    m_eventList->update();
}

void MainWindow::handleItem(KeyedList* list, QListWidgetItem* item)
{
    const qint64 pin = pinFromKey(KeyedList::keyOf(item));
    // The lists below read the team list's selection: make it the clicked item first.
    m_filling = true;
    list->setCurrentItem(item);
    item->setSelected(true);
    m_filling = false;
    if (list == m_schoolList)
        buildTeamList(pin);
    showInfo(list, pin);
}

void MainWindow::handleDoubleClick(KeyedList* list)
{
    // Every double-click acts on the list's selected item; with none there is nothing to open.
    const QString key = list->selectedKey();
    if (key.isEmpty())
        return;
    if (list == m_schoolList)
        m_windows->openTeamEditor(pinFromKey(key));
    else if (list == m_teamList)
        m_windows->openRunnerEditor(pinFromKey(key));
    else if (list == m_meetList)
        openMeetEditor();
    else if (list == m_eventList && !m_schoolList->selectedKey().isEmpty())
        runEventReport();
}

void MainWindow::showInfo(KeyedList* list, qint64 pin)
{
    static const QHash<const KeyedList*, QString> what{{m_schoolList, QStringLiteral("team")},
                                                       {m_teamList, QStringLiteral("runner")},
                                                       {m_meetList, QStringLiteral("meet")}};
    std::optional<QString> text;
    UserAction::run(
        this, QStringLiteral("The %1 could not be read.").arg(what.value(list, "best mark")), [&] {
            Connection& db = m_app.connection();
            if (list == m_schoolList)
                text = InfoPanel::team(db, pin);
            else if (list == m_teamList)
                text = InfoPanel::runner(db, pin);
            else if (list == m_meetList)
                text = InfoPanel::meet(db, pin);
            else if (const QListWidgetItem* item = m_eventList->itemWithKey(pinKey(pin)))
                text = InfoPanel::event(db, pin, item->text(), m_app.season());
        });
    if (text)
        setInfo(*text);
}

void MainWindow::runEventReport()
{
    const qint64 type = pinFromKey(m_eventList->selectedKey());
    const qint64 team = pinFromKey(m_schoolList->selectedKey());
    emit eventReportRequested();
    showReport(
        {ReportRequest::Kind::Event, type, team, m_filters->bestOnly(), m_filters->eventGender()});
}

void MainWindow::showReport(const ReportRequest& request)
{
    // Messages go to the window the report was asked from.
    QWidget* from = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    ReportViewer::show(from, [&] { return Reports::build(m_app, request); });
}

void MainWindow::openMeetEditor()
{
    if (const QString key = m_meetList->selectedKey(); !key.isEmpty())
        m_windows->openMeetEditor(pinFromKey(key));
}

void MainWindow::addTeam()
{
    m_windows->addTeam();
}

void MainWindow::addRunner()
{
    // Runners and meets are added to the selected team.
    if (const QString team = m_schoolList->selectedKey(); !team.isEmpty())
        m_windows->addRunner(pinFromKey(team));
}

void MainWindow::addMeet()
{
    if (const QString team = m_schoolList->selectedKey(); !team.isEmpty())
        m_windows->addMeet(pinFromKey(team));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    SettingsStore::write(QStringLiteral("UserName"), m_app.userName());
    SettingsStore::write(QStringLiteral("School"), m_app.school());
    SettingsStore::write(QStringLiteral("Database"), m_app.databasePath());
    // An editor whose changes the user chose to keep open keeps the program open too.
    if (!m_registry.closeAll()) {
        event->ignore();
        return;
    }
    event->accept();
}
