#include "ImportCommand.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/ServerAddress.h"
#include "records/ResultsImport.h"
#include "records/TeamRecord.h"
#include "shell/CommandLine.h"
#include "shell/SettingsStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage = "usage: cindrel --import-results FILE --team N (--meet N | --new-meet) "
                           "[--database FILE] [--yes]\n";

void say(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
}

int import(const QString& path, qint64 team, std::optional<qint64> meet, QString database, bool yes)
{
    if (database.isEmpty())
        database = SettingsStore::read(QStringLiteral("Database"));
    if (database.isEmpty())
        throw DatabaseError(QStringLiteral("No database is open in Cindrel; name one with "
                                           "--database FILE."));
    if (!ServerAddress::isServerAddress(database))
        database = QFileInfo(database).absoluteFilePath();
    Connection db;
    db.open(Connection::connectionStringFor(database));
    const std::optional<TeamRecord> record = TeamRecord::load(db, team);
    if (!record)
        throw DatabaseError(QStringLiteral("There is no team %1 in the database.").arg(team));
    std::optional<MeetSheet> sheet;
    if (meet) {
        sheet = MeetSheet::load(db, *meet);
        if (!sheet)
            throw DatabaseError(QStringLiteral("There is no meet %1 in the database.").arg(*meet));
    }
    const ResultsFile file = ResultsFile::readFile(path);
    if (!file.error.isEmpty())
        throw DatabaseError(file.error);
    // A second import of the same file goes into the meet the first one made.
    if (!meet) {
        meet = ResultsImport::madeBefore(db, team, file);
        if (meet)
            sheet = MeetSheet::load(db, *meet);
    }
    const QString school = ResultsImport::bestSchool(file.schools(), record->school);
    const QDate day = sheet ? sheet->date : file.date;
    const ResultsImport plan =
        ResultsImport::plan(file, school, ResultsImport::rosterOf(db, team, day));
    const ResultsImport::Preview preview = plan.preview(sheet);
    say(QStringLiteral("%1: a %2; the results of %3")
            .arg(QFileInfo(path).fileName(), ResultsFile::formatName(file.format), school));
    for (const ResultPlacement::Row& row : preview.rows)
        if (row.changes)
            say(QStringLiteral("line %1: %2: %3, %4")
                    .arg(row.line)
                    .arg(row.where, row.who, row.result));
    for (const QList<ImportProblem>* list : {&preview.left, &file.skipped, &file.problems})
        for (const ImportProblem& p : *list)
            say(QStringLiteral("line %1: %2").arg(p.line).arg(p.text));
    const QStringList questions = plan.questions(preview);
    for (const QString& q : questions)
        say(q);
    if (!questions.isEmpty() && !yes) {
        std::fprintf(stderr, "cindrel: nothing was written; run again with --yes to go on as "
                             "said above.\n");
        return 1;
    }
    const auto [pin, changed] = plan.write(db, team, meet, QStringLiteral("cindrel"));
    say(changed ? QStringLiteral("Imported into meet %1.").arg(pin)
                : QStringLiteral("Nothing to import: meet %1 already holds every result of the "
                                 "file.")
                      .arg(pin));
    return 0;
}

} // namespace

bool ImportCommand::wanted(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--import-results", 16) == 0 &&
            (argv[i][16] == '\0' || argv[i][16] == '='))
            return true;
    return false;
}

int ImportCommand::run(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Cindrel"));
    QCommandLineParser parser;
    const QCommandLineOption file(QStringLiteral("import-results"), QString(),
                                  QStringLiteral("FILE"));
    const QCommandLineOption team(QStringLiteral("team"), QString(), QStringLiteral("N"));
    const QCommandLineOption meet(QStringLiteral("meet"), QString(), QStringLiteral("N"));
    const QCommandLineOption newMeet(QStringLiteral("new-meet"));
    const QCommandLineOption database(QStringLiteral("database"), QString(),
                                      QStringLiteral("FILE"));
    const QCommandLineOption yes(QStringLiteral("yes"));
    parser.addOptions({file, team, meet, newMeet, database, yes});
    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty() ||
        parser.value(file).isEmpty() || !CommandLine::positive(parser.value(team)) ||
        parser.isSet(meet) == parser.isSet(newMeet) ||
        (parser.isSet(meet) && !CommandLine::positive(parser.value(meet)))) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        return import(parser.value(file), *CommandLine::positive(parser.value(team)),
                      parser.isSet(meet) ? CommandLine::positive(parser.value(meet)) : std::nullopt,
                      parser.value(database), parser.isSet(yes));
    } catch (const DatabaseError& e) {
        // A meet saved by someone else meanwhile is one of these too.
        std::fprintf(stderr, "cindrel: %s Nothing was written.\n", qPrintable(e.message()));
    }
    return 1;
}
