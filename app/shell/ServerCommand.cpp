#include "ServerCommand.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/ServerAddress.h"
#include "data/ServerRights.h"
#include "data/ServerSchema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage = "usage: cindrel --create-server-database postgresql://user@host/db\n"
                           "       cindrel --copy-to-server FILE.mdb postgresql://user@host/db\n"
                           "       cindrel --grant postgresql://user@host/db ROLE read|write\n";

int usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

void say(const QString& text)
{
    std::printf("%s\n", text.toUtf8().constData());
}

int grant(const QStringList& args)
{
    ServerRights::Right right = ServerRights::Right::Read;
    if (args.size() != 5 || !ServerAddress::parse(args.at(2)) || args.at(3).isEmpty() ||
        !ServerRights::parse(args.at(4), &right))
        return usage();
    try {
        ServerRights::grant(args.at(2), args.at(3), right);
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "cindrel: %s\n", qPrintable(e.message()));
        return 1;
    }
    say(QStringLiteral("The role %1 may now %2 the database %3.")
            .arg(args.at(3),
                 right == ServerRights::Right::Write ? QStringLiteral("read and change")
                                                     : QStringLiteral("only read"),
                 ServerAddress::parse(args.at(2))->display()));
    return 0;
}

} // namespace

bool ServerCommand::wanted(int argc, char* argv[])
{
    return argc > 1 &&
           (std::strcmp(argv[1], "--create-server-database") == 0 ||
            std::strcmp(argv[1], "--copy-to-server") == 0 || std::strcmp(argv[1], "--grant") == 0);
}

int ServerCommand::run(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Cindrel"));
    const QStringList args = QCoreApplication::arguments();
    if (args.value(1) == QLatin1String("--grant"))
        return grant(args);
    const bool create = args.value(1) == QLatin1String("--create-server-database");
    if (args.size() != (create ? 3 : 4))
        return usage();
    const QString address = args.last();
    if (!ServerAddress::parse(address))
        return usage();
    try {
        if (create) {
            const QString shown = ServerAddress::parse(address)->display();
            // A set-up script may run twice: what is there already is no failure.
            if (const std::optional<int> version = ServerSchema::create(address))
                say(QStringLiteral("The database %1 already holds Cindrel's database, version %2; "
                                   "nothing was changed.")
                        .arg(shown)
                        .arg(*version));
            else
                say(QStringLiteral("The database %1 now holds Cindrel's tables.").arg(shown));
            return 0;
        }
        Connection file;
        file.open(Connection::connectionStringFor(QFileInfo(args.at(2)).absoluteFilePath()));
        if (file.onServer())
            return usage();
        for (const auto& [table, rows] : ServerSchema::copy(file, address))
            say(QStringLiteral("%1\t%2 rows").arg(table).arg(rows));
        say(QStringLiteral("Every table has as many rows on the server as in the file."));
        return 0;
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "cindrel: %s\n", qPrintable(e.message()));
        return 1;
    }
}
