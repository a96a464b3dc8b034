#include "Connection.h"

#include "DatabaseError.h"
#include "SchemaVersion.h"

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
    connectTo(existingFile(connectionString), true);
    try {
        checkIsTrackDatabase();
    } catch (...) {
        close();
        throw;
    }
}

void Connection::open(const QString& connectionString)
{
    close();
    const QFileInfo info = existingFile(connectionString);
    connectTo(info, false);
    try {
        checkIsTrackDatabase();
        // A file of a later program is only read: this one does not know what it may hold.
        if (SchemaVersion::upgrade(*this) == SchemaVersion::State::Newer) {
            close();
            connectTo(info, true);
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
        if (!db.open()) {
            const QString why = DatabaseError::describe(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            throw DatabaseError(QStringLiteral("The database file \"%1\" cannot be opened: %2")
                                    .arg(info.filePath(), why));
        }
    }
    m_path = info.filePath();
    m_readOnly = readOnly;
}

void Connection::checkIsTrackDatabase()
{
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table','view')")))
        throw DatabaseError(QStringLiteral("\"%1\" is not a Cindrel database: %2")
                                .arg(m_path, DatabaseError::describe(q.lastError())));
    QStringList names;
    while (q.next())
        names << q.value(0).toString().toLower();
    for (const char* required :
         {"teams", "runners", "meets", "eventtype", "events", "runner_to_team", "meet_to_team",
          "event_to_meet", "event_to_runner", "runners_view", "meets_info", "events_view"}) {
        if (!names.contains(QLatin1String(required)))
            throw DatabaseError(
                QStringLiteral("\"%1\" is not a Cindrel database (it has no %2 table).")
                    .arg(m_path, QLatin1String(required)));
    }
}

void Connection::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_path.clear();
    m_readOnly = false;
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

void Connection::executeRaw(const QString& sql)
{
    QSqlQuery q(database());
    if (!q.exec(sql))
        throw DatabaseError(DatabaseError::describe(q.lastError()), sql);
}

void Connection::execute(const QString& sql)
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No database is open."), sql);
    if (m_observer)
        m_observer(sql);
    executeRaw(sql);
}

qint64 Connection::insert(const QString& sql)
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No database is open."), sql);
    if (m_observer)
        m_observer(sql);
    QSqlQuery q(database());
    if (!q.exec(sql))
        throw DatabaseError(DatabaseError::describe(q.lastError()), sql);
    bool ok = false;
    const qint64 key = q.lastInsertId().toLongLong(&ok);
    if (!ok)
        throw DatabaseError(QStringLiteral("The new row's key was not given back."), sql);
    return key;
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
    // IMMEDIATE takes the write lock up front, so a unit never fails half-way because
    // another program started writing after it began.
    executeRaw(QStringLiteral("BEGIN IMMEDIATE"));
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
