#include "ReportCommand.h"

#include "data/DatabaseError.h"
#include "data/ProgramFolder.h"
#include "data/ServerAddress.h"
#include "hosting/ComponentClient.h"
#include "pagora/Print.h"
#include "records/AppContext.h"
#include "records/ReportSubject.h"
#include "records/TrackLists.h"
#include "reports/ReportError.h"
#include "reports/ReportText.h"
#include "reports/Reports.h"
#include "shell/CommandLine.h"
#include "shell/HandTimesMenu.h"
#include "shell/SettingsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

const char* const kUsage =
    "usage: cindrel --report runner|team|meet|event|records|top|leaders --pin N [--team N] "
    "[--season YEAR] [--best] [--gender F|M] --pdf FILE [--database FILE]\n"
    "       cindrel --list teams|events [--database FILE]\n"
    "       cindrel --list runners|meets --team N [--database FILE]\n"
    "       cindrel --list divisions --meet N [--database FILE]\n";

// A failure on the way, said once at the end.
struct CommandError
{
    QString message;
};

struct Command
{
    QString list; // a list of Pins and names instead of a report
    ReportRequest request;
    QString pdf;
    QString database;
    std::optional<int> season;
};

std::optional<Command> parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption report(QStringLiteral("report"), QString(), QStringLiteral("kind"));
    const QCommandLineOption pin(QStringLiteral("pin"), QString(), QStringLiteral("N"));
    const QCommandLineOption team(QStringLiteral("team"), QString(), QStringLiteral("N"));
    const QCommandLineOption season(QStringLiteral("season"), QString(), QStringLiteral("YEAR"));
    const QCommandLineOption best(QStringLiteral("best"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption database(QStringLiteral("database"), QString(),
                                      QStringLiteral("FILE"));
    const QCommandLineOption list(QStringLiteral("list"), QString(), QStringLiteral("what"));
    const QCommandLineOption meet(QStringLiteral("meet"), QString(), QStringLiteral("N"));
    const QCommandLineOption gender(QStringLiteral("gender"), QString(), QStringLiteral("F|M"));
    parser.addOptions({report, pin, team, season, best, pdf, database, list, meet, gender});
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty() ||
        parser.isSet(list) == parser.isSet(report))
        return std::nullopt;
    if (parser.isSet(list)) {
        const QString what = parser.value(list);
        if (what == QLatin1String("divisions")) {
            const std::optional<qint64> meetPin = CommandLine::positive(parser.value(meet));
            if (!meetPin || parser.isSet(team) || parser.isSet(gender))
                return std::nullopt;
            return Command{
                what, {ReportRequest::Kind::Meet, *meetPin}, {}, parser.value(database), {}};
        }
        if (parser.isSet(meet) || parser.isSet(gender))
            return std::nullopt;
        const bool ofTeam = what == QLatin1String("runners") || what == QLatin1String("meets");
        const bool whole = what == QLatin1String("teams") || what == QLatin1String("events");
        const std::optional<qint64> teamPin = CommandLine::positive(parser.value(team));
        if (!(whole && !parser.isSet(team)) && !(ofTeam && teamPin))
            return std::nullopt;
        return Command{
            what, {ReportRequest::Kind::Team, teamPin.value_or(0)}, {}, parser.value(database), {}};
    }

    static const QHash<QString, ReportRequest::Kind> kinds{
        {QStringLiteral("runner"), ReportRequest::Kind::Runner},
        {QStringLiteral("team"), ReportRequest::Kind::Team},
        {QStringLiteral("meet"), ReportRequest::Kind::Meet},
        {QStringLiteral("event"), ReportRequest::Kind::Event},
        {QStringLiteral("records"), ReportRequest::Kind::Records},
        {QStringLiteral("top"), ReportRequest::Kind::TopTen},
        {QStringLiteral("leaders"), ReportRequest::Kind::SeasonLeaders}};
    const QString kind = parser.value(report);
    const std::optional<qint64> subject = CommandLine::positive(parser.value(pin));
    if (!kinds.contains(kind) || !subject || parser.value(pdf).isEmpty() || parser.isSet(meet))
        return std::nullopt;
    Command command{
        {}, {kinds.value(kind), *subject}, parser.value(pdf), parser.value(database), {}};
    // Only the event report is of one team besides its subject.
    const bool event = command.request.kind == ReportRequest::Kind::Event;
    if (event != parser.isSet(team) || (!event && parser.isSet(best)))
        return std::nullopt;
    if (event) {
        const std::optional<qint64> teamPin = CommandLine::positive(parser.value(team));
        if (!teamPin)
            return std::nullopt;
        command.request.team = *teamPin;
        command.request.bestOnly = parser.isSet(best);
    }
    // Girls' or boys' marks: of the event report, the school records and the top lists.
    if (parser.isSet(gender)) {
        const QString g = parser.value(gender).toUpper();
        const bool ofMarks = event || command.request.kind == ReportRequest::Kind::Records ||
                             command.request.kind == ReportRequest::Kind::TopTen ||
                             command.request.kind == ReportRequest::Kind::SeasonLeaders;
        if (!ofMarks || (g != QLatin1String("F") && g != QLatin1String("M")))
            return std::nullopt;
        command.request.gender = g;
    }
    if (parser.isSet(season)) {
        const std::optional<qint64> year = CommandLine::positive(parser.value(season));
        if (!year || *year > 9999)
            return std::nullopt;
        command.season = static_cast<int>(*year);
    }
    return command;
}

