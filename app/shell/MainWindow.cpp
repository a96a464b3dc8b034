#include "MainWindow.h"

#include "data/DatabaseError.h"
#include "data/DatabaseFiles.h"
#include "data/Field.h"
#include "data/SqlText.h"
#include "editors/MeetEditor.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerEditor.h"
#include "editors/TeamEditor.h"
#include "records/AppContext.h"
#include "records/InfoPanel.h"
#include "records/RecordCreator.h"
#include "records/TrackLists.h"
#include "reports/Reports.h"
#include "shell/AboutWindow.h"
#include "shell/FirstRunForm.h"
#include "shell/HelpWindow.h"
#include "shell/ReportViewer.h"
#include "shell/SettingsStore.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"
#include "ui/UserAction.h"
#include "units/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

MainWindow::MainWindow(AppContext& app, QWidget* parent)
    : QMainWindow(parent), m_app(app),
      m_windows(std::make_unique<ProgramWindows>(app, *this, m_registry))
{
    // Every window of the program carries the program's icon.
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(AboutWindow::applicationIcon());
    connect(m_windows.get(), &ProgramWindows::reportRequested, this, &MainWindow::showReport);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Cindrel 1.0"));
    setWindowIcon(AboutWindow::applicationIcon());
    buildControls();
    buildMenus();
    buildStatusBar();
    updateAddButtons();
}

MainWindow::~MainWindow() = default;

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

    m_infoFrame = new QGroupBox(QStringLiteral("Info"), central);
    m_infoFrame->setObjectName(QStringLiteral("infoFrame"));
    m_infoFrame->setGeometry(Twips::rect(240, 3600, 2655, 1935));
    m_infoLabel =
        Controls::label(m_infoFrame, QStringLiteral("infoLabel"), QString(), 120, 240, 2415, 1455);
    m_infoLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // One line per value: a long school name ends in an ellipsis, and the whole text is in
    // the tooltip.
    m_infoLabel->setWordWrap(false);
    m_infoLabel->setTextFormat(Qt::PlainText);
    m_infoLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Controls::label(central, QStringLiteral("Label1_0"), QStringLiteral("Runners:"), 3000, 240,
                    2895, 255);
    m_teamList = Controls::list(central, QStringLiteral("teamList"), QStringLiteral("Runners:"),
                                3000, 480, 2895, 5175);
    Controls::label(central, QStringLiteral("Label1_1"), QStringLiteral("Meets:"), 6000, 240, 2895,
                    255);
    m_meetList = Controls::list(central, QStringLiteral("meetList"), QStringLiteral("Meets:"), 6000,
                                480, 3255, 5175);
    Controls::label(central, QStringLiteral("Label1_2"), QStringLiteral("Events"), 9360, 240, 2895,
                    255);
    m_eventList = Controls::list(central, QStringLiteral("eventList"), QStringLiteral("Events"),
                                 9360, 480, 2055, 5175);

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
        connect(l, &QListWidget::itemDoubleClicked, this,
                [this, l](QListWidgetItem*) { handleDoubleClick(l); });
        l->installEventFilter(this);
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
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* load = file->addAction(QStringLiteral("&Load"));
    load->setObjectName(QStringLiteral("mnuLoad"));
    load->setShortcut(QKeySequence::Open);
    connect(load, &QAction::triggered, this, &MainWindow::loadDatabase);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* contents = help->addAction(QStringLiteral("&Contents"));
    contents->setObjectName(QStringLiteral("mnuContents"));
    contents->setShortcut(QKeySequence::HelpContents);
    connect(contents, &QAction::triggered, this, &MainWindow::showHelpContents);
    QAction* about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setSizeGripEnabled(false);
    m_statusText = new QLabel(bar);
    m_statusText->setObjectName(QStringLiteral("statusPanel1"));
    m_statusDate = new QLabel(bar);
    m_statusDate->setObjectName(QStringLiteral("statusPanel2"));
    m_statusTime = new QLabel(bar);
    m_statusTime->setObjectName(QStringLiteral("statusPanel3"));
    for (QLabel* panel : {m_statusDate, m_statusTime}) {
        panel->setFixedWidth(Twips::x(1440));
        panel->setAlignment(Qt::AlignCenter);
    }
    bar->addWidget(m_statusText, 1);
    bar->addPermanentWidget(m_statusDate);
    bar->addPermanentWidget(m_statusTime);

    m_clock = new QTimer(this);
    connect(m_clock, &QTimer::timeout, this, &MainWindow::updateClock);
    m_clock->start(1000);
    updateClock();
}

