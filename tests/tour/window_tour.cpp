// Opens every window of Cindrel and Pagora in turn, on a real X display (Xvfb), and takes a
// screenshot of each with ImageMagick's `import`; with the test printer queue running it also
// prints the four reports and keeps their PDFs. scripts/screenshots runs it.
//   window_tour PROGRAM_FOLDER SAMPLE_DATABASE OUT_DIR
#include "data/DatabaseBackup.h"
#include "data/ProgramFolder.h"
#include "editors/FurtherEntries.h"
#include "editors/MeetEditor.h"
#include "editors/MoreEntriesWindow.h"
#include "editors/ProgramWindows.h"
#include "editors/ResultsImportWindow.h"
#include "editors/RosterImportWindow.h"
#include "editors/RunnerEditor.h"
#include "editors/RunnerSelector.h"
#include "editors/TeamEditor.h"
#include "editors/TeamSelector.h"
#include "hosting/ComponentClient.h"
#include "pagora/Print.h"
#include "records/AppContext.h"
#include "records/TrackLists.h"
#include "reports/ReportText.h"
#include "shell/AboutWindow.h"
#include "shell/FirstRunForm.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "shell/SettingsStore.h"
#include "support/AppHarness.h"
#include "support/PdfText.h"
#include "support/PrintedPreview.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

QString out;

void shoot(QWidget* window, const QString& name)
{
    window->raise();
    window->activateWindow();
    QTest::qWait(600);
    const QString file = QDir(out).filePath(name + QStringLiteral(".png"));
    if (QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QString::number(window->winId()), file}) != 0)
        std::fprintf(stderr, "window_tour: no screenshot of %s\n", qPrintable(name));
    else
        std::printf("%s\n", qPrintable(file));
}

QWidget* topLevel(const QString& objectName)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == objectName && w->isVisible())
            return w;
    return nullptr;
}

void press(QWidget* parent, const QString& name)
{
    QTest::mouseClick(parent->findChild<QPushButton*>(name), Qt::LeftButton);
    QTest::qWait(200);
}

