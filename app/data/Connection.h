#pragma once

#include "data/DatabaseError.h"
#include "data/KeptStatements.h"
#include "data/SqlDialect.h"

#include <QDeadlineTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

class QFileInfo;
class QSqlError;
class QSqlQuery;

// A connection to one track database: a file (SQLite), or a database on a PostgreSQL server
// named by its address (postgresql://user@host/database, see ServerAddress). The application
// names its database with a connection string in the form the rest of the program knows.
class Connection
{
public:
    // What the link to a server does: it is lost, the program is connecting again (the wait
    // may be long), or it stands again.
    enum class Link
    {
        Up,
        Down,
        Connecting,
    };

    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    static QString connectionStringFor(const QString& path);
    static QString pathFromConnectionString(const QString& connectionString);

    // Opens the database file the string names, bringing an older one up to this program's
    // schema first (see SchemaVersion). Throws DatabaseError when the file is missing, is no
    // database, is a database of another program, or cannot be brought up to date. A missing
    // file is never created. A file of a later program is opened read-only.
    // A server database is opened read-only for a role without write rights, and brought up
    // to date only when its owner connects and `mayUpgrade` (when given) says yes.
    void open(const QString& connectionString, const std::function<bool()>& mayUpgrade = {});
    // Opens a database file only to read it, as it is: an older file is not brought up to
    // date. Throws DatabaseError as open() does.
    void openForReading(const QString& connectionString);
    // Opens a database on a server as it is, whatever it holds: for making its schema.
    void openServer(const QString& address);
    void close();
    // Open, also while a server's link is lost: the next statement connects again.
    bool isOpen() const;
    // False once a statement has found the server gone, until a connection stands again.
    bool reachable() const { return !m_lost; }
    // The file's path, or the server database's address without its password.
    QString path() const { return m_path; }
    bool readOnly() const { return m_readOnly; }
    SqlDialect::Engine engine() const { return m_engine; }
    bool onServer() const { return m_engine == SqlDialect::Engine::Server; }

    // Runs an INSERT, UPDATE or DELETE; the number of rows it changed. Throws DatabaseError
    // when the engine refuses it.
    int execute(const QString& sql);
    // The same with the values bound to the statement's "?" in order: text never needs
    // quoting by hand.
    int execute(const QString& sql, const QVariantList& values);
    // Runs a query, with its values bound through the statement kept for its text; the caller
    // reads the rows and then calls finish(). Throws DatabaseError when the engine refuses it.
    QSqlQuery& select(const QString& sql, const QVariantList& values);
    // Runs an INSERT and returns the key the engine gave the new row.
    qint64 insert(const QString& sql) { return insert(sql, {}); }
    qint64 insert(const QString& sql, const QVariantList& values);
    // A new row with a placeholder value, and its Pin. On a file, the newest row that `find`
    // (a SELECT of the rows carrying the placeholder) returns; on the server, where another
    // coach may insert the same placeholder at the same moment, the key of this insert.
    qint64 newRow(const QString& insert, const QString& find);

    // Runs every statement that `work` sends as one unit: all of them apply, or none.
    // An exception from `work` rolls back and is passed on. Nested calls join the outer unit.
    void transaction(const std::function<void()>& work);
    bool inTransaction() const { return m_transactionDepth > 0; }

    QSqlDatabase database() const;

    // Sees every statement that execute() is about to send; for tests that check what is sent.
    void setStatementObserver(std::function<void(const QString&)> observer)
    {
        m_observer = std::move(observer);
    }
    // Hears each change of a server's link; the observer must outlive the connection or be
    // taken away first.
    void setLinkObserver(std::function<void(Link)> observer)
    {
        m_linkObserver = std::move(observer);
    }

private:
    void connectTo(const QFileInfo& info, bool readOnly);
    void connectToServer(const QString& address, bool readOnly);
    // Opens the connection just set up under this one's name, or removes it and throws
    // `what` with the engine's reason.
    void openOrThrow(const QString& what);
    int executeRaw(const QString& sql);
    int executeBound(const QString& sql, const QVariantList& values);
    // Runs the kept statement with the values; a refusal names the statement as `shown`.
    // select() without a second try.
    QSqlQuery& query(const QString& sql, const QVariantList& values);
    QSqlQuery& runPrepared(const QString& sql, const QVariantList& values, const QString& shown);
    // Before a statement: a lost server is connected to again, except in the middle of a unit
    // of work or just after a try that failed.
    void ensureLink();
    // Ends a failed unit on a connection that still stands.
    void rollback();
    // The error to throw for a statement that failed: a server that is gone is marked lost.
    DatabaseError failure(const QSqlError& error, const QString& shown);
    void tellLink(Link link);

    QString m_name;
    QString m_path;
    bool m_readOnly = false;
    SqlDialect::Engine m_engine = SqlDialect::Engine::File;
    int m_transactionDepth = 0;
    std::function<void(const QString&)> m_observer;
    std::function<void(Link)> m_linkObserver;
    // The server's address as given, with its password: for connecting again.
    QString m_serverAddress;
    bool m_lost = false;
    QDeadlineTimer m_nextTry;
    std::unique_ptr<QSqlQuery> m_plain;
    KeptStatements m_prepared;
};
