#include "ServerSchema.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/RecordSet.h"
#include "data/RowsStatement.h"
#include "data/SchemaVersion.h"
#include "data/ServerAddress.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <optional>

namespace {

QStringList schemaStatements()
{
    QFile file(QStringLiteral(":/server/Cindrel.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("The program has no schema for a server database."));
    return SchemaVersion::split(QString::fromUtf8(file.readAll()));
}

QStringList trackTablesIn(Connection& db)
{
    QStringList found;
    for (RecordSet rs(SqlDialect::tableNames(db.engine()), db); !rs.eof(); rs.moveNext())
        if (const QString name = rs.field(QStringLiteral("name")).text().toLower();
            ServerSchema::tables().contains(name, Qt::CaseInsensitive) ||
            name == QLatin1String("cindrel_schema"))
            found << name;
    return found;
}

// The tables and views Cindrel's schema has at `version`, in lower case.
QSet<QString> objectsAt(int version)
{
    QStringList statements = schemaStatements();
    for (int step = SchemaVersion::ServerBase + 1; step <= version; ++step)
        statements += SchemaVersion::statements(step, SqlDialect::Engine::Server);
    static const QRegularExpression made(
        QStringLiteral(R"(^\s*CREATE\s+(?:OR\s+REPLACE\s+)?(?:TABLE|VIEW)\s+(\w+))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression dropped(
        QStringLiteral(R"(^\s*DROP\s+(?:TABLE|VIEW)\s+(?:IF\s+EXISTS\s+)?(\w+))"),
        QRegularExpression::CaseInsensitiveOption);
    QSet<QString> objects;
    for (const QString& sql : statements) {
        if (const QRegularExpressionMatch m = made.match(sql); m.hasMatch())
            objects.insert(m.captured(1).toLower());
        else if (const QRegularExpressionMatch d = dropped.match(sql); d.hasMatch())
            objects.remove(d.captured(1).toLower());
    }
    return objects;
}

// The version of the Cindrel database the server database holds whole: every table and view
// its version has. Nothing when a part is missing or the version cannot be read.
std::optional<int> wholeVersion(Connection& db)
{
    QSet<QString> present;
    for (RecordSet rs(SqlDialect::tableNames(db.engine()), db); !rs.eof(); rs.moveNext())
        present.insert(rs.field(QStringLiteral("name")).text().toLower());
    if (!present.contains(QStringLiteral("cindrel_schema")))
        return std::nullopt;
    const int version = SchemaVersion::of(db);
    if (version < SchemaVersion::ServerBase)
        return std::nullopt;
    // A later program's database has at least what this program knows of.
    const QSet<QString> needed = objectsAt(std::min(version, SchemaVersion::current()));
    return present.contains(needed) ? std::optional<int>(version) : std::nullopt;
}

qint64 count(Connection& db, const QString& table)
{
    RecordSet rs(QStringLiteral("SELECT count(*) AS n FROM ") + table, db);
    return rs.field(QStringLiteral("n")).toInt();
}

// The highest key a file's table ever gave: its AUTOINCREMENT counter, or its highest Pin.
qint64 lastKeyGiven(Connection& file, const QString& table)
{
    const RecordSet counter(
        QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = '%1'").arg(table), file);
    const RecordSet highest(QStringLiteral("SELECT coalesce(max(Pin), 0) AS n FROM ") + table,
                            file);
    return std::max(counter.eof() ? 0 : counter.field(QStringLiteral("seq")).toInt(),
                    highest.field(QStringLiteral("n")).toInt());
}

} // namespace

QStringList ServerSchema::tables()
{
    return {QStringLiteral("Teams"),          QStringLiteral("Runners"),
            QStringLiteral("Meets"),          QStringLiteral("Divisions"),
            QStringLiteral("Events"),         QStringLiteral("Runner_to_Team"),
            QStringLiteral("Meet_to_Team"),   QStringLiteral("Event_to_Meet"),
            QStringLiteral("Event_to_Runner")};
}

QString ServerSchema::createDatabase(const QString& maintenance, const QString& name)
{
    Connection server;
    server.openServer(maintenance);
    server.execute(QStringLiteral("CREATE DATABASE ") + name);
    ServerAddress address = *ServerAddress::parse(maintenance);
    address.database = name;
    return address.text();
}

std::optional<int> ServerSchema::create(const QString& address)
{
    Connection db;
    db.openServer(address);
    if (const QStringList found = trackTablesIn(db); !found.isEmpty()) {
        if (const std::optional<int> version = wholeVersion(db))
            return version;
        throw DatabaseError(QStringLiteral("The database \"%1\" already holds Cindrel's tables "
                                           "(%2); nothing was changed.")
                                .arg(db.path(), found.join(QStringLiteral(", "))));
    }
    db.transaction([&] {
        for (const QString& sql : schemaStatements())
            db.execute(sql);
        SchemaVersion::runSteps(db, SchemaVersion::ServerBase);
    });
    return std::nullopt;
}

QList<std::pair<QString, qint64>> ServerSchema::copy(Connection& file, const QString& address)
{
    Connection server;
    server.open(Connection::connectionStringFor(address));
    // A large history takes longer to move than any statement a window sends may wait.
    server.execute(QStringLiteral("SET statement_timeout = 0"));
    QList<std::pair<QString, qint64>> counts;
    server.transaction([&] {
        for (const QString& table : tables())
            if (count(server, table) > 0)
                throw DatabaseError(QStringLiteral("The database \"%1\" already holds track data "
                                                   "(in %2); nothing was copied.")
                                        .arg(server.path(), table));
        for (const QString& table : tables()) {
            QSqlQuery rows(file.database());
            rows.setForwardOnly(true);
            if (!rows.exec(QStringLiteral("SELECT * FROM ") + table))
                throw DatabaseError(DatabaseError::describe(rows.lastError()), table);
            const QSqlRecord record = rows.record();
            QStringList columns;
            for (int i = 0; i < record.count(); ++i)
                columns << record.fieldName(i);
            const QString head = QStringLiteral("INSERT INTO %1 (%2) VALUES ")
                                     .arg(table, columns.join(QLatin1Char(',')));
            QStringList marks(columns.size(), QStringLiteral("?"));
            const QString row = QLatin1Char('(') + marks.join(QLatin1Char(',')) + QLatin1Char(')');
            // Many rows a statement, each value bound: a large history moves in seconds, and
            // whatever a file's column holds reaches the server as it is.
            QList<QVariantList> batch;
            while (rows.next()) {
                QVariantList values;
                for (int i = 0; i < columns.size(); ++i) {
                    // A NULL is one, never the empty text a typed box gives.
                    const QVariant value = rows.value(i);
                    values << (value.isNull() ? QVariant() : value);
                }
                batch << values;
                if (batch.size() == 5000) {
                    RowsStatement::run(server, head, row, batch);
                    batch.clear();
                }
            }
            RowsStatement::run(server, head, row, batch);
            // New rows take keys after every key the file ever gave, as the file would: a
            // deleted row's Pin may still stand in a link, and must not name a new row.
            server.execute(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', 'pin'), "
                                          "%2, false)")
                               .arg(table.toLower())
                               .arg(lastKeyGiven(file, table) + 1));
            const qint64 there = count(server, table);
            const qint64 here = count(file, table);
            if (there != here)
                throw DatabaseError(QStringLiteral("%1 has %2 rows in the file but %3 on the "
                                                   "server; nothing was copied.")
                                        .arg(table)
                                        .arg(here)
                                        .arg(there));
            counts.append({table, there});
        }
    });
    // Without counts the server's planner guesses, and on a large history it guessed joins
    // that made opening a meet three times slower than it needs to be.
    server.execute(QStringLiteral("ANALYZE"));
    return counts;
}