// Prints the open preview through the test queue and keeps the PDF as `name`.pdf.
void printPreview(const QString& name)
{
    const QString pdfs = qEnvironmentVariable("PAGORA_TEST_PDF_DIR");
    QWidget* preview = PrintedPreview::window();
    if (!preview)
        return;
    if (pdfs.isEmpty()) {
        preview->close();
        return;
    }
    const QStringList before = PdfText::pdfsIn(pdfs);
    QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("btnPreview_0")),
                      Qt::LeftButton);
    const QString pdf = PdfText::waitForNewPdf(pdfs, before);
    const QString kept = QDir(out).filePath(name + QStringLiteral(".pdf"));
    QFile::remove(kept);
    if (!pdf.isEmpty() && QFile::copy(pdf, kept))
        std::printf("%s\n", qPrintable(kept));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cindrel"));
    QApplication::setWindowIcon(AboutWindow::applicationIcon());
    const QStringList args = QApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: window_tour PROGRAM_FOLDER SAMPLE_DATABASE OUT_DIR\n");
        return 2;
    }
    out = args[3];
    QDir().mkpath(out);
    ProgramFolder::setPath(args[1]);
    SettingsStore::useFile(QDir(args[1]).filePath(QStringLiteral("tour-settings.ini")));
    Dialogs::setAnswering(true);

    AppContext app;
    MainWindow w(app);
    w.startUp();
    FirstRunForm* first = w.firstRunForm();
    if (first) {
        QTest::keyClicks(first->nameBox(), "Pat Coach");
        QTest::keyClicks(first->schoolBox(), "North Valley High");
        shoot(first, QStringLiteral("first-run"));
        press(first, QStringLiteral("submitButton"));
    }
    Dialogs::setNextOpenFile(args[2]);
    w.loadDatabase();
    AppHarness::click(w.schoolList(), 0);
    AppHarness::click(w.meetList(), 0);
    shoot(&w, QStringLiteral("main-window"));

    AppHarness::click(w.teamList(), 0);
    AppHarness::doubleClick(w.teamList(), 0);
    RunnerEditor* runner = w.windows().runnerEditor();
    shoot(runner, QStringLiteral("runner-editor"));
    press(runner, QStringLiteral("reportButton"));
    if (QWidget* preview = PrintedPreview::window())
        shoot(preview, QStringLiteral("report-preview"));
    printPreview(QStringLiteral("report-runner"));
    runner->close();

    AppHarness::doubleClick(w.schoolList(), 0);
    TeamEditor* team = w.windows().teamEditor();
    shoot(team, QStringLiteral("team-editor"));
    press(team, QStringLiteral("reportButton"));
    printPreview(QStringLiteral("report-team"));
    team->close();
    w.findChild<QAction*>(QStringLiteral("mnuImportRoster"))->trigger();
    QWidget* import = w.windows().rosterImport();
    import->findChild<QPlainTextEdit*>(QStringLiteral("importText"))
        ->setPlainText(QStringLiteral("Last\tFirst\tGrade\tClass of\nAnderson\tUma\t10\t\n"
                                      "Baker\tJo\t\t2029\nChen\tLi\tten\t\n"));
    shoot(import, QStringLiteral("import-roster"));
    import->close();
    // A host's listing of the team's first runners, one athlete the roster lacks, and another
    // school.
    w.findChild<QAction*>(QStringLiteral("importResults"))->trigger();
    ResultsImportWindow* results = w.windows().resultsImport();
    const TrackLists::Item school = TrackLists::teams(app.connection()).first();
    QString listing = QStringLiteral("Spring Invitational - 4/11/2026\nGirls 100 Meter Dash\n");
    int place = 0;
    for (const TrackLists::Item& r : TrackLists::runners(app.connection(), school.pin).mid(0, 3)) {
        ++place;
        listing += QStringLiteral("  %1 %2  11 %3  12.%4  +1.2  %5\n")
                       .arg(place)
                       .arg(r.text, school.text)
                       .arg(40 + place)
                       .arg(12 - 2 * place);
    }
    listing += QStringLiteral("  5 Zed, Quincy  10 %1  13.05  +1.2  1\n").arg(school.text) +
               QStringLiteral("  6 Other, Runner  11 Far Away High  13.10  +1.2\n");
    results->openBytes(listing.toUtf8(), QStringLiteral("results.txt"));
    shoot(results, QStringLiteral("import-results"));
    results->close();
    w.findChild<QAction*>(QStringLiteral("mnuExport"))->trigger();
    shoot(topLevel(QStringLiteral("exportData")), QStringLiteral("export"));
    topLevel(QStringLiteral("exportData"))->close();
    // As if Cindrel had been started with this database once before.
    DatabaseBackup::keepAtStart(app.connection(), QDateTime::currentDateTime().addDays(-1));
    w.findChild<QAction*>(QStringLiteral("mnuRestore"))->trigger();
    shoot(w.findChild<QWidget*>(QStringLiteral("restoreDatabase")), QStringLiteral("restore"));
    w.findChild<QWidget*>(QStringLiteral("restoreDatabase"))->close();
    w.findChild<QAction*>(QStringLiteral("mnuConnectServer"))->trigger();
    shoot(w.findChild<QWidget*>(QStringLiteral("connectServer")), QStringLiteral("connect-server"));
    w.findChild<QWidget*>(QStringLiteral("connectServer"))->close();
    w.findChild<QAction*>(QStringLiteral("mnuRecords"))->trigger();
    QTest::qWait(200);
    printPreview(QStringLiteral("report-records"));

    AppHarness::doubleClick(w.meetList(), 0);
    MeetEditor* meet = w.windows().meetEditor();
    shoot(meet, QStringLiteral("meet-editor"));
    // The meet's second division, and the 100's further entries beside the sheet.
    meet->findChild<QComboBox*>(QStringLiteral("meetDivision"))->setCurrentIndex(1);
    shoot(meet, QStringLiteral("meet-editor-boys"));
    press(meet, QStringLiteral("moreEntries_0"));
    shoot(meet->furtherEntries()->window(), QStringLiteral("more-entries"));
    meet->furtherEntries()->close();
    meet->findChild<QComboBox*>(QStringLiteral("meetDivision"))->setCurrentIndex(0);
    press(meet, QStringLiteral("runnerButton_0"));
    shoot(w.windows().runnerSelector(), QStringLiteral("runner-picker"));
    w.windows().runnerSelector()->search()->setText(QStringLiteral("lo"));
    shoot(w.windows().runnerSelector(), QStringLiteral("runner-search"));
    w.windows().runnerSelector()->close();
    // What the officials wrote beside a mark: a hand time, and a long jump's wind.
    meet->findChild<QLineEdit*>(QStringLiteral("measure2Box_0"))->setText(QStringLiteral("11.2h"));
    meet->findChild<QLineEdit*>(QStringLiteral("measure2Box_8"))
        ->setText(QStringLiteral("6.5 +2.4"));
    // A relay's legs with their splits.
    const char* const splits[] = {"12.1", "11.8", "12.0", "11.6"};
    for (int k = 0; k < 4; ++k)
        meet->findChild<QLineEdit*>(QStringLiteral("splitBox_%1").arg(k))
            ->setText(QString::fromLatin1(splits[k]));
    shoot(meet, QStringLiteral("sheet-notes"));
    press(meet, QStringLiteral("moreEntries_13"));
    shoot(meet->furtherEntries()->window(), QStringLiteral("more-teams"));
    meet->furtherEntries()->close();
    // A slot whose mark went missing, and results without a runner, shaded.
    meet->findChild<QLineEdit*>(QStringLiteral("measure2Box_1"))->setText(QStringLiteral("0"));
    meet->findChild<QLineEdit*>(QStringLiteral("measureBox_1"))->setText(QStringLiteral("0"));
    shoot(meet, QStringLiteral("sheet-gaps"));
    press(meet, QStringLiteral("schoolBox"));
    shoot(w.windows().teamSelector(), QStringLiteral("team-picker"));
    w.windows().teamSelector()->close();

    press(meet, QStringLiteral("reportButton"));
    if (QWidget* preview = PrintedPreview::window()) {
        preview->resize(900, 760);
        shoot(preview, QStringLiteral("preview-100"));
        preview->findChild<QComboBox*>(QStringLiteral("cboPercent"))
            ->setCurrentText(QStringLiteral("50%"));
        shoot(preview, QStringLiteral("preview-50"));
    }
    printPreview(QStringLiteral("report-meet"));
    meet->close();

    AppHarness::click(w.eventList(), 11);
    AppHarness::doubleClick(w.eventList(), 11);
    printPreview(QStringLiteral("report-event"));

    // The component's editor window, on the last report's document.
    QString error;
    auto* print = static_cast<pagora::_Print*>(pagora::ComponentClient::createInstance(
        pagora::PrintProgId, pagora::PrintInterfaceId, &error,
        ProgramFolder::file(QStringLiteral("libpagora.so"))));
    if (print) {
        print->putMyFile(ReportText::workFile());
        print->EditFilefile();
        if (QWidget* editor = topLevel(QStringLiteral("OpenFile")))
            shoot(editor, QStringLiteral("editor-window"));
    } else {
        std::fprintf(stderr, "window_tour: %s\n", qPrintable(error));
    }

    w.showAbout();
    shoot(w.aboutWindow(), QStringLiteral("about"));
    w.aboutWindow()->close();
    w.showHelpContents();
    if (w.helpWindow())
        shoot(w.helpWindow(), QStringLiteral("help"));
    if (print)
        print->Release();
    return 0;
}
