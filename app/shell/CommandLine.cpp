#include "CommandLine.h"

#include "shell/ImportCommand.h"
#include "shell/PublishCommand.h"
#include "shell/ReportCommand.h"
#include "shell/ServerCommand.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

const char* const kHelp =
    "usage: cindrel [COMMAND]\n"
    "With no command, Cindrel opens its main window. Commands:\n"
    "  --report KIND --pin N --pdf FILE  write a runner, team, meet, event, records, top (ten) or\n"
    "                                    (season) leaders report\n"
    "  --list WHAT                       print the Pins of teams, events, runners, meets, "
    "divisions\n"
    "  --create-server-database ADDRESS  make Cindrel's database on an empty PostgreSQL database\n"
    "  --copy-to-server FILE ADDRESS     copy a database file whole onto a server database\n"
    "  --grant ADDRESS ROLE read|write   let a server role only read the database, or change it\n"
    "  --import-results FILE --team N (--meet N | --new-meet) [--yes]\n"
    "                                    bring a meet's results in from the host's file\n"
    "  --publish DIR --team N [--season YEAR]\n"
    "                                    write the team's website into a folder\n"
    "  --help                            print this help\n"
    "  --version                         print the version\n"
    "--report, --list, --import-results and --publish also take --database FILE (else the database "
    "Cindrel "
    "last had open),\n"
    "--team N, --meet N, --season YEAR, --best and --gender F|M; ADDRESS is\n"
    "postgresql://user@host/database.\n";

const char* const kUsage =
    "usage: cindrel [--report ... | --list ... | --create-server-database "
    "ADDRESS | --copy-to-server FILE ADDRESS | --grant ADDRESS ROLE read|write | "
    "--import-results FILE ... | --publish DIR ... | "
    "--help | --version]\n";

// The options Qt's own application objects take for the windows, and whether each takes a
// value; each may be written with one dash or two.
struct QtOption
{
    std::string_view name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"display", true},         {"geometry", true},
    {"style", true},           {"stylesheet", true},
    {"reverse", false},        {"widgetcount", false},
    {"nograb", false},         {"dograb", false},
    {"sync", false},           {"qmljsdebugger", true},
};

// True when every argument is one of Qt's options for the windows.
bool onlyQtOptions(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.size() < 2 || arg[0] != '-')
            return false;
        arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
        const size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const QtOption* known = nullptr;
        for (const QtOption& option : kQtOptions)
            if (option.name == name)
                known = &option;
        if (!known || (equals != std::string_view::npos && !known->takesValue))
            return false;
        if (known->takesValue && equals == std::string_view::npos && ++i >= argc)
            return false;
    }
    return true;
}

} // namespace

std::optional<qint64> CommandLine::positive(const QString& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok && value > 0 ? std::optional<qint64>(value) : std::nullopt;
}

const char* CommandLine::version()
{
    return CINDREL_VERSION;
}

std::optional<int> CommandLine::run(int argc, char* argv[])
{
    if (ReportCommand::wanted(argc, argv))
        return ReportCommand::run(argc, argv);
    if (ServerCommand::wanted(argc, argv))
        return ServerCommand::run(argc, argv);
    if (ImportCommand::wanted(argc, argv))
        return ImportCommand::run(argc, argv);
    if (PublishCommand::wanted(argc, argv))
        return PublishCommand::run(argc, argv);
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("cindrel %s\n", version());
        return 0;
    }
    if (onlyQtOptions(argc, argv))
        return std::nullopt;
    std::fputs(kUsage, stderr);
    return 2;
}
