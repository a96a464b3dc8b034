#include "Connection.h"

#include "DatabaseError.h"
#include "KeptStatements.h"
#include "RecordSet.h"
#include "SchemaVersion.h"
#include "ServerAddress.h"
#include "ServerLink.h"
#include "ServerRights.h"

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
    return at < 0 ? connectionString : connectionString.mid(at + 4);
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
        SchemaVersion::checkTables(*this);
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

void Connection::open(const QString& connectionString, const std::function<bool()>& mayUpgrade)
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
        SchemaVersion::checkTables(*this);
        // A database of a later program is only read: this one does not know what it may hold.
        if (SchemaVersion::upgrade(*this, mayUpgrade) == SchemaVersion::State::Newer ||
            (server && !ServerRights::canWrite(*this))) {
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
    const ServerAddress address = ServerLink::configure(m_name, text);
    openOrThrow(QStringLiteral("The database \"%1\" cannot be opened: ").arg(address.display()));
    m_path = address.display();
    m_serverAddress = text;
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

void Connection::close()
{
    // Its statements go before the connection does.
    m_prepared.clear();
    m_plain.reset();
    m_lost = false;
    m_serverAddress.clear();
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
    return m_lost ||
           (QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen());
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
        throw failure(q.lastError(), sql);
    return q.numRowsAffected();
}

int Connection::execute(const QString& sql)
{
    ensureLink();
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No database is open."), sql);
    if (m_observer)
        m_observer(sql);
    return executeRaw(sql);
}

int Connection::execute(const QString& sql, const QVariantList& values)
{
    ensureLink();
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No database is open."), sql);
    if (m_observer)
        m_observer(sql);
    return executeBound(sql, values);
}

QSqlQuery& Connection::runPrepared(const QString& sql, const QVariantList& values,
                                   const QString& shown)
{
    QSqlError error;
    QSqlQuery* q = m_prepared.find(database(), sql, error);
    if (!q)
        throw failure(error, shown);
    KeptStatements::bind(*q, values);
    // A failed statement is prepared again next time, the failure may have been its own; but
    // not from inside a failed unit, where the server takes no word until it ends.
    if (!q->exec()) {
        DatabaseError refused = failure(q->lastError(), shown);
        if (m_transactionDepth == 0)
            m_prepared.drop(sql);
        throw refused;
    }
    return *q;
}

QSqlQuery& Connection::select(const QString& sql, const QVariantList& values)
{
    ensureLink();
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No database is open."), sql);
    try {
        return query(sql, values);
    } catch (const DatabaseError&) {
        // A connection that stood idle while the server restarted learns it only now: the
        // query goes again over a new one, as the user would send it again.
        if (!m_lost || m_transactionDepth > 0)
            throw;
    }
    ensureLink();
    return query(sql, values);
}

QSqlQuery& Connection::query(const QString& sql, const QVariantList& values)
{
    if (!values.isEmpty())
        return runPrepared(sql, values, sql);
    m_plain = std::make_unique<QSqlQuery>(database());
    m_plain->setForwardOnly(true);
    if (!m_plain->exec(sql))
        throw failure(m_plain->lastError(), sql);
    return *m_plain;
}

int Connection::executeBound(const QString& sql, const QVariantList& values)
{
    QSqlQuery& q = runPrepared(sql, values, sql);
    const int rows = q.numRowsAffected();
    q.finish();
    return rows;
}

qint64 Connection::insert(const QString& sql, const QVariantList& values)
{
    ensureLink();
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No database is open."), sql);
    if (m_observer)
        m_observer(sql);
    QSqlQuery& q = runPrepared(SqlDialect::insertReturningKey(m_engine, sql), values, sql);
    bool ok = false;
    const qint64 key = SqlDialect::givesKeyAsRow(m_engine)
                           ? (q.next() ? q.value(0).toLongLong(&ok) : 0)
                           : q.lastInsertId().toLongLong(&ok);
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
    ensureLink();
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No database is open."));
    try {
        executeRaw(SqlDialect::beginWrite(m_engine));
    } catch (const DatabaseError&) {
        // Nothing of the unit was sent yet: it starts again over a new connection.
        if (!m_lost)
            throw;
        ensureLink();
        executeRaw(SqlDialect::beginWrite(m_engine));
    }
    m_transactionDepth = 1;
    bool committing = false;
    try {
        work();
        committing = true;
        executeRaw(QStringLiteral("COMMIT"));
        m_transactionDepth = 0;
    } catch (const DatabaseError& e) {
        m_transactionDepth = 0;
        // Its answer never came: the server may have applied the unit before it was lost.
        if (committing && e.kind() == DatabaseError::Kind::Unreachable && m_lost)
            throw DatabaseError(ServerLink::lostWhileCommitting(e.message()), e.statement(),
                                DatabaseError::Kind::Uncertain);
        rollback();
        throw;
    } catch (...) {
        m_transactionDepth = 0;
        rollback();
        throw;
    }
}

void Connection::rollback()
{
    if (m_lost || !QSqlDatabase::contains(m_name))
        return;
    QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
}

void Connection::ensureLink()
{
    if (!m_lost)
        return;
    // Inside a unit its statements must not go on over another connection; right after a try
    // that failed, the lists that one click refreshes do not each wait for the server again.
    if (m_transactionDepth > 0 || !m_nextTry.hasExpired())
        throw DatabaseError(ServerLink::unreachable(QStringLiteral("the connection was lost")), {},
                            DatabaseError::Kind::Unreachable);
    m_prepared.clear();
    m_plain.reset();
    if (QSqlDatabase::contains(m_name)) {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    tellLink(Link::Connecting);
    try {
        connectToServer(QString(m_serverAddress), m_readOnly);
    } catch (const DatabaseError& e) {
        m_nextTry.setRemainingTime(ServerLink::RetryPauseMs);
        tellLink(Link::Down);
        throw DatabaseError(ServerLink::unreachable(e.message()), {},
                            DatabaseError::Kind::Unreachable);
    }
    m_lost = false;
    tellLink(Link::Up);
}

DatabaseError Connection::failure(const QSqlError& error, const QString& shown)
{
    const QString why = DatabaseError::describe(error);
    if (!onServer())
        return DatabaseError(why, shown);
    if (ServerLink::timedOut(error))
        return DatabaseError(ServerLink::tooSlow(why), shown, DatabaseError::Kind::Unreachable);
    if (!ServerLink::isLost(QSqlDatabase::database(m_name, false), error))
        return DatabaseError(why, shown);
    if (!m_lost) {
        m_lost = true;
        tellLink(Link::Down);
    }
    return DatabaseError(ServerLink::unreachable(why), shown, DatabaseError::Kind::Unreachable);
}

void Connection::tellLink(Link link)
{
    if (m_linkObserver)
        m_linkObserver(link);
}
