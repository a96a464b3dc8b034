#include "MainWindow.h"

#include "data/DatabaseError.h"
#include "data/DatabaseFiles.h"
#include "data/MarkOrder.h"
#include "data/RecordSet.h"
#include "data/SqlText.h"
#include "editors/MeetEditor.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerEditor.h"
#include "editors/TeamEditor.h"
#include "records/AppContext.h"
#include "records/RecordCreator.h"
#include "reports/Reports.h"
#include "shell/AboutWindow.h"
#include "shell/FirstRunForm.h"
#include "shell/HelpWindow.h"
#include "shell/ReportViewer.h"
#include "shell/SettingsStore.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"
#include "ui/Twips.h"

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

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

} // namespace

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

void MainWindow::tellDatabaseError(const QString& what, const QString& why)
{
    Dialogs::tell(this, what + QLatin1String("\n\n") + why, Dialogs::Icon::Warning);
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
    if (m_app.databasePath().isEmpty()) {
        try {
            m_app.setDatabasePath(DatabaseFiles::makeNewDatabase(m_app.school()));
        } catch (const DatabaseError& e) {
            Dialogs::tell(this, e.message(), Dialogs::Icon::Warning);
        }
    }
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
    try {
        m_app.connection().open(Connection::connectionStringFor(path));
        return true;
    } catch (const DatabaseError& e) {
        tellDatabaseError(QStringLiteral("The database \"%1\" could not be opened. Use File, Load "
                                         "to choose another database.")
                              .arg(path),
                          e.message());
        return false;
    }
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
    try {
        probe.open(Connection::connectionStringFor(chosen));
    } catch (const DatabaseError& e) {
        tellDatabaseError(
            QStringLiteral("The database \"%1\" could not be opened. The database \"%2\" stays "
                           "open.")
                .arg(chosen, m_app.databasePath()),
            e.message());
        return;
    }
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
    try {
        RecordSet rs(QStringLiteral("SELECT * From Teams"), m_app.connection());
        for (; !rs.eof(); rs.moveNext())
            m_schoolList->addKeyedItem(pinKey(rs.field(QStringLiteral("Pin")).toInt()),
                                       rs.field(QStringLiteral("School")).text());
    } catch (const DatabaseError& e) {
        if (m_app.connection().isOpen())
            tellDatabaseError(QStringLiteral("The teams could not be read."), e.message());
    }
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
    if (team) {
        try {
            RecordSet rs(QStringLiteral("SELECT * From Runners_View WHERE Team_Pin = ") +
                             QString::number(*team),
                         m_app.connection());
            // By name, so that a saved runner keeps its place in the list.
            QList<std::pair<QString, qint64>> runners;
            for (; !rs.eof(); rs.moveNext())
                runners.append({rs.field(QStringLiteral("Name")).text(),
                                rs.field(QStringLiteral("Pin")).toInt()});
            std::stable_sort(runners.begin(), runners.end(), [](const auto& a, const auto& b) {
                return QString::localeAwareCompare(a.first, b.first) < 0;
            });
            for (const auto& [name, pin] : runners)
                m_teamList->addKeyedItem(pinKey(pin), name);
        } catch (const DatabaseError& e) {
            tellDatabaseError(QStringLiteral("The runners could not be read."), e.message());
        }
    }
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
    if (!teamKey.isEmpty()) {
        try {
            RecordSet rs(QStringLiteral("SELECT * From Meets_Info WHERE Team_Pin=") +
                             QString::number(pinFromKey(teamKey)),
                         m_app.connection());
            struct Line
            {
                QDateTime when;
                QString text;
                qint64 pin;
            };
            QList<Line> meets;
            for (; !rs.eof(); rs.moveNext()) {
                const Field time = rs.field(QStringLiteral("MeetTime"));
                QString text = (time.isNull() || time.text().isEmpty() ? QStringLiteral("(no date)")
                                                                       : time.text()) +
                               QLatin1Char(' ') + rs.field(QStringLiteral("HostingSchool")).text();
                const Field place = rs.field(QStringLiteral("Place"));
                if (!place.isNull() && !place.text().isEmpty() &&
                    place.text() != QLatin1String("0"))
                    text += QLatin1Char(' ') + place.text();
                meets.append(
                    {time.toDateTime(), text, rs.field(QStringLiteral("Meet_Pin")).toInt()});
            }
            // In date order, whatever text form an older file keeps its dates in; meets
            // without a date last.
            std::stable_sort(meets.begin(), meets.end(), [](const Line& a, const Line& b) {
                if (a.when.isValid() != b.when.isValid())
                    return a.when.isValid();
                return a.when < b.when;
            });
            for (const Line& m : meets)
                m_meetList->addKeyedItem(pinKey(m.pin), m.text);
        } catch (const DatabaseError& e) {
            tellDatabaseError(QStringLiteral("The meets could not be read."), e.message());
        }
    }
    m_filling = false;
}

