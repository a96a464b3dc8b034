// The main window's lists, info panel and database switch, on real databases.
#include "data/DatabaseBackup.h"
#include "data/RecordSet.h"
#include "data/SqlText.h"
#include "editors/ExportWindow.h"
#include "editors/MeetEditor.h"
#include "editors/ProgramWindows.h"
#include "editors/RosterImportWindow.h"
#include "editors/RunnerEditor.h"
#include "editors/TeamEditor.h"
#include "records/AppContext.h"
#include "records/SchoolYear.h"
#include "reports/Reports.h"
#include "shell/MainWindow.h"
#include "shell/RestoreWindow.h"
#include "shell/SettingsStore.h"
#include "support/TestProgramFolder.h"
#include "support/TrackFixture.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

namespace {

QStringList texts(const KeyedList* list)
{
    QStringList t;
    for (int i = 0; i < list->count(); ++i)
        t << list->item(i)->text();
    return t;
}

void click(KeyedList* list, int row)
{
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    const QRect r = list->visualItemRect(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

// As a user's double-click arrives: press, release, double-click, release.
void doubleClick(KeyedList* list, QPoint at)
{
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

void doubleClick(KeyedList* list, int row)
{
    doubleClick(list, list->visualItemRect(list->item(row)).center());
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<AppContext> m_app;
    std::unique_ptr<MainWindow> m_window;
    QString m_trackPath;
    qint64 m_central = 0, m_north = 0, m_ann = 0, m_bo = 0, m_cy = 0, m_meet = 0, m_bare = 0;

    // Central: two runners and two meets; North: one runner, hosts a meet.
    void makeTrack()
    {
        m_trackPath = m_folder->copyOfBlank("db/Track.mdb");
        Connection c;
        c.open(Connection::connectionStringFor(m_trackPath));
        TrackFixture f(c);
        m_central = f.addTeam("Central", "Lee Park", "555-0100", "Comets");
        m_north = f.addTeam("North");
        m_ann = f.addRunner("Smith, Ann", m_central, "555-0101", "1 Elm St");
        m_bo = f.addRunner("Jones, Bo", m_central);
        m_cy = f.addRunner("Diaz, Cy", m_north);
        m_meet = f.addMeet(m_central, "2026-04-11", m_north, "North Field", "Windy");
        m_bare = f.addMeet(m_central, "2026-04-18");
        f.fillSlot(f.slotPins(m_meet, 1)[0], m_ann, 0, 12.1, 1, 10);
        f.fillSlot(f.slotPins(m_meet, 1)[1], m_bo, 0, 12.7, 2, 8);
        f.fillSlot(f.slotPins(m_bare, 1)[0], m_bo, 0, 11.9, 1, 10);
        f.fillSlot(f.slotPins(m_meet, 12)[0], m_ann, 30, 2, 2, 8);
        f.fillSlot(f.slotPins(m_bare, 12)[0], m_bo, 41, 6.5, 1, 10);
    }

    void start()
    {
        m_folder->writeSettings("Pat", "Central", m_trackPath);
        m_app = std::make_unique<AppContext>();
        m_window = std::make_unique<MainWindow>(*m_app);
        m_window->startUp();
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        makeTrack();
        start();
    }
    void cleanup()
    {
        m_window.reset();
        m_app.reset();
        m_folder.reset();
    }

    void startUpFillsTheListsForTheFirstTeam()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Cindrel 1.0"));
        QCOMPARE(texts(m_window->schoolList()), QStringList({"Central", "North"}));
        QCOMPARE(m_window->schoolList()->selectedKey(), pinKey(m_central));
        // Runners by name, whatever order they were added in.
        QCOMPARE(texts(m_window->teamList()), QStringList({"Jones, Bo", "Smith, Ann"}));
        QCOMPARE(KeyedList::keyOf(m_window->teamList()->item(1)), pinKey(m_ann));
        // Time, host and place; a meet without host or place shows its time and a blank.
        QCOMPARE(texts(m_window->meetList()),
                 QStringList({"4/11/2026 North North Field", "4/18/2026 "}));
        QCOMPARE(KeyedList::keyOf(m_window->meetList()->item(0)), pinKey(m_meet));
        QCOMPARE(m_window->eventList()->count(), 17);
        QCOMPARE(KeyedList::keyOf(m_window->eventList()->item(16)), QStringLiteral("Pin17"));
        QVERIFY(m_window->findChild<QPushButton*>("runnerAdd")->isEnabled());
    }

    void clickingATeamShowsItsRunnersMeetsAndDetails()
    {
        click(m_window->schoolList(), 1);
        QCOMPARE(texts(m_window->teamList()), QStringList({"Diaz, Cy"}));
        QCOMPARE(m_window->meetList()->count(), 0);
        QCOMPARE(m_window->infoText(),
                 QStringLiteral("School:        North\r\nCoach:         \r\nContact:       \r\n"
                                "Mascot:        "));
        click(m_window->schoolList(), 0);
        QCOMPARE(m_window->teamList()->count(), 2);
        QCOMPARE(m_window->meetList()->count(), 2);
        QCOMPARE(m_window->infoText(),
                 QStringLiteral("School:        Central\r\nCoach:         Lee Park\r\n"
                                "Contact:       555-0100\r\nMascot:        Comets"));
    }

    void infoPanelTextsForRunnersAndMeets()
    {
        click(m_window->teamList(), 1);
        QCOMPARE(m_window->infoText(),
                 QStringLiteral("Name:          Smith, Ann\r\nPhone:         555-0101\r\n"
                                "Address:       1 Elm St"));
        click(m_window->meetList(), 0);
        QCOMPARE(m_window->infoText(),
                 QStringLiteral("School:        North\r\nTime:           4/11/2026\r\n"
                                "Weather:     Windy\r\nPlace:          North Field\r\n"));
        click(m_window->meetList(), 1);
        QCOMPARE(m_window->infoText(),
                 QStringLiteral("School:        \r\nTime:           4/18/2026\r\n"
                                "Weather:     Sunny\r\nPlace:          \r\n"));
    }

    void bestMarkOfARunIsTheLowestTime()
    {
        click(m_window->eventList(), 0);
        QCOMPARE(m_window->infoText(),
                 QStringLiteral("Best Time:   11.90\r\nCompetitor:  Jones, Bo\r\n"
                                "Date:           4/18/2026\r\n"));
    }

    void theSeasonFiltersMeetsAndBestMarks()
    {
        {
            Connection c;
            c.open(Connection::connectionStringFor(m_trackPath));
            TrackFixture f(c);
            const qint64 old = f.addMeet(m_central, "2024-05-02");
            f.fillSlot(f.slotPins(old, 1)[0], m_ann, 0, 11.5, 1, 10);
        }
        m_window->buildTeamList();
        auto* seasons = m_window->findChild<QComboBox*>("seasonList");
        QCOMPARE(seasons->accessibleName(), QStringLiteral("Season"));
        QStringList listed;
        for (int i = 0; i < seasons->count(); ++i)
            listed << seasons->itemText(i);
        QCOMPARE(listed, QStringList({"All seasons", "2026", "2024"}));
        QCOMPARE(m_window->meetList()->count(), 3);
        seasons->setCurrentIndex(1);
        QCOMPARE(texts(m_window->meetList()),
                 QStringList({"4/11/2026 North North Field", "4/18/2026 "}));
        click(m_window->eventList(), 0);
        QVERIFY(m_window->infoText().startsWith("Best Time:   11.90"));
        seasons->setCurrentIndex(2);
        click(m_window->eventList(), 0);
        QVERIFY(m_window->infoText().startsWith("Best Time:   11.50"));
        click(m_window->eventList(), 11);
        QCOMPARE(m_window->infoText(),
                 QStringLiteral("No mark has been recorded in the Shot Put in 2024."));
        // Remembered for the next start.
        m_window.reset();
        start();
        QCOMPARE(m_window->findChild<QComboBox*>("seasonList")->currentText(),
                 QStringLiteral("2024"));
        QCOMPARE(m_window->meetList()->count(), 1);
    }

    void graduatesAreHiddenUntilAskedFor()
    {
        const int last = SchoolYear::graduating(QDate::currentDate()) - 1;
        {
            Connection c;
            c.open(Connection::connectionStringFor(m_trackPath));
            c.execute(
                QStringLiteral("UPDATE Runners SET ClassOf=%1 WHERE Pin=%2").arg(last).arg(m_bo));
        }
        m_window->buildTeamList();
        QCOMPARE(texts(m_window->teamList()), QStringList({"Smith, Ann"}));
        auto* graduates = m_window->findChild<QCheckBox*>("showGraduates");
        // Hidden, and still in the reports.
        QVERIFY(Reports::build(*m_app, {ReportRequest::Kind::Event, 1, m_central})
                    .document()
                    .contains("Jones, Bo"));
        graduates->setChecked(true);
        QCOMPARE(texts(m_window->teamList()), QStringList({"Jones, Bo", "Smith, Ann"}));
        graduates->setChecked(false);
        // Deleting a runner with results may mark them as graduated instead: results stay.
        m_window->windows().openRunnerEditor(m_ann);
        Dialogs::setNextChoice(1);
        QTest::mouseClick(
            m_window->windows().runnerEditor()->findChild<QPushButton*>("deleteButton"),
            Qt::LeftButton);
        QCOMPARE(Dialogs::questions().last(), QStringLiteral("Delete Runner?"));
        QVERIFY(texts(m_window->teamList()).isEmpty());
        Connection c;
        c.open(Connection::connectionStringFor(m_trackPath));
        QCOMPARE(RecordSet(QStringLiteral("SELECT ClassOf FROM Runners WHERE Pin=%1").arg(m_ann), c)
                     .field("ClassOf")
                     .toInt(),
                 last);
        QCOMPARE(
            RecordSet(QStringLiteral("SELECT count(*) AS n FROM Events_View WHERE Runner_Pin=%1")
                          .arg(m_ann),
                      c)
                .field("n")
                .toInt(),
            2);
    }

    // Girls, boys or everyone, remembered in the settings; a runner of no known gender shows
    // only among everyone.
    void theRunnerListShowsGirlsBoysOrEveryone()
    {
        {
            Connection c;
            c.open(Connection::connectionStringFor(m_trackPath));
            c.execute("UPDATE Runners SET Gender = ? WHERE Pin = ?", {"Girl", m_ann});
        }
        auto* gender = m_window->findChild<QComboBox*>("runnerGender");
        gender->setCurrentIndex(gender->findText("Girls"));
        QCOMPARE(texts(m_window->teamList()), QStringList({"Smith, Ann"}));
        QCOMPARE(SettingsStore::read("RunnerGender"), QStringLiteral("Girls"));
        gender->setCurrentIndex(gender->findText("Boys"));
        QVERIFY(texts(m_window->teamList()).isEmpty());
        gender->setCurrentIndex(gender->findText("Everyone"));
        QCOMPARE(texts(m_window->teamList()), QStringList({"Jones, Bo", "Smith, Ann"}));
        QCOMPARE(SettingsStore::read("RunnerGender"), QStringLiteral("All"));
    }

    void aRosterIsImportedAfterItsPreview()
    {
        click(m_window->schoolList(), 1); // North
        m_window->findChild<QAction*>("mnuImportRoster")->trigger();
        QWidget* import = m_window->windows().rosterImport();
        QVERIFY(import->isVisible());
        auto* team = import->findChild<QComboBox*>("importTeam");
        QCOMPARE(team->currentText(), QStringLiteral("North"));
        auto* preview = import->findChild<QListWidget*>("importPreview");
        auto* importButton = import->findChild<QPushButton*>("importButton");
        import->findChild<QPlainTextEdit*>("importText")
            ->setPlainText("Last\tFirst\tGrade\nDiaz\tCy\t10\nEvans\tEli\tnine\n");
        QStringList lines;
        for (int i = 0; i < preview->count(); ++i)
            lines << preview->item(i)->text();
        QCOMPARE(lines,
                 QStringList({"Line 3: the grade \"nine\" is not a whole number from 1 to 12.",
                              "Already in the team: Diaz, Cy (grade 10)"}));
        QVERIFY(!importButton->isEnabled());
        // A file in Windows-1252, chosen through Open File.
        const QString path = m_folder->path() + "/roster.csv";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // A runner of one name keeps it alone, with no comma after it.
        file.write("Name,Grade\r\n\"N\xfa\xf1"
                   "ez, Ana\",9\r\n\"Diaz, Cy\",10\r\nZed,11\r\n");
        file.close();
        Dialogs::setNextOpenFile(path);
        QTest::mouseClick(import->findChild<QPushButton*>("importOpen"), Qt::LeftButton);
        QCOMPARE(import->findChild<QLabel*>("importSummary")->text(),
                 QStringLiteral("2 to add, 1 already in the team, 0 lines not taken."));
        QCOMPARE(preview->item(1)->text(), QStringLiteral("Add: Zed (grade 11)"));
        QTest::mouseClick(importButton, Qt::LeftButton);
        QVERIFY(!import->isVisible());
        QCOMPARE(Dialogs::messages().last(), QStringLiteral("2 runners added to North."));
        QCOMPARE(texts(m_window->teamList()),
                 QStringList({"Diaz, Cy", "N\u00fa\u00f1ez, Ana", "Zed"}));
    }

    void exportsWriteCsvFilesOrSayWhyNot()
    {
        click(m_window->meetList(), 0);
        m_window->findChild<QAction*>("mnuExport")->trigger();
        QWidget* window = m_window->windows().exportWindow();
        QVERIFY(window->isVisible());
        QVERIFY(window->findChild<QRadioButton*>("exportMeet")->isChecked());
        QVERIFY(!window->findChild<QRadioButton*>("exportSeason")->isEnabled());
        const QString path = m_folder->path() + "/meet.csv";
        Dialogs::setNextOpenFile(path);
        QTest::mouseClick(window->findChild<QPushButton*>("exportSave"), Qt::LeftButton);
        QFile meet(path);
        QVERIFY(meet.open(QIODevice::ReadOnly));
        const QByteArray bytes = meet.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"
                                 "Date,Host,"));
        QCOMPARE(bytes.count("\r\n"), 4); // the header and the meet's three results
        // The roster, to a folder that is not there: said, and nothing written.
        m_window->findChild<QAction*>("mnuExport")->trigger();
        window->findChild<QRadioButton*>("exportRoster")->setChecked(true);
        Dialogs::setNextOpenFile(m_folder->path() + "/no such folder/roster.csv");
        QTest::mouseClick(window->findChild<QPushButton*>("exportSave"), Qt::LeftButton);
        QVERIFY(Dialogs::messages().last().contains("could not be written"));
        QVERIFY(window->isVisible());
    }

    // The keyboard puts every data window away, as the mouse does.
    void theDataWindowsCloseByButtonAndEscape_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("close");
        QTest::addColumn<bool>("escape");
        for (const bool escape : {false, true}) {
            const char* how = escape ? "Escape" : "Close";
            QTest::addRow("import roster, %s", how) << "mnuImportRoster"
                                                    << "importRoster"
                                                    << "importClose" << escape;
            QTest::addRow("import results, %s", how) << "importResults"
                                                     << "importResults"
                                                     << "resultsClose" << escape;
            QTest::addRow("export, %s", how) << "mnuExport"
                                             << "exportData"
                                             << "exportClose" << escape;
            QTest::addRow("restore, %s", how) << "mnuRestore"
                                              << "restoreDatabase"
                                              << "restoreClose" << escape;
        }
    }
    void theDataWindowsCloseByButtonAndEscape()
    {
        QFETCH(QString, menu);
        QFETCH(QString, window);
        QFETCH(QString, close);
        QFETCH(bool, escape);
        m_window->findChild<QAction*>(menu)->trigger();
        QWidget* shown = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == window && w->isVisible())
                shown = w;
        QVERIFY(shown);
        if (escape) {
            // From inside a box too, where the text keeps the other keys.
            const QList<QWidget*> inside = shown->findChildren<QWidget*>();
            QWidget* focus = shown;
            for (QWidget* w : inside)
                if (w->focusPolicy() != Qt::NoFocus && w->isEnabled())
                    focus = w;
            shown->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(shown));
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Escape);
        } else {
            auto* button = shown->findChild<QPushButton*>(close);
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QVERIFY(!shown->isVisible());
    }

    void theDatabaseIsCopiedAtStartAndOnRequest()
    {
        QCOMPARE(DatabaseBackup::kept(m_trackPath).size(), 1);
        const QString copy = m_folder->path() + "/copy.mdb";
        Dialogs::setNextOpenFile(copy);
        m_window->findChild<QAction*>("mnuBackUp")->trigger();
        QCOMPARE(Dialogs::messages().last(),
                 QStringLiteral("The database was backed up to \"%1\".").arg(copy));
        Connection c;
        c.open(Connection::connectionStringFor(copy));
        QCOMPARE(RecordSet("SELECT count(*) AS n FROM Runners", c).field("n").toInt(), 3);
        // Never over the open database itself.
        Dialogs::setNextOpenFile(m_trackPath);
        m_window->findChild<QAction*>("mnuBackUp")->trigger();
        QCOMPARE(Dialogs::messages().last(),
                 QStringLiteral("A backup cannot replace the open database."));
    }

    void aKeptCopyReplacesTheDatabaseAfterAYes()
    {
        Connection c;
        c.open(Connection::connectionStringFor(m_trackPath));
        TrackFixture(c).addTeam("Added Later");
        c.close();
        m_window->buildSchoolList();
        const int teams = m_window->schoolList()->count();
        m_window->windows().openTeamEditor(m_central);
        m_window->findChild<QAction*>("mnuRestore")->trigger();
        auto* restore = m_window->findChild<RestoreWindow*>("restoreDatabase");
        QVERIFY(restore && restore->isVisible());
        QCOMPARE(restore->copies()->topLevelItemCount(), 1);
        QCOMPARE(restore->copies()->topLevelItem(0)->text(1), QString::number(teams - 1));
        Dialogs::setNextAnswer(false);
        QVERIFY(!restore->restoreSelected());
        QCOMPARE(m_window->schoolList()->count(), teams);

        Dialogs::setNextAnswer(true);
        QTest::mouseClick(restore->findChild<QPushButton*>("restoreButton"), Qt::LeftButton);
        QVERIFY2(Dialogs::messages().last().startsWith("The database was restored from"),
                 qPrintable(Dialogs::messages().join('|')));
        QCOMPARE(m_window->schoolList()->count(), teams - 1);
        QVERIFY(!restore->isVisible());
        // The editor open on the database as it was is closed; that database is a copy now.
        QVERIFY(!m_window->windows().teamEditor()->isVisible());
        QCOMPARE(DatabaseBackup::kept(m_trackPath).size(), 2);
    }

    void bestMarkOfAFieldEventIsTheLongest()
    {
        click(m_window->eventList(), 11);
        QCOMPARE(m_window->infoText(),
                 QStringLiteral("Best Time:   41-06.50\r\nCompetitor:  Jones, Bo\r\n"
                                "Date:           4/18/2026\r\n"));
    }

    void aTiedMarkGoesToTheMostRecentMeet()
    {
        Connection c;
        c.open(Connection::connectionStringFor(m_trackPath));
        TrackFixture f(c);
        const qint64 later = f.addMeet(m_central, "2026-05-02");
        f.fillSlot(f.slotPins(later, 1)[0], m_ann, 0, 11.9, 1, 10);
        click(m_window->eventList(), 0);
        QCOMPARE(m_window->infoText(),
                 QStringLiteral("Best Time:   11.90\r\nCompetitor:  Smith, Ann\r\n"
                                "Date:           5/2/2026\r\n"));
    }

    void bestMarkOfARelayNamesItsLegs()
    {
        Connection c;
        c.open(Connection::connectionStringFor(m_trackPath));
        TrackFixture f(c);
        const QList<qint64> legs = f.slotPins(m_meet, 14);
        const qint64 d = f.addRunner("Kim, Dee", m_central);
        f.fillSlot(legs[0], m_ann, 0, 48.2);
        f.fillSlot(legs[1], m_bo, 0, 48.2);
        f.fillSlot(legs[2], m_cy, 0, 48.2);
        f.fillSlot(legs[3], d, 0, 48.2);
        // A slower relay at the other meet does not count.
        const QList<qint64> slow = f.slotPins(m_bare, 14);
        f.fillSlot(slow[0], m_ann, 0, 51.0);
        click(m_window->eventList(), 13);
        const QString indent(21, ' ');
        QCOMPARE(m_window->infoText(),
                 QStringLiteral("Best Time:   48.20\r\nCompetitor:  Smith, Ann\r\n") + indent +
                     QStringLiteral("Jones, Bo\r\n") + indent + QStringLiteral("Diaz, Cy\r\n") +
                     indent + QStringLiteral("Kim, Dee\r\nDate:           4/11/2026\r\n"));
    }

    void anEventWithoutMarksSaysSo()
    {
        click(m_window->eventList(), 6);
        QCOMPARE(m_window->infoText(),
                 QStringLiteral("No mark has been recorded in the 300 Meter Hurdles yet."));
    }

    void loadSwitchesToAnEmptyDatabaseAndBack()
    {
        const QString empty = m_folder->copyOfBlank("db/Empty.mdb");
        Dialogs::setNextOpenFile(empty);
        m_window->loadDatabase();
        QCOMPARE(m_app->databasePath(), empty);
        QCOMPARE(m_window->schoolList()->count(), 0);
        QCOMPARE(m_window->teamList()->count(), 0);
        QCOMPARE(m_window->meetList()->count(), 0);
        QCOMPARE(m_window->eventList()->count(), 17);
        QVERIFY(!m_window->findChild<QPushButton*>("runnerAdd")->isEnabled());
        QVERIFY(!m_window->findChild<QPushButton*>("meetAdd")->isEnabled());
        QVERIFY(m_window->findChild<QPushButton*>("teamAdd")->isEnabled());

        Dialogs::setNextOpenFile(m_trackPath);
        m_window->loadDatabase();
        QCOMPARE(m_app->databasePath(), m_trackPath);
        QCOMPARE(m_window->schoolList()->selectedKey(), pinKey(m_central));
        QCOMPARE(m_window->teamList()->count(), 2);
        QCOMPARE(m_window->meetList()->count(), 2);
        QVERIFY(Dialogs::messages().isEmpty());
    }

    void loadCancelledOrRefusedKeepsTheOpenDatabase()
    {
        m_window->loadDatabase(); // cancelled: no file queued
        QCOMPARE(m_app->databasePath(), m_trackPath);
        QVERIFY(Dialogs::messages().isEmpty());

        const QString missing = m_folder->file("db/Gone.mdb");
        Dialogs::setNextOpenFile(missing);
        m_window->loadDatabase();
        QCOMPARE(m_app->databasePath(), m_trackPath);
        QVERIFY(m_app->connection().isOpen());
        QCOMPARE(Dialogs::messages().size(), 1);
        QVERIFY(Dialogs::messages().first().contains(missing));
        QCOMPARE(m_window->schoolList()->count(), 2);
        click(m_window->schoolList(), 1);
        QCOMPARE(texts(m_window->teamList()), QStringList({"Diaz, Cy"}));
    }

    void doubleClicksOpenTheSelectedRecord()
    {
        QSignalSpy report(m_window.get(), &MainWindow::eventReportRequested);

        doubleClick(m_window->teamList(), 0);
        RunnerEditor* runner = m_window->windows().runnerEditor();
        QVERIFY(runner->isVisible());
        QCOMPARE(runner->runnerPin(), m_bo);

        doubleClick(m_window->schoolList(), 0);
        TeamEditor* team = m_window->windows().teamEditor();
        QVERIFY(team->isVisible());
        QCOMPARE(team->teamPin(), m_central);
        // The main window stays usable beside its editors.
        QVERIFY(m_window->isVisible());
        QVERIFY(m_window->isEnabled());

        // The meet list has no selection yet: a double-click on empty space does nothing.
        KeyedList* meets = m_window->meetList();
        meets->clearSelection();
        doubleClick(meets, QPoint(5, meets->viewport()->height() - 5));
        QVERIFY(!m_window->windows().meetEditor()->isVisible());
        doubleClick(meets, 0);
        QVERIFY(m_window->windows().meetEditor()->isVisible());
        QCOMPARE(m_window->windows().meetEditor()->meetPin(), m_meet);

        doubleClick(m_window->eventList(), 2);
        QCOMPARE(report.size(), 1);
    }

    void keyboardSelectionShowsDetailsToo()
    {
        KeyedList* teams = m_window->schoolList();
        teams->setFocus();
        QTest::keyClick(teams, Qt::Key_Down);
        QCOMPARE(teams->selectedKey(), pinKey(m_north));
        QCOMPARE(texts(m_window->teamList()), QStringList({"Diaz, Cy"}));
        QVERIFY(m_window->infoText().startsWith("School:        North"));
    }

    void enterOpensAListItemAndTheMenusHaveTheirKeys()
    {
        KeyedList* runners = m_window->teamList();
        runners->selectRow(1);
        QTest::keyClick(runners, Qt::Key_Return);
        QVERIFY(m_window->windows().runnerEditor()->isVisible());
        QCOMPARE(m_window->windows().runnerEditor()->runnerPin(), m_ann);
        QCOMPARE(m_window->findChild<QAction*>("mnuLoad")->shortcut(),
                 QKeySequence(QKeySequence::Open));
        QCOMPARE(m_window->findChild<QAction*>("mnuContents")->shortcut(),
                 QKeySequence(QKeySequence::HelpContents));
        // A long school name stays on its one line of the info panel, shortened to fit.
        m_app->connection().execute(QStringLiteral("UPDATE Teams SET School='%1' WHERE Pin=%2")
                                        .arg(QString(60, 'W'))
                                        .arg(m_central));
        click(m_window->schoolList(), 0);
        const QLabel* info = m_window->findChild<QLabel*>("infoLabel");
        QVERIFY(!info->wordWrap());
        const QStringList shown = info->text().split('\n');
        QCOMPARE(shown.size(), 4);
        QVERIFY(shown[0].endsWith(QChar(0x2026)));
        QVERIFY(info->fontMetrics().horizontalAdvance(shown[0]) <= info->width());
    }

    void meetsAreListedByDateWhateverFormTheDateIsIn()
    {
        Connection c;
        c.open(Connection::connectionStringFor(m_trackPath));
        TrackFixture f(c);
        // Older files hold dates as other programs wrote them, and meets without one.
        f.addMeet(m_central, "10/2/2025", m_north);
        f.addMeet(m_central, "4/12/2026 3:30:00 PM");
        f.addMeet(m_central, QString(), m_north);
        m_window->buildMeetList();
        QCOMPARE(texts(m_window->meetList()),
                 QStringList({"10/2/2025 North", "4/11/2026 North North Field",
                              "4/12/2026 3:30 PM ", "4/18/2026 ", "(no date) North"}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