void writePdf(const Report& report, const QString& pdf)
{
    // The report's own RTF file, not the program's work file, which an open program may be
    // showing at this moment.
    const QTemporaryDir work;
    if (!work.isValid())
        throw CommandError{QStringLiteral("No temporary folder could be made for the report.")};
    const QString rtf = work.filePath(QStringLiteral("report.rtf"));
    ReportText::writeReportFile(report.document(), rtf);

    QString error;
    auto* print = static_cast<pagora::_Print*>(pagora::ComponentClient::createInstance(
        QString::fromLatin1(pagora::PrintProgId), pagora::PrintInterfaceId, &error,
        ProgramFolder::file(QStringLiteral("libpagora.so"))));
    if (!print)
        throw CommandError{QStringLiteral("The print component cannot be started: ") + error};
    print->putMyFile(rtf);
    print->SavePdf(QFileInfo(pdf).absoluteFilePath());
    const pagora::PrintError result = print->lastError();
    print->Release();
    if (result.number != 0)
        throw CommandError{QStringLiteral("The report cannot be written to \"%1\": %2 (error %3)")
                               .arg(pdf, result.description)
                               .arg(result.number)};
}

void printList(Connection& db, const Command& command)
{
    QList<TrackLists::Item> items;
    if (command.list == QLatin1String("teams"))
        items = TrackLists::teams(db);
    else if (command.list == QLatin1String("events"))
        items = TrackLists::eventTypes(db);
    else if (const QString missing = ReportSubject::missing(db, command.request);
             !missing.isEmpty())
        throw CommandError{missing};
    else if (command.list == QLatin1String("divisions"))
        items = TrackLists::divisions(db, command.request.pin);
    else if (command.list == QLatin1String("runners"))
        items = TrackLists::runners(db, command.request.pin);
    else
        items = TrackLists::meets(db, command.request.pin);
    for (const TrackLists::Item& item : items)
        std::printf("%lld\t%s\n", static_cast<long long>(item.pin), item.text.toUtf8().constData());
}

void writeReport(const Command& command)
{
    AppContext app;
    app.setUserName(SettingsStore::read(QStringLiteral("UserName")));
    app.setSchool(SettingsStore::read(QStringLiteral("School")));
    HandTimesMenu::readSetting();
    app.setSeason(command.season);
    QString database = command.database.isEmpty() ? SettingsStore::read(QStringLiteral("Database"))
                                                  : command.database;
    if (!database.isEmpty() && !ServerAddress::isServerAddress(database))
        database = QFileInfo(database).absoluteFilePath();
    if (database.isEmpty())
        throw CommandError{QStringLiteral("No database is open in Cindrel; name one with "
                                          "--database FILE.")};
    try {
        app.connection().open(Connection::connectionStringFor(database));
        if (!command.list.isEmpty()) {
            printList(app.connection(), command);
            return;
        }
        if (const QString missing = ReportSubject::missing(app.connection(), command.request);
            !missing.isEmpty())
            throw CommandError{missing};
        writePdf(Reports::build(app, command.request), command.pdf);
    } catch (const DatabaseError& e) {
        throw CommandError{e.message()};
    } catch (const ReportError& e) {
        throw CommandError{e.message()};
    }
}

} // namespace

bool ReportCommand::wanted(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--report", "--list"}) {
            const size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 &&
                (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    return false;
}

int ReportCommand::run(int argc, char* argv[])
{
    // A report from a script needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cindrel"));
    const std::optional<Command> command = parse(QApplication::arguments());
    if (!command) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        writeReport(*command);
    } catch (const CommandError& e) {
        std::fprintf(stderr, "cindrel: %s\n", qPrintable(e.message));
        return 1;
    }
    return 0;
}