void MainWindow::buildEventList()
{
    // Runs once, at start-up: the event types are the same in every database.
    m_filling = true;
    try {
        RecordSet rs(QStringLiteral("SELECT * FROM EventType"), m_app.connection());
        for (; !rs.eof(); rs.moveNext())
            m_eventList->addKeyedItem(pinKey(rs.field(QStringLiteral("Pin")).toInt()),
                                      rs.field(QStringLiteral("Name")).text());
    } catch (const DatabaseError& e) {
        if (m_app.connection().isOpen())
            tellDatabaseError(QStringLiteral("The event types could not be read."), e.message());
    }
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
    try {
        RecordSet rs(QStringLiteral("SELECT * FROM Teams WHERE Pin=") + QString::number(team),
                     m_app.connection());
        if (rs.eof())
            return;
        setInfo(QLatin1String("School:") + blanks(8) + rs.field(QStringLiteral("School")).text() +
                CrLf + QLatin1String("Coach:") + blanks(9) +
                rs.field(QStringLiteral("Coach")).text() + CrLf + QLatin1String("Contact:") +
                blanks(7) + rs.field(QStringLiteral("ContactNo")).text() + CrLf +
                QLatin1String("Mascot:") + blanks(8) + rs.field(QStringLiteral("Mascot")).text());
    } catch (const DatabaseError& e) {
        tellDatabaseError(QStringLiteral("The team could not be read."), e.message());
    }
}

void MainWindow::showRunnerInfo(qint64 runner)
{
    try {
        RecordSet rs(QStringLiteral("SELECT * From Runners_View WHERE Runner_Pin = ") +
                         QString::number(runner),
                     m_app.connection());
        if (rs.eof())
            return;
        setInfo(QLatin1String("Name:") + blanks(10) + rs.field(QStringLiteral("Name")).text() +
                CrLf + QLatin1String("Phone:") + blanks(9) +
                rs.field(QStringLiteral("PhoneNumber")).text() + CrLf + QLatin1String("Address:") +
                blanks(7) + rs.field(QStringLiteral("Address")).text());
    } catch (const DatabaseError& e) {
        tellDatabaseError(QStringLiteral("The runner could not be read."), e.message());
    }
}

void MainWindow::showMeetInfo(qint64 meet)
{
    try {
        RecordSet rs(QStringLiteral("SELECT * FROM Meets_Info WHERE Meet_Pin=") +
                         QString::number(meet),
                     m_app.connection());
        if (rs.eof())
            return;
        setInfo(QLatin1String("School:") + blanks(8) +
                rs.field(QStringLiteral("HostingSchool")).text() + CrLf + QLatin1String("Time:") +
                blanks(11) + rs.field(QStringLiteral("MeetTime")).text() + CrLf +
                QLatin1String("Weather:") + blanks(5) + rs.field(QStringLiteral("Weather")).text() +
                CrLf + QLatin1String("Place:") + blanks(10) +
                rs.field(QStringLiteral("Place")).text() + CrLf);
    } catch (const DatabaseError& e) {
        tellDatabaseError(QStringLiteral("The meet could not be read."), e.message());
    }
}

void MainWindow::showEventInfo(qint64 type)
{
    // The best real mark: the lowest time of a run or relay, the highest mark of a field
    // event, among slots that have a runner and a mark; a tie goes to the most recent meet.
    const QString order = MarkOrder::bestFirst(type);
    try {
        RecordSet best(QStringLiteral("SELECT * FROM Events_View WHERE Type=") +
                           QString::number(type) +
                           QStringLiteral(" AND Runners_Name IS NOT NULL AND (Measure1 <> 0 OR "
                                          "Measure2 <> 0) ORDER BY ") +
                           order + QStringLiteral(", MeetTime DESC, JoinPin LIMIT 1"),
                       m_app.connection());
        if (best.eof()) {
            const QListWidgetItem* item = m_eventList->itemWithKey(pinKey(type));
            const QString name = item ? item->text() : QStringLiteral("this event");
            setInfo(QStringLiteral("No mark has been recorded in the %1 yet.").arg(name));
            return;
        }
        QString text = QLatin1String("Best Time:") + blanks(3) +
                       best.field(QStringLiteral("MeasureTime")).text() + CrLf;
        if (best.field(QStringLiteral("isRelay")).toBool()) {
            // The relay's result stands in each leg's slot: name the legs of that one result.
            RecordSet legs(QStringLiteral("SELECT * FROM Events_View WHERE event_Pin=") +
                               QString::number(best.field(QStringLiteral("event_Pin")).toInt()) +
                               QStringLiteral(" AND Runners_Name IS NOT NULL ORDER BY JoinPin"),
                           m_app.connection());
            bool first = true;
            for (; !legs.eof(); legs.moveNext()) {
                text += (first ? QLatin1String("Competitor:") + blanks(2) : blanks(21)) +
                        legs.field(QStringLiteral("Runners_Name")).text() + CrLf;
                first = false;
            }
        } else {
            text += QLatin1String("Competitor:") + blanks(2) +
                    best.field(QStringLiteral("Runners_Name")).text() + CrLf;
        }
        text += QLatin1String("Date:") + blanks(11) +
                best.field(QStringLiteral("MeetTime")).text() + CrLf;
        setInfo(text);
    } catch (const DatabaseError& e) {
        tellDatabaseError(QStringLiteral("The best mark could not be read."), e.message());
    }
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
    try {
        team = RecordCreator(m_app.connection()).addTeam();
    } catch (const DatabaseError& e) {
        tellDatabaseError(QStringLiteral("The new team could not be made; nothing was added."),
                          e.message());
        return;
    }
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
    try {
        runner = RecordCreator(m_app.connection()).addRunner(team);
    } catch (const DatabaseError& e) {
        tellDatabaseError(QStringLiteral("The new runner could not be made; nothing was added."),
                          e.message());
        return;
    }
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
    try {
        meet = RecordCreator(m_app.connection()).addMeet(pinFromKey(teamKey));
    } catch (const DatabaseError& e) {
        tellDatabaseError(QStringLiteral("The new meet could not be made; nothing was added."),
                          e.message());
        return;
    }
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
