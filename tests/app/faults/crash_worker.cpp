// The program at work for the crash test, which kills it at random moments: it adds meets
// or saves one meet's sheet over and over, through the main window and the meet editor, or
// imports rosters of 300 runners into a team, named after the generation (G7x0 to G7x299), and
// reports each action on standard output once the action has returned.
//   crash_worker FOLDER add
//   crash_worker FOLDER save MEET FIRST_GENERATION
//   crash_worker FOLDER import TEAM FIRST_GENERATION
// or imports a host's results listing of 40 athletes new to the team (R7x0 to R7x39) into a
// new meet named after the generation ("Gen 7 Invitational"), or the one it made before:
//   crash_worker FOLDER results TEAM FIRST_GENERATION
// and, for the test of two coaches on one database, opens one meet's sheet as USER and saves
// it with the generation of each "save N" line it reads, reporting what it was told:
//   crash_worker FOLDER edit MEET USER
// or makes new teams as fast as it can, reporting each one's Pin:
//   crash_worker FOLDER create COUNT
#include "data/ProgramFolder.h"
#include "editors/MeetEditor.h"
#include "editors/ProgramWindows.h"
#include "records/AppContext.h"
#include "records/RecordCreator.h"
#include "records/ResultsImport.h"
#include "records/RosterImport.h"
#include "records/TeamRecord.h"
#include "shell/MainWindow.h"
#include "shell/SettingsStore.h"
#include "support/AppHarness.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

void report(const char* what, qint64 n)
{
    std::printf("%s %lld\n", what, static_cast<long long>(n));
    std::fflush(stdout);
}

bool failed()
{
    if (Dialogs::messages().isEmpty())
        return false;
    std::printf("error %s\n", qPrintable(Dialogs::messages().join(QStringLiteral(" | "))));
    std::fflush(stdout);
    return true;
}

// Every number box of the sheet and the weather carry the generation, so that a sheet saved
// by halves would show two of them.
void fillSheet(MeetEditor* editor, qint64 generation)
{
    // Below 12, so that every box holds a mark the sheet accepts (inches, seconds).
    const QString value = QString::number(generation % 12);
    for (QLineEdit* box : editor->findChildren<QLineEdit*>()) {
        const QString name = box->objectName();
        if (name == QLatin1String("weatherBox"))
            box->setText(QStringLiteral("gen ") + QString::number(generation));
        else if (name != QLatin1String("meetPlace") && name != QLatin1String("meetDate"))
            box->setText(value);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3)
        return 2;
    ProgramFolder::setPath(args[1]);
    SettingsStore::useFile(QDir(args[1]).filePath(QStringLiteral("settings.ini")));
    Dialogs::setAnswering(true);

    AppContext app;
    MainWindow window(app);
    window.startUp();
    AppHarness::click(window.schoolList(), 0);
    std::printf("ready\n");
    std::fflush(stdout);

    if (args[2] == QLatin1String("add")) {
        for (;;) {
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("meetAdd")),
                              Qt::LeftButton);
            if (failed())
                return 1;
            MeetEditor* editor = window.windows().meetEditor();
            report("added", editor->meetPin());
            editor->close();
        }
    }
    if (args[2] == QLatin1String("results") && args.size() == 5) {
        const qint64 team = args[3].toLongLong();
        const QString school = TeamRecord::load(app.connection(), team)->school;
        for (qint64 generation = args[4].toLongLong();; ++generation) {
            QString listing = QStringLiteral("Gen %1 Invitational - 4/11/2026\nGirls 100 Meter "
                                             "Dash\n")
                                  .arg(generation);
            for (int k = 0; k < 40; ++k)
                listing += QStringLiteral("  %1 R%2x%3, Athlete  11 %4  %5\n")
                               .arg(k + 1)
                               .arg(generation)
                               .arg(k)
                               .arg(school)
                               .arg(12 + k * 0.1, 0, 'f', 2);
            const ResultsFile file = ResultsFile::read(listing.toUtf8());
            ResultsImport::plan(file, school,
                                ResultsImport::rosterOf(app.connection(), team, file.date))
                .write(app.connection(), team,
                       ResultsImport::madeBefore(app.connection(), team, file),
                       QStringLiteral("worker"));
            report("imported", generation);
        }
    }
    if (args[2] == QLatin1String("import") && args.size() == 5) {
        const qint64 team = args[3].toLongLong();
        for (qint64 generation = args[4].toLongLong();; ++generation) {
            QString text = QStringLiteral("Last,First,Grade\n");
            for (int k = 0; k < 300; ++k)
                text += QStringLiteral("G%1x%2,Runner,%3\n").arg(generation).arg(k).arg(9 + k % 4);
            const RosterFile roster = RosterFile::readText(text);
            RosterImport::plan(app.connection(), team, roster).apply(app.connection(), team);
            report("imported", generation);
        }
    }
    if (args[2] == QLatin1String("create") && args.size() == 4) {
        for (int i = 0; i < args[3].toInt(); ++i)
            report("made", RecordCreator(app.connection()).addTeam());
        return 0;
    }
    if (args[2] == QLatin1String("edit") && args.size() == 5) {
        app.setUserName(args[4]);
        window.windows().openMeetEditor(args[3].toLongLong());
        MeetEditor* editor = window.windows().meetEditor();
        std::printf("loaded\n");
        std::fflush(stdout);
        char line[64];
        while (std::fgets(line, sizeof line, stdin)) {
            const qint64 generation = QByteArray(line).mid(5).trimmed().toLongLong();
            fillSheet(editor, generation);
            Dialogs::clear();
            QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("updateButton")),
                              Qt::LeftButton);
            // The sheet's half-filled slots are asked about too, and accepted.
            if (const QStringList asked = Dialogs::questions().filter(QStringLiteral("reload"));
                !asked.isEmpty())
                std::printf("asked %s\n", qPrintable(asked.last()));
            else if (!failed())
                report("saved", generation);
            std::fflush(stdout);
        }
        return 0;
    }
    if (args[2] == QLatin1String("save") && args.size() == 5) {
        const qint64 meet = args[3].toLongLong();
        for (qint64 generation = args[4].toLongLong();; ++generation) {
            window.windows().openMeetEditor(meet);
            MeetEditor* editor = window.windows().meetEditor();
            fillSheet(editor, generation);
            QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("updateButton")),
                              Qt::LeftButton);
            if (failed())
                return 1;
            report("saved", generation);
        }
    }
    return 2;
}
