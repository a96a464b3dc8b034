#pragma once

#include "data/SqlDialect.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>
#include <unordered_map>

class QFileInfo;
class QSqlQuery;

// A connection to one track database: a file (SQLite), or a database on a PostgreSQL server
// named by its address (postgresql://user@host/database, see ServerAddress). The application
// names its database with a connection string in the form the rest of the program knows.
class Connection
{
public:
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
    void open(const QString& connectionString);
    // Opens a database file only to read it, as it is: an older file is not brought up to
    // date. Throws DatabaseError as open() does.
    void openForReading(const QString& connectionString);
    // Opens a database on a server as it is, whatever it holds: for making its schema.
    void openServer(const QString& address);
    void close();
    bool isOpen() const;
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
    // Runs an INSERT and returns the key the engine gave the new row.
    qint64 insert(const QString& sql);
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

    // Binds the values to a prepared statement's "?" in order. Text is never NULL: an empty
    // text binds as '' (a value left invalid binds as NULL).
    static void bind(QSqlQuery& query, const QVariantList& values);
    // Sees every statement that execute() is about to send; for tests that check what is sent.
    void setStatementObserver(std::function<void(const QString&)> observer);

private:
    void connectTo(const QFileInfo& info, bool readOnly);
    void connectToServer(const QString& address, bool readOnly);
    // Opens the connection just set up under this one's name, or removes it and throws
    // `what` with the engine's reason.
    void openOrThrow(const QString& what);
    int executeRaw(const QString& sql);
    int executeBound(const QString& sql, const QVariantList& values);
    // The statement prepared once on this connection and kept: a server prepares it in a
    // round trip of its own, which a sheet's save would pay for every slot.
    QSqlQuery& prepared(const QString& sql);
    // Runs the kept statement with the values; a refusal names the statement as `shown`.
    QSqlQuery& runPrepared(const QString& sql, const QVariantList& values, const QString& shown);
    void checkIsTrackDatabase();

    QString m_name;
    QString m_path;
    bool m_readOnly = false;
    SqlDialect::Engine m_engine = SqlDialect::Engine::File;
    int m_transactionDepth = 0;
    std::function<void(const QString&)> m_observer;
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> m_prepared;
};
