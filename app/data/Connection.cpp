#include "Connection.h"

#include "DatabaseError.h"
#include "RecordSet.h"
#include "SchemaVersion.h"
#include "ServerAddress.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <atomic>

namespace {

const QLatin1String kConnectionPrefix("Driver={Microsoft Access Driver (*.mdb)};dbq=");

QString uniqueConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("cindrel-%1").arg(++counter);
}

} // namespace

Connection::Connection() : m_name(uniqueConnectionName()) {}

Connection::~Connection()
{
    close();
}

QString Connection::connectionStringFor(const QString& path)
{
    return kConnectionPrefix + path;
}

QString Connection::pathFromConnectionString(const QString& connectionString)
{
    const int at = connectionString.indexOf(QLatin1String("dbq="), 0, Qt::CaseInsensitive);
    if (at < 0)
        return connectionString;
    return connectionString.mid(at + 4);
}

namespace {

QFileInfo existingFile(const QString& connectionString)
{
    const QString path = Connection::pathFromConnectionString(connectionString);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        throw DatabaseError(QStringLiteral("The database file \"%1\" does not exist.").arg(path));
    if (!info.isFile())
        throw DatabaseError(QStringLiteral("\"%1\" is not a database file.").arg(path));
    return info;
}

} // namespace

void Connection::openForReading(const QString& connectionString)
{
    close();
    if (const QString address = pathFromConnectionString(connectionString);
        ServerAddress::isServerAddress(address))
        connectToServer(address, true);
    else
        connectTo(existingFile(connectionString), true);
    try {
        checkIsTrackDatabase();
    } catch (...) {
        close();
        throw;
    }
}

void Connection::openServer(const QString& address)
{
    close();
    connectToServer(address, false);
}

void Connection::open(const QString& connectionString)
{
    close();
    const QString address = pathFromConnectionString(connectionString);
    const bool server = ServerAddress::isServerAddress(address);
    const QFileInfo info = server ? QFileInfo() : existingFile(connectionString);
    auto connect = [&](bool readOnly) {
        if (server)
            connectToServer(address, readOnly);
        else
            connectTo(info, readOnly);
    };
    connect(false);
    try {
        checkIsTrackDatabase();
        // A database of a later program is only read: this one does not know what it may hold.
        if (SchemaVersion::upgrade(*this) == SchemaVersion::State::Newer) {
            close();
            connect(true);
        }
    } catch (...) {
        close();
        throw;
    }
}

void Connection::connectTo(const QFileInfo& info, bool readOnly)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        // mode=rw: SQLite would otherwise make an empty database where the file is missing.
        QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
        url.setQuery(readOnly ? QStringLiteral("mode=ro") : QStringLiteral("mode=rw"));
        db.setDatabaseName(url.toString(QUrl::FullyEncoded));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=3000"));
    }
    openOrThrow(QStringLiteral("The database file \"%1\" cannot be opened: ").arg(info.filePath()));
    m_path = info.filePath();
    m_readOnly = readOnly;
    m_engine = SqlDialect::Engine::File;
}

void Connection::connectToServer(const QString& text, bool readOnly)
{
    const std::optional<ServerAddress> address = ServerAddress::parse(text);
    // Not repeated in the message: it may hold a password.
    if (!address)
        throw DatabaseError(QStringLiteral("The server address is not complete: it names a "
                                           "database as postgresql://user@host/database."));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        throw DatabaseError(QStringLiteral("This computer has no PostgreSQL driver for Qt (Debian "
                                           "package libqt6sql6-psql)."));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
        db.setHostName(address->host);
        db.setPort(address->port);
        db.setDatabaseName(address->database);
        db.setUserName(address->user);
        db.setPassword(address->password);
        db.setConnectOptions(QStringLiteral("connect_timeout=10;application_name=Cindrel"));
    }
    openOrThrow(QStringLiteral("The database \"%1\" cannot be opened: ").arg(address->display()));
    m_path = address->display();
    m_readOnly = readOnly;
    m_engine = SqlDialect::Engine::Server;
    if (readOnly)
        executeRaw(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"));
}

void Connection::openOrThrow(const QString& what)
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (db.open())
        return;
    const QString why = DatabaseError::describe(db.lastError());
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
    throw DatabaseError(what + why);
}

void Connection::checkIsTrackDatabase()
{
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!q.exec(SqlDialect::tableNames(m_engine)))
        throw DatabaseError(QStringLiteral("\"%1\" is not a Cindrel database: %2")
                                .arg(m_path, DatabaseError::describe(q.lastError())));
    QStringList names;
    while (q.next())
        names << q.value(0).toString().toLower();
    QList<const char*> tables{"teams",           "runners",        "meets",        "eventtype",
                              "events",          "runner_to_team", "meet_to_team", "event_to_meet",
                              "event_to_runner", "runners_view",   "meets_info",   "events_view"};
    // A file keeps its version in its header; a server database in a table.
    if (onServer())
        tables << "cindrel_schema";
    for (const char* required : tables) {
        if (!names.contains(QLatin1String(required)))
            throw DatabaseError(
                QStringLiteral("\"%1\" is not a Cindrel database (it has no %2 table).")
                    .arg(m_path, QLatin1String(required)));
    }
}

