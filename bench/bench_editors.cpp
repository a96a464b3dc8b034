// Creating records and saving them in the editors, on a large database.
#include "BenchTimer.h"
#include "LargeTrack.h"

#include "data/SqlText.h"
#include "editors/MeetEditor.h"
#include "editors/ProgramWindows.h"
#include "editors/RunnerEditor.h"
#include "editors/TeamEditor.h"
#include "records/AppContext.h"
#include "records/RecordCreator.h"
#include "records/UsualDivisions.h"
#include "shell/MainWindow.h"
#include "shell/SettingsStore.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Dialogs::setAnswering(true);
    QTemporaryDir dir;
    // The coach's own settings stay untouched: the main window writes the season it shows.
    SettingsStore::useFile(dir.filePath(QStringLiteral("settings.ini")));
    const QString path = LargeTrack::makeForBench(dir.path());

    AppContext app;
    app.setDatabasePath(path);
    app.connection().open(app.connectionString());
    MainWindow window(app);
    window.buildSchoolList();
    window.buildEventList();
    const qint64 team = pinFromKey(window.schoolList()->selectedKey());

    RecordCreator creator(app.connection());
    const double addMeet = BenchTimer::medianMs(21, [&] { creator.addMeet(team); });
    BenchTimer::print(QStringLiteral("Add Meet (meet, 17 events, 42 slots)"), addMeet, 30);
    const UsualDivisions::List two{{QStringLiteral("Girls Varsity"), QStringLiteral("F")},
                                   {QStringLiteral("Boys Varsity"), QStringLiteral("M")}};
    const double addTwo = BenchTimer::medianMs(21, [&] { creator.addMeet(team, two); });
    BenchTimer::print(QStringLiteral("Add Meet of two divisions (34 events, 84 slots)"), addTwo,
                      60);

    RunnerEditor* runner = window.windows().runnerEditor();
    const qint64 runnerPin = pinFromKey(KeyedList::keyOf(window.teamList()->item(0)));
    const double runnerSave = BenchTimer::medianMs(
        21, [&] { runner->save(); }, [&] { runner->build(runnerPin); });
    BenchTimer::print(QStringLiteral("runner Save (with the runner list refresh)"), runnerSave, 10);
    // Opened from the list and painted once, with its bests and its progression chart.
    const double runnerOpen = BenchTimer::medianMs(
        21,
        [&] {
            window.windows().openRunnerEditor(runnerPin);
            runner->grab();
        },
        [&] { runner->hide(); });
    BenchTimer::print(QStringLiteral("runner editor opens with its chart, painted"), runnerOpen,
                      50);

    TeamEditor* teamEditor = window.windows().teamEditor();
    const double teamSave = BenchTimer::medianMs(
        21, [&] { teamEditor->save(); }, [&] { teamEditor->build(team); });
    BenchTimer::print(QStringLiteral("team Save (with the team list refresh)"), teamSave, 10);

    // A meet of the large database has two divisions, each with a runner and a mark in every
    // slot: three to five entries in the sprints and an A and a B team in every relay.
    MeetEditor* meetEditor = window.windows().meetEditor();
    // A figure of a meet that did not open would be no figure at all.
    if (window.meetList()->count() == 0 ||
        !meetEditor->build(pinFromKey(KeyedList::keyOf(window.meetList()->item(0))))) {
        std::fprintf(stderr, "the meet editor did not open a meet\n");
        return 1;
    }
    const qint64 meet = pinFromKey(KeyedList::keyOf(window.meetList()->item(0)));
    const double openMeet = BenchTimer::medianMs(21, [&] { meetEditor->build(meet); });
    BenchTimer::print(QStringLiteral("open the meet editor on a meet's first division"), openMeet,
                      30);
    int shown = 0;
    const double switchDivision = BenchTimer::medianMs(21, [&] {
        shown = 1 - shown;
        meetEditor->showDivision(shown);
    });
    BenchTimer::print(QStringLiteral("switch to the meet's other division"), switchDivision, 15);
    const double saveMeet = BenchTimer::medianMs(
        21, [&] { meetEditor->save(); }, [&] { meetEditor->build(meet); });
    BenchTimer::print(QStringLiteral("save a full division's sheet (with the meet list)"), saveMeet,
                      20);
    if (!Dialogs::messages().filter(QStringLiteral("not")).isEmpty())
        std::printf("unexpected message: %s\n", qPrintable(Dialogs::messages().last()));
    Dialogs::clear();
    return 0;
}
