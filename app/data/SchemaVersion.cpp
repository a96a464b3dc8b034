#include "SchemaVersion.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/RecordSet.h"
#include "data/ServerRights.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString stepFolder(SqlDialect::Engine engine)
{
    return engine == SqlDialect::Engine::File ? QStringLiteral(":/migrations/")
                                              : QStringLiteral(":/server/migrations/");
}

QStringList stepFiles(SqlDialect::Engine engine = SqlDialect::Engine::File)
{
    QStringList files = QDir(stepFolder(engine)).entryList({QStringLiteral("*.sql")});
    // "10-..." comes after "9-...".
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return a.section(QLatin1Char('-'), 0, 0).toInt() <
               b.section(QLatin1Char('-'), 0, 0).toInt();
    });
    return files;
}

} // namespace

int SchemaVersion::current()
{
    return static_cast<int>(stepFiles().size());
}

int SchemaVersion::of(Connection& db)
{
    RecordSet rs(SqlDialect::readVersion(db.engine()), db);
    return rs.eof() ? 0 : rs.field(QStringLiteral("user_version")).toInt();
}

QStringList SchemaVersion::statements(int version, SqlDialect::Engine engine)
{
    const QStringList files = stepFiles(engine);
    // A server's steps start after the schema it is made with.
    const int first = engine == SqlDialect::Engine::File ? 1 : ServerBase + 1;
    const QString name = files.value(version - first);
    QFile file(stepFolder(engine) + name);
    if (version < first || name.section(QLatin1Char('-'), 0, 0).toInt() != version ||
        !file.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("The program has no step to version %1 of the "
                                           "database.")
                                .arg(version));
    return split(QString::fromUtf8(file.readAll()));
}

QStringList SchemaVersion::split(const QString& script)
{
    QStringList result;
    QString statement;
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(QLatin1String("--")))
            continue;
        statement += line + QLatin1Char('\n');
        if (line.trimmed().endsWith(QLatin1Char(';'))) {
            result << statement.trimmed();
            statement.clear();
        }
    }
    return result;
}

QString SchemaVersion::backupPath(const QString& path, QDate day)
{
    const QString base = path + QStringLiteral(".bak-") + day.toString(Qt::ISODate);
    QString candidate = base;
    for (int n = 2; QFile::exists(candidate); ++n)
        candidate = base + QLatin1Char('-') + QString::number(n);
    return candidate;
}

void SchemaVersion::runSteps(Connection& db, int from)
{
    for (int step = from + 1; step <= current(); ++step)
        for (const QString& sql : statements(step, db.engine()))
            db.execute(sql);
    db.execute(SqlDialect::writeVersion(db.engine(), current()));
}

void SchemaVersion::copyBeside(Connection& db, int version)
{
    if (!db.onServer()) {
        // The copy is taken before anything changes, while no transaction of ours is open.
        const QString backup = backupPath(db.path(), QDate::currentDate());
        if (!QFile::copy(db.path(), backup))
            throw DatabaseError(QStringLiteral("The database \"%1\" must be brought up to date, "
                                               "but its copy \"%2\" could not be written first, "
                                               "so it was left as it is.")
                                    .arg(db.path(), backup));
        return;
    }
    // A server database cannot be copied as a file: its tables are copied into a schema of
    // their own beside them, named after the version and the day, and committed before the
    // steps begin.
    const QString base = QStringLiteral("cindrel_v%1_%2")
                             .arg(version)
                             .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
    db.transaction([&] {
        QString schema = base;
        for (int n = 2; !RecordSet(QStringLiteral("SELECT 1 FROM information_schema.schemata "
                                                  "WHERE schema_name = ?"),
                                   {schema}, db)
                             .eof();
             ++n)
            schema = base + QLatin1Char('_') + QString::number(n);
        db.execute(QStringLiteral("CREATE SCHEMA ") + schema);
        for (RecordSet rs(SqlDialect::text(SqlDialect::Statement::BaseTables, db.engine()), db);
             !rs.eof(); rs.moveNext()) {
            const QString table = rs.field(QStringLiteral("name")).text();
            db.execute(QStringLiteral("CREATE TABLE %1.\"%2\" AS SELECT * FROM \"%2\"")
                           .arg(schema, table));
        }
    });
}

SchemaVersion::State SchemaVersion::upgrade(Connection& db, const std::function<bool()>& mayUpgrade)
{
    const int version = of(db);
    if (version == current())
        return State::Current;
    if (version > current())
        return State::Newer;
    if (db.onServer() && version < ServerBase)
        throw DatabaseError(QStringLiteral("The database \"%1\" is of a version of Cindrel "
                                           "older than any a server holds; it cannot be "
                                           "brought up to date.")
                                .arg(db.path()));
    if (db.onServer() && !ServerRights::owns(db))
        throw DatabaseError(QStringLiteral("The database \"%1\" was made by an older version of "
                                           "Cindrel and must be brought up to date first. Ask its "
                                           "owner (the coach who made it) to connect to it once.")
                                .arg(db.path()));
    if (db.onServer() && mayUpgrade && !mayUpgrade())
        throw DatabaseError(QStringLiteral("The database \"%1\" was left as it is: this version "
                                           "of Cindrel opens it once it is brought up to date.")
                                .arg(db.path()));
    try {
        copyBeside(db, version);
    } catch (const DatabaseError& e) {
        if (!db.onServer())
            throw;
        throw DatabaseError(QStringLiteral("The database \"%1\" must be brought up to date, but "
                                           "a copy of its tables could not be made first, so it "
                                           "was left as it is: %2")
                                .arg(db.path(), e.message()));
    }
    db.transaction([&] {
        // Another program may have taken the steps since the version was read: on a server,
        // where several coaches may open the database at once, the version is locked first.
        int from = version;
        if (db.onServer()) {
            db.execute(QStringLiteral("LOCK TABLE Cindrel_Schema IN EXCLUSIVE MODE"));
            from = of(db);
        }
        if (from < current())
            runSteps(db, from);
    });
    return State::Upgraded;
}

void SchemaVersion::checkTables(Connection& db)
{
    QSqlQuery q(db.database());
    q.setForwardOnly(true);
    if (!q.exec(SqlDialect::tableNames(db.engine())))
        throw DatabaseError(QStringLiteral("\"%1\" is not a Cindrel database: %2")
                                .arg(db.path(), DatabaseError::describe(q.lastError())));
    QStringList names;
    while (q.next())
        names << q.value(0).toString().toLower();
    QList<const char*> tables{"teams",           "runners",        "meets",        "eventtype",
                              "events",          "runner_to_team", "meet_to_team", "event_to_meet",
                              "event_to_runner", "runners_view",   "meets_info",   "events_view"};
    // A file keeps its version in its header; a server database in a table.
    if (db.onServer())
        tables << "cindrel_schema";
    for (const char* required : tables) {
        if (!names.contains(QLatin1String(required)))
            throw DatabaseError(
                QStringLiteral("\"%1\" is not a Cindrel database (it has no %2 table).")
                    .arg(db.path(), QLatin1String(required)));
    }
}
