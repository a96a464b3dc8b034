// Help, About, and a program installed where the user cannot write.
#include "data/ProgramFolder.h"
#include "editors/ProgramWindows.h"
#include "reports/ReportText.h"
#include "reports/RunnerReport.h"
#include "shell/AboutWindow.h"
#include "shell/HelpWindow.h"
#include "shell/ReportViewer.h"
#include "support/AppHarness.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <algorithm>

class HelpAndAboutTest : public QObject
{
    Q_OBJECT

    static void trigger(MainWindow& w, const char* action)
    {
        w.findChild<QAction*>(action)->trigger();
    }

private slots:
    void contentsShowsEveryPage()
    {
        AppHarness h;
        QVERIFY2(QFileInfo::exists(HelpWindow::helpFile()), qPrintable(HelpWindow::helpFile()));
        trigger(h.window(), "mnuContents");
        HelpWindow* help = h.window().helpWindow();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QVERIFY(help->hasHelp());
        QCOMPARE(help->parentWidget(), &h.window());
        QHelpContentModel* model = help->engine()->contentModel();
        QTRY_VERIFY(model->rowCount() == 1 && model->rowCount(model->index(0, 0)) == 11);
        QStringList titles{model->data(model->index(0, 0), Qt::DisplayRole).toString()};
        for (int i = 0; i < 8; ++i)
            titles
                << model->data(model->index(i, 0, model->index(0, 0)), Qt::DisplayRole).toString();
        QCOMPARE(titles,
                 QStringList({"Cindrel Help", "The main window", "Runners and teams",
                              "The meet sheet", "Entering results", "Reports and printing",
                              "Rosters and results in and out", "Results from other programs",
                              "The first run and your databases"}));
        QVERIFY(help->page()->toPlainText().contains("Your first season"));
        // Asked again, the same window.
        trigger(h.window(), "mnuContents");
        QCOMPARE(h.window().helpWindow(), help);

        // A narrow pane shows the main window's picture whole, narrowed to fit.
        help->resize(520, 600);
        QTextBrowser* page = help->page();
        QTRY_VERIFY(page->viewport()->width() < 500);
        bool picture = false;
        for (QTextBlock b = page->document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat()) {
                    picture = true;
                    QVERIFY(it.fragment().charFormat().toImageFormat().width() <=
                            page->viewport()->width());
                }
        QVERIFY(picture);
    }

    void theHelpIsSearched()
    {
        AppHarness h;
        QVERIFY(h.window().findChild<QAction*>("mnuContents")->shortcut() ==
                QKeySequence(QKeySequence::HelpContents));
        trigger(h.window(), "mnuContents");
        QHelpSearchEngine* search = h.window().helpWindow()->engine()->searchEngine();
        QSignalSpy found(search, &QHelpSearchEngine::searchingFinished);
        // The index is made in the background the first time; searching waits for it.
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                search->search(QStringLiteral("relay"));
                return found.wait(2000) && found.last().first().toInt() > 0;
            }(),
            60000);
        const QList<QHelpSearchResult> hits = search->searchResults(0, 10);
        QVERIFY(!hits.isEmpty());
        QVERIFY(std::any_of(hits.begin(), hits.end(), [](const QHelpSearchResult& r) {
            return r.url().path().endsWith("meet-sheet.html");
        }));
    }

    void aMissingHelpFileIsSaid()
    {
        AppHarness h;
        QFile::remove(h.folder().file("help/CindrelHelp.qch"));
        trigger(h.window(), "mnuContents");
        HelpWindow* help = h.window().helpWindow();
        QVERIFY(!help->hasHelp());
        QVERIFY(help->findChild<QLabel*>("helpMissing")->text().contains("is missing"));
    }

    void aboutIsOneWindow()
    {
        AppHarness h;
        trigger(h.window(), "mnuAbout");
        AboutWindow* about = h.window().aboutWindow();
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Cindrel"));
        QCOMPARE(about->findChild<QLabel*>("lblVersion")->text(), QStringLiteral(" Version 1.0"));
        QVERIFY(!about->findChild<QLabel*>("picIcon")->pixmap().isNull());
        trigger(h.window(), "mnuAbout");
        QCOMPARE(h.window().aboutWindow(), about);
        int shown = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            shown += w->objectName() == QLatin1String("frmAbout") && w->isVisible();
        QCOMPARE(shown, 1);
        QPointer<AboutWindow> gone = about;
        QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(!gone);
        QVERIFY(h.window().isVisible());
    }

    void aReadOnlyProgramFolderKeepsTheUsersFilesInTheirDataFolder()
    {
        TestProgramFolder folder;
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                 QFile::ExeGroup);
        const QString data = ProgramFolder::userDataFolder();
        QDir(data).removeRecursively();
        {
            folder.writeSettings("Pat", "Central", QString());
            AppContext app;
            MainWindow w(app);
            w.startUp();
            QCOMPARE(app.databasePath(), data + "/db/Central.mdb");
            QVERIFY(app.connection().isOpen());
            TrackFixture f(app.connection());
            const qint64 runner = f.addRunner("Lee, Ann", f.addTeam("Central"));
            QVERIFY(ReportViewer::show(&w, RunnerReport::build(app, runner)));
            QCOMPARE(ReportText::workFile(), data + "/Templates/file1.rtf");
            QVERIFY(QFileInfo::exists(data + "/Templates/runner.rtf"));
            QVERIFY(!QFileInfo::exists(folder.file("Templates/file1.rtf")));
            QVERIFY(!QFileInfo::exists(folder.file("db/Central.mdb")));
            w.close();
        }
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(data).removeRecursively();
    }

    // A package's folder is never written at run time, by root either.
    void aProgramFolderUnderUsrIsNeverWritten()
    {
        const QString before = ProgramFolder::path();
        ProgramFolder::setPath(QStringLiteral("/usr/lib/cindrel"));
        const bool writable = ProgramFolder::isWritable();
        const QString database = ProgramFolder::writableFile(QStringLiteral("db/Central.mdb"));
        ProgramFolder::setPath(before);
        QVERIFY(!writable);
        QCOMPARE(database, ProgramFolder::userDataFolder() + "/db/Central.mdb");
    }
};

QTEST_MAIN(HelpAndAboutTest)
#include "tst_help_and_about.moc"
