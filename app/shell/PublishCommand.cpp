#include "PublishCommand.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/ServerAddress.h"
#include "reports/ReportError.h"
#include "reports/SitePublisher.h"
#include "shell/CommandLine.h"
#include "shell/HandTimesMenu.h"
#include "shell/PublishingMenu.h"
#include "shell/SettingsStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage =
    "usage: cindrel --publish DIR --team N [--season YEAR] [--database FILE]\n";

} // namespace

bool PublishCommand::wanted(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--publish", 9) == 0 && (argv[i][9] == '\0' || argv[i][9] == '='))
            return true;
    return false;
}

int PublishCommand::run(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Cindrel"));
    QCommandLineParser parser;
    const QCommandLineOption folder(QStringLiteral("publish"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption team(QStringLiteral("team"), QString(), QStringLiteral("N"));
    const QCommandLineOption season(QStringLiteral("season"), QString(), QStringLiteral("YEAR"));
    const QCommandLineOption database(QStringLiteral("database"), QString(),
                                      QStringLiteral("FILE"));
    parser.addOptions({folder, team, season, database});
    const bool read = parser.parse(QCoreApplication::arguments());
    std::optional<int> year;
    if (read && parser.isSet(season)) {
        const std::optional<qint64> typed = CommandLine::positive(parser.value(season));
        if (typed && *typed <= 9999)
            year = static_cast<int>(*typed);
    }
    if (!read || !parser.positionalArguments().isEmpty() || parser.value(folder).isEmpty() ||
        !CommandLine::positive(parser.value(team)) || (parser.isSet(season) && !year)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    HandTimesMenu::readSetting();
    PublishingMenu::readSetting();
    QString path = parser.value(database);
    if (path.isEmpty())
        path = SettingsStore::read(QStringLiteral("Database"));
    if (path.isEmpty()) {
        std::fputs("cindrel: No database is open in Cindrel; name one with --database FILE.\n",
                   stderr);
        return 1;
    }
    if (!ServerAddress::isServerAddress(path))
        path = QFileInfo(path).absoluteFilePath();
    const QString target = QFileInfo(parser.value(folder)).absoluteFilePath();
    try {
        Connection db;
        db.open(Connection::connectionStringFor(path));
        const SitePublisher::Published published = SitePublisher::publish(
            db, *CommandLine::positive(parser.value(team)), year, target, QDate::currentDate());
        std::printf("Published %d pages (%d of athletes) in %s\n", published.pages,
                    published.athletes, QDir::toNativeSeparators(target).toUtf8().constData());
        return 0;
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "cindrel: %s Nothing was published.\n", qPrintable(e.message()));
    } catch (const ReportError& e) {
        std::fprintf(stderr, "cindrel: %s\n", qPrintable(e.message()));
    }
    return 1;
}
