// Each report on a large database, from the request to the written work file.
#include "BenchTimer.h"
#include "LargeTrack.h"

#include "data/ProgramFolder.h"
#include "data/RecordSet.h"
#include "records/AppContext.h"
#include "records/Bests.h"
#include "reports/EventReport.h"
#include "reports/MeetReport.h"
#include "reports/RecordsReport.h"
#include "reports/ReportText.h"
#include "reports/RunnerReport.h"
#include "reports/TeamReport.h"
#include "reports/TopListReport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    QDir(dir.path()).mkpath(QStringLiteral("Templates"));
    for (const char* name :
         {"Event.rtf", "runner.rtf", "team.rtf", "meet.rtf", "records.rtf", "top.rtf"})
        QFile::copy(QStringLiteral(CINDREL_TEMPLATES "/") + QLatin1String(name),
                    dir.filePath(QStringLiteral("Templates/") + QLatin1String(name)));
    const QString path = LargeTrack::makeForBench(dir.path());

    AppContext app;
    app.setUserName(QStringLiteral("Pat Coach"));
    app.setSchool(QStringLiteral("North Valley High"));
    app.setDatabasePath(path);
    app.connection().open(app.connectionString());
    RecordSet first(QStringLiteral("SELECT Runner_Pin, Team_Pin FROM Runners_View LIMIT 1"),
                    app.connection());
    const qint64 runner = first.field(QStringLiteral("Runner_Pin")).toInt();
    const qint64 team = first.field(QStringLiteral("Team_Pin")).toInt();
    RecordSet meetRow(QStringLiteral("SELECT Meet_Pin FROM Meets_Info LIMIT 1"), app.connection());
    const qint64 meet = meetRow.field(QStringLiteral("Meet_Pin")).toInt();

    auto time = [](const char* what, const std::function<Report()>& build, double target = 50) {
        const double ms =
            BenchTimer::medianMs(21, [&] { ReportText::writeReportFile(build().document()); });
        BenchTimer::print(QString::fromLatin1(what), ms, target);
    };
    time("runner report to the work file", [&] { return RunnerReport::build(app, runner); });
    time("team report to the work file", [&] { return TeamReport::build(app, team); });
    time("meet report to the work file", [&] { return MeetReport::build(app, meet); });
    time("event report (shot put) to the work file",
         [&] { return EventReport::build(app, 12, team); });
    time("event report, each athlete's best only",
         [&] { return EventReport::build(app, 12, team, true); });
    time("event report (100 m), each athlete's best only",
         [&] { return EventReport::build(app, 1, team, true); });
    time(
        "school records report", [&] { return RecordsReport::build(app, team); }, 100);
    time(
        "top ten report", [&] { return TopListReport::build(app, team, std::nullopt, false); },
        100);
    time(
        "season leaders report",
        [&] { return TopListReport::build(app, team, std::nullopt, true); }, 100);
    // The bests alone, which the runner report reads besides its results.
    const double bests =
        BenchTimer::medianMs(21, [&] { Bests::of(Bests::marksOf(app.connection(), runner)); });
    BenchTimer::print(QStringLiteral("a runner's PRs and SBs"), bests, 20);
    const double flags =
        BenchTimer::medianMs(21, [&] { Bests::flagsOfMeet(app.connection(), meet); });
    BenchTimer::print(QStringLiteral("a meet's PR and SB flags"), flags, 20);
    return 0;
}