void MainWindow::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_statusDate->setText(Field::dateText(QDateTime(now.date(), QTime(0, 0))));
    m_statusTime->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
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
    return m_statusText->text();
}

QString MainWindow::infoText() const
{
    return m_infoText;
}

void MainWindow::setInfo(const QString& text)
{
    m_infoText = text;
    const QFontMetrics metrics(m_infoLabel->font());
    QStringList lines = text.split(QStringLiteral("\r\n"));
    for (QString& line : lines)
        line = metrics.elidedText(line, Qt::ElideRight, m_infoLabel->width());
    m_infoLabel->setText(lines.join(QLatin1Char('\n')));
    m_infoLabel->setToolTip(text);
}

void MainWindow::updateStatusText()
{
    m_statusText->setText(m_app.userName() + QLatin1String("  -  ") + m_app.school());
}

bool MainWindow::attempt(const QString& what, const std::function<void()>& action)
{
    return UserAction::run(this, what, action);
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
    if (m_app.databasePath().isEmpty())
        attempt(QStringLiteral("No new database could be made."),
                [&] { m_app.setDatabasePath(DatabaseFiles::makeNewDatabase(m_app.school())); });
    if (!m_app.databasePath().isEmpty())
        openDatabase(m_app.databasePath());
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

bool MainWindow::openDatabase(const QString& path)
{
    return attempt(QStringLiteral("The database \"%1\" could not be opened. Use File, Load to "
                                  "choose another database.")
                       .arg(path),
                   [&] { m_app.connection().open(Connection::connectionStringFor(path)); });
}

void MainWindow::loadDatabase()
{
    // The folder where the program keeps the coach's databases.
    const QString startFolder = DatabaseFiles::databaseFolder();
    const QString chosen = Dialogs::openFile(this, QStringLiteral("Open Stats File"),
                                             QStringLiteral("Cindrel Databases (*.mdb)"),
                                             startFolder + QLatin1String("/*.mdb"));
    if (chosen.isEmpty() || chosen.contains(QLatin1Char('*')))
        return;

    // Open the new file beside the old one first: when it fails, the old one stays open.
    Connection probe;
    if (!attempt(QStringLiteral("The database \"%1\" could not be opened. The database \"%2\" "
                                "stays open.")
                     .arg(chosen, m_app.databasePath()),
                 [&] { probe.open(Connection::connectionStringFor(chosen)); }))
        return;
    probe.close();

    const QString previous = m_app.databasePath();
    m_app.connection().close();
    if (!openDatabase(chosen)) {
        if (!previous.isEmpty())
            openDatabase(previous);
        return;
    }
    m_app.setDatabasePath(QFileInfo(chosen).absoluteFilePath());
    buildSchoolList();
    buildMeetList();
}

void MainWindow::buildSchoolList()
{
    m_filling = true;
    m_schoolList->clear();
    if (m_app.connection().isOpen())
        attempt(QStringLiteral("The teams could not be read."),
                [&] { m_schoolList->addKeyedItems(TrackLists::teams(m_app.connection())); });
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
        attempt(QStringLiteral("The runners could not be read."),
                [&] { m_teamList->addKeyedItems(TrackLists::runners(m_app.connection(), *team)); });
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
    const QString teamKey = m_schoolList->selectedKey();
    if (!teamKey.isEmpty())
        attempt(QStringLiteral("The meets could not be read."), [&] {
            m_meetList->addKeyedItems(TrackLists::meets(m_app.connection(), pinFromKey(teamKey)));
        });
    m_filling = false;
}

void MainWindow::buildEventList()
{
    // Runs once, at start-up: the event types are the same in every database.
    m_filling = true;
    if (m_app.connection().isOpen())
        attempt(QStringLiteral("The event types could not be read."),
                [&] { m_eventList->addKeyedItems(TrackLists::eventTypes(m_app.connection())); });
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
    if (list == m_schoolList) {
        buildTeamList(pin);
        showTeamInfo(pin);
    } else if (list == m_teamList) {
        showRunnerInfo(pin);
    } else if (list == m_meetList) {
        showMeetInfo(pin);
    } else if (list == m_eventList) {
        showEventInfo(pin);
    }
}

void MainWindow::handleDoubleClick(KeyedList* list)
{
    // Every double-click acts on the list's selected item; with none there is nothing to open.
    const QString key = list->selectedKey();
    if (key.isEmpty())
        return;
    if (list == m_schoolList)
        openTeamEditor(pinFromKey(key));
    else if (list == m_teamList)
        openRunnerEditor(pinFromKey(key));
    else if (list == m_meetList)
        openMeetEditor();
    else if (list == m_eventList && !m_schoolList->selectedKey().isEmpty())
        runEventReport();
}

void MainWindow::showTeamInfo(qint64 team)
{
    attempt(QStringLiteral("The team could not be read."), [&] {
        if (const std::optional<QString> text = InfoPanel::team(m_app.connection(), team))
            setInfo(*text);
    });
}

void MainWindow::showRunnerInfo(qint64 runner)
{
    attempt(QStringLiteral("The runner could not be read."), [&] {
        if (const std::optional<QString> text = InfoPanel::runner(m_app.connection(), runner))
            setInfo(*text);
    });
}

void MainWindow::showMeetInfo(qint64 meet)
{
    attempt(QStringLiteral("The meet could not be read."), [&] {
        if (const std::optional<QString> text = InfoPanel::meet(m_app.connection(), meet))
            setInfo(*text);
    });
}

void MainWindow::showEventInfo(qint64 type)
{
    const QListWidgetItem* item = m_eventList->itemWithKey(pinKey(type));
    const QString name = item ? item->text() : QStringLiteral("this event");
    attempt(QStringLiteral("The best mark could not be read."),
            [&] { setInfo(InfoPanel::event(m_app.connection(), type, name)); });
}

void MainWindow::runEventReport()
{
    const qint64 type = pinFromKey(m_eventList->selectedKey());
    const qint64 team = pinFromKey(m_schoolList->selectedKey());
    emit eventReportRequested();
    showReport({ReportRequest::Kind::Event, type, team});
}

void MainWindow::showReport(const ReportRequest& request)
{
    // Messages go to the window the report was asked from.
    QWidget* from = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    ReportViewer::show(from, [&] { return Reports::build(m_app, request); });
}

void MainWindow::showHelpContents()
{
    // Owned by the main window, and made once.
    if (!m_help) {
        m_help = new HelpWindow(this);
        m_registry.add(m_help);
    }
    m_help->showContents();
}

HelpWindow* MainWindow::helpWindow() const
{
    return m_help;
}

AboutWindow* MainWindow::aboutWindow() const
{
    return m_about;
}

void MainWindow::showAbout()
{
    if (!m_about) {
        m_about = new AboutWindow;
        m_about->setAttribute(Qt::WA_DeleteOnClose);
        m_registry.add(m_about);
    }
    ProgramWindows::present(m_about);
}

void MainWindow::openTeamEditor(qint64 team)
{
    TeamEditor* editor = m_windows->teamEditor();
    if (editor->build(team))
        ProgramWindows::present(editor);
}

void MainWindow::openRunnerEditor(qint64 runner)
{
    RunnerEditor* editor = m_windows->runnerEditor();
    if (editor->build(runner))
        ProgramWindows::present(editor);
}

void MainWindow::openMeetEditor(std::optional<qint64> meet)
{
    if (!meet) {
        const QString key = m_meetList->selectedKey();
        if (key.isEmpty())
            return;
        meet = pinFromKey(key);
    }
    MeetEditor* editor = m_windows->meetEditor();
    if (editor->build(*meet))
        ProgramWindows::present(editor);
}

void MainWindow::addTeam()
{
    qint64 team = 0;
    if (!attempt(QStringLiteral("The new team could not be made; nothing was added."),
                 [&] { team = RecordCreator(m_app.connection()).addTeam(); }))
        return;
    // The team list shows the new team once its editor saves it.
    openTeamEditor(team);
}

void MainWindow::addRunner()
{
    const QString teamKey = m_schoolList->selectedKey();
    if (teamKey.isEmpty())
        return;
    const qint64 team = pinFromKey(teamKey);
    qint64 runner = 0;
    if (!attempt(QStringLiteral("The new runner could not be made; nothing was added."),
                 [&] { runner = RecordCreator(m_app.connection()).addRunner(team); }))
        return;
    RunnerEditor* editor = m_windows->runnerEditor();
    const bool built = editor->build(runner);
    buildTeamList(team);
    if (built)
        ProgramWindows::present(editor);
}

void MainWindow::addMeet()
{
    const QString teamKey = m_schoolList->selectedKey();
    if (teamKey.isEmpty())
        return;
    qint64 meet = 0;
    if (!attempt(QStringLiteral("The new meet could not be made; nothing was added."),
                 [&] { meet = RecordCreator(m_app.connection()).addMeet(pinFromKey(teamKey)); }))
        return;
    // The meet list shows the new meet once its editor saves it.
    openMeetEditor(meet);
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

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a list item opens it, as a double-click does.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (KeyedList* l : {m_schoolList, m_teamList, m_meetList, m_eventList}) {
            if (watched == l && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                handleDoubleClick(l);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
