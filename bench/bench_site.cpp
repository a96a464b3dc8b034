// The team's website from the large database: the team with the most results published with
// every season, timed, with the memory it took at its peak.
#include "BenchTimer.h"
#include "LargeTrack.h"

#include "data/Connection.h"
#include "data/RecordSet.h"
#include "reports/SitePublisher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// The process's peak resident memory since the last reset, in MB.
double peakMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    const QString path = LargeTrack::makeForBench(dir.path());
    Connection db;
    db.open(Connection::connectionStringFor(path));
    RecordSet biggest(QStringLiteral("SELECT rt.Team_Pin AS Team, count(*) AS n FROM "
                                     "Event_to_Runner s JOIN Runner_to_Team rt ON rt.Runner_Pin = "
                                     "s.Runner_Pin GROUP BY rt.Team_Pin ORDER BY n DESC LIMIT 1"),
                      db);
    const qint64 team = biggest.field(QStringLiteral("Team")).toInt();
    std::printf("the biggest team: %lld results\n",
                static_cast<long long>(biggest.field(QStringLiteral("n")).toInt()));

    const QString folder = dir.filePath(QStringLiteral("site"));
    resetPeak();
    const double before = peakMb();
    QElapsedTimer clock;
    clock.start();
    const SitePublisher::Published published =
        SitePublisher::publish(db, team, std::nullopt, folder, QDate::currentDate());
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    std::printf("%d pages, %d of athletes\n", published.pages, published.athletes);
    BenchTimer::print(QStringLiteral("publish the team's site, every season"), ms, 10000);
    const double peak = peakMb();
    std::printf("%-48s %10.1f MB  (target < 200 MB, %.1f MB before) %s\n",
                "peak memory while publishing", peak, before, peak < 200 ? "ok" : "MISSED");
    // Publishing again replaces the site whole.
    clock.restart();
    SitePublisher::publish(db, team, std::nullopt, folder, QDate::currentDate());
    BenchTimer::print(QStringLiteral("publish again over the same folder"),
                      double(clock.nsecsElapsed()) / 1e6, 10000);
    return 0;
}
