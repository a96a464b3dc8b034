#include "ServerLink.h"

#include "data/DatabaseError.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString connectOptions()
{
    const QString wait = QString::number(ServerLink::WaitSeconds);
    // Keepalives and the TCP timeout find a dropped network; the statement timeout a server
    // that holds a statement. Cindrel's statements are short: compiling one costs more than
    // it saves (a sheet's flags took 23 ms to compile and 9 ms to run).
    return QStringLiteral("connect_timeout=%1;application_name=Cindrel;keepalives=1;"
                          "keepalives_idle=%1;keepalives_interval=1;keepalives_count=%1;"
                          "tcp_user_timeout=%2;options='-c jit=off -c statement_timeout=%2'")
        .arg(wait, QString::number(ServerLink::WaitSeconds * 1000));
}

} // namespace

ServerAddress ServerLink::configure(const QString& name, const QString& text)
{
    const std::optional<ServerAddress> address = ServerAddress::parse(text);
    // Not repeated in the message: it may hold a password.
    if (!address)
        throw DatabaseError(QStringLiteral("The server address is not complete: it names a "
                                           "database as postgresql://user@host/database."));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        throw DatabaseError(QStringLiteral("This computer has no PostgreSQL driver for Qt (Debian "
                                           "package libqt6sql6-psql)."));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(address->host);
    db.setPort(address->port);
    db.setDatabaseName(address->database);
    db.setUserName(address->user);
    db.setPassword(address->password);
    QString options = connectOptions();
    // libpq reads a value in quotes, with its own quotes and backslashes escaped.
    auto quoted = [](QString value) {
        value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        value.replace(QLatin1Char('\''), QLatin1String("\\'"));
        return QLatin1Char('\'') + value + QLatin1Char('\'');
    };
    if (!address->sslMode.isEmpty())
        options += QStringLiteral(";sslmode=") + address->sslMode;
    if (!address->sslRootCert.isEmpty())
        options += QStringLiteral(";sslrootcert=") + quoted(address->sslRootCert);
    db.setConnectOptions(options);
    return *address;
}

bool ServerLink::isLost(const QSqlDatabase& db, const QSqlError& error)
{
    // A server shutting down tells its connections so (57P01 and its kin); a broken link is
    // class 08.
    auto lostCode = [](const QString& code) {
        return code.startsWith(QLatin1String("08")) || code == QLatin1String("57P01") ||
               code == QLatin1String("57P02") || code == QLatin1String("57P03");
    };
    const QString code = error.nativeErrorCode();
    if (lostCode(code))
        return true;
    // Every answer of the server carries a code: without one, the failure was libpq's own,
    // and a probe tells a lost link from anything else.
    if (!code.isEmpty())
        return false;
    if (!db.isValid() || !db.isOpen())
        return true;
    QSqlQuery probe(db);
    if (probe.exec(QStringLiteral("SELECT 1")))
        return false;
    const QString again = probe.lastError().nativeErrorCode();
    return again.isEmpty() || lostCode(again);
}

bool ServerLink::timedOut(const QSqlError& error)
{
    // query_canceled: the statement timeout.
    return error.nativeErrorCode() == QLatin1String("57014");
}

QString ServerLink::unreachable(const QString& why)
{
    return QStringLiteral("The server could not be reached: the network or the server is down. "
                          "Nothing was changed. (%1)")
        .arg(why.trimmed());
}

QString ServerLink::tooSlow(const QString& why)
{
    return QStringLiteral("The server did not answer within %1 seconds (it may be busy, or "
                          "another coach may be saving the same records). Nothing was changed. "
                          "(%2)")
        .arg(WaitSeconds)
        .arg(why.trimmed());
}

QString ServerLink::lostWhileCommitting(const QString& why)
{
    return QStringLiteral("The server was lost while it was saving: the changes may have been "
                          "saved or not. Look at them again once the server can be reached. (%1)")
        .arg(why.trimmed());
}
