// Opening a large database and clicking through the main window.
#include "BenchTimer.h"
#include "LargeTrack.h"

#include "data/Connection.h"
#include "data/RecordSet.h"
#include "data/SqlText.h"
#include "records/AppContext.h"
#include "shell/MainWindow.h"
#include "shell/SettingsStore.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Dialogs::setAnswering(true);
    QTemporaryDir dir;
    // The coach's own settings stay untouched: the main window writes the season it shows.
    SettingsStore::useFile(dir.filePath(QStringLiteral("settings.ini")));
    QElapsedTimer made;
    made.start();
    const QString path = LargeTrack::makeForBench(dir.path());
    AppContext app;
    app.setDatabasePath(path);
    {
        Connection db;
        db.open(Connection::connectionStringFor(path));
        const RecordSet rows(QStringLiteral("SELECT count(*) AS n FROM Event_to_Runner"), db);
        std::printf("large database: 40 teams, 1500 runners, 800 meets of two divisions, %lld "
                    "slots (made in %.1f s)\n",
                    static_cast<long long>(rows.field(QStringLiteral("n")).toInt()),
                    static_cast<double>(made.elapsed()) / 1000.0);
    }
    MainWindow window(app);

    const double open = BenchTimer::medianMs(
        21,
        [&] {
            app.connection().open(app.connectionString());
            window.buildSchoolList();
            window.buildEventList();
        },
        [&] {
            app.connection().close();
            window.eventList()->clear();
        });
    BenchTimer::print(QStringLiteral("open the database and fill the lists"), open, 50);

    int team = 0;
    const double teamClick = BenchTimer::medianMs(41, [&] {
        const qint64 pin = pinFromKey(KeyedList::keyOf(window.schoolList()->item(team++ % 40)));
        window.buildTeamList(pin);
        window.showInfo(window.schoolList(), pin);
    });
    // A click may take 10 ms on a server: it asks over a socket what a file reads in-process.
    const double clickTarget = app.connection().onServer() ? 10 : 5;
    BenchTimer::print(QStringLiteral("team click (runners, meets, info)"), teamClick, clickTarget);

    int type = 0;
    const double eventClick =
        BenchTimer::medianMs(51, [&] { window.showInfo(window.eventList(), 1 + (type++ % 17)); });
    BenchTimer::print(QStringLiteral("event click (best mark)"), eventClick, clickTarget);

    // A season chosen and back to all: the meet list filled again each time.
    auto* seasons = window.findChild<QComboBox*>(QStringLiteral("seasonList"));
    int pick = 0;
    const double season =
        BenchTimer::medianMs(41, [&] { seasons->setCurrentIndex(pick++ % 2 == 0 ? 1 : 0); });
    BenchTimer::print(QStringLiteral("switching the season"), season, 10);
    return 0;
}
