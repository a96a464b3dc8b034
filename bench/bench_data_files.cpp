// Rosters, results and backups as files, on the large database: a 2,000-row roster read and
// imported in one transaction, every result exported, and the database backed up.
#include "BenchTimer.h"
#include "LargeTrack.h"

#include "data/Connection.h"
#include "data/DatabaseBackup.h"
#include "records/CsvText.h"
#include "records/ResultsExport.h"
#include "records/RosterFile.h"
#include "records/RosterImport.h"
#include "records/TrackLists.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    const QString path = LargeTrack::makeForBench(dir.path());
    Connection db;
    db.open(Connection::connectionStringFor(path));

    QString roster = CsvText::line(RosterFile::header());
    for (int i = 0; i < 2000; ++i)
        roster += CsvText::line({QStringLiteral("Runner%1").arg(i), QStringLiteral("Ann"),
                                 QString::number(9 + i % 4), QString(), QStringLiteral("F"),
                                 QStringLiteral("555-%1").arg(i, 4, 10, QLatin1Char('0')),
                                 QStringLiteral("%1 Elm St, Apt 2").arg(i)});
    const QByteArray bytes = roster.toUtf8();
    int round = 0;
    const double import = BenchTimer::medianMs(5, [&] {
        // A team of its own each round, so that every runner is new.
        db.execute(QStringLiteral("INSERT INTO Teams (School) VALUES ('Import %1')").arg(round++));
        const qint64 team = TrackLists::teams(db).last().pin;
        const RosterFile file = RosterFile::read(bytes);
        RosterImport::plan(db, team, file).apply(db, team);
    });
    BenchTimer::print(QStringLiteral("import a 2,000-row roster"), import, 200);

    qsizetype rows = 0;
    const double exported = BenchTimer::medianMs(
        5, [&] { rows = ResultsExport::csv(db, {}).toUtf8().count("\r\n") - 1; });
    std::printf("export every result (%lld rows)\n", static_cast<long long>(rows));
    BenchTimer::print(QStringLiteral("  as a CSV file's bytes"), exported, 500);
    // A server's backups are its own tools' work.
    if (db.onServer())
        return 0;
    const double backup = BenchTimer::medianMs(
        5, [&] { DatabaseBackup::writeTo(db, dir.filePath(QStringLiteral("Backup.mdb"))); });
    BenchTimer::print(QStringLiteral("back up the large database"), backup, 200);
    return 0;
}