void Connection::close()
{
    // Its statements go before the connection does.
    m_prepared.clear();
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_path.clear();
    m_readOnly = false;
    m_engine = SqlDialect::Engine::File;
    m_transactionDepth = 0;
}

bool Connection::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase Connection::database() const
{
    if (!QSqlDatabase::contains(m_name))
        throw DatabaseError(QStringLiteral("No database is open."));
    return QSqlDatabase::database(m_name, false);
}

int Connection::executeRaw(const QString& sql)
{
    QSqlQuery q(database());
    if (!q.exec(sql))
        throw DatabaseError(DatabaseError::describe(q.lastError()), sql);
    return q.numRowsAffected();
}

int Connection::execute(const QString& sql)
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No database is open."), sql);
    if (m_observer)
        m_observer(sql);
    return executeRaw(sql);
}

int Connection::execute(const QString& sql, const QVariantList& values)
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No database is open."), sql);
    if (m_observer)
        m_observer(sql);
    return executeBound(sql, values);
}

QSqlQuery& Connection::prepared(const QString& sql)
{
    auto found = m_prepared.find(sql);
    if (found != m_prepared.end())
        return *found->second;
    auto q = std::make_unique<QSqlQuery>(database());
    if (!q->prepare(sql))
        throw DatabaseError(DatabaseError::describe(q->lastError()), sql);
    return *m_prepared.emplace(sql, std::move(q)).first->second;
}

QSqlQuery& Connection::runPrepared(const QString& sql, const QVariantList& values,
                                   const QString& shown)
{
    QSqlQuery& q = prepared(sql);
    bind(q, values);
    // A failed statement is prepared again next time: the failure may have been the
    // connection's.
    if (!q.exec()) {
        const QString why = DatabaseError::describe(q.lastError());
        m_prepared.erase(sql);
        throw DatabaseError(why, shown);
    }
    return q;
}

int Connection::executeBound(const QString& sql, const QVariantList& values)
{
    QSqlQuery& q = runPrepared(sql, values, sql);
    const int rows = q.numRowsAffected();
    q.finish();
    return rows;
}

void Connection::bind(QSqlQuery& query, const QVariantList& values)
{
    for (const QVariant& value : values)
        query.addBindValue(value.typeId() == QMetaType::QString && value.toString().isNull()
                               ? QVariant(QStringLiteral(""))
                               : value);
}

qint64 Connection::insert(const QString& sql)
{
    return insert(sql, {});
}

qint64 Connection::insert(const QString& sql, const QVariantList& values)
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No database is open."), sql);
    if (m_observer)
        m_observer(sql);
    const QString returning = SqlDialect::returningKey(m_engine);
    QSqlQuery& q = runPrepared(sql + returning, values, sql);
    bool ok = false;
    const qint64 key = returning.isEmpty() ? q.lastInsertId().toLongLong(&ok)
                                           : (q.next() ? q.value(0).toLongLong(&ok) : 0);
    q.finish();
    if (!ok)
        throw DatabaseError(QStringLiteral("The new row's key was not given back."), sql);
    return key;
}

qint64 Connection::newRow(const QString& insertSql, const QString& find)
{
    if (onServer())
        return insert(insertSql);
    execute(insertSql);
    // The newest: an older row whose placeholder was never replaced must not be taken for it.
    RecordSet rs(find + QStringLiteral(" ORDER BY Pin DESC"), *this);
    if (rs.eof())
        throw DatabaseError(QStringLiteral("The new record was not found after it was inserted."),
                            find);
    return rs.field(QStringLiteral("Pin")).toInt();
}

void Connection::setStatementObserver(std::function<void(const QString&)> observer)
{
    m_observer = std::move(observer);
}

void Connection::transaction(const std::function<void()>& work)
{
    if (m_transactionDepth > 0) {
        ++m_transactionDepth;
        try {
            work();
        } catch (...) {
            --m_transactionDepth;
            throw;
        }
        --m_transactionDepth;
        return;
    }
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No database is open."));
    executeRaw(SqlDialect::beginWrite(m_engine));
    m_transactionDepth = 1;
    try {
        work();
        executeRaw(QStringLiteral("COMMIT"));
        m_transactionDepth = 0;
    } catch (...) {
        m_transactionDepth = 0;
        QSqlQuery rollback(database());
        rollback.exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}
