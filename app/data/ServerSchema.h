#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <utility>

class Connection;

// A track database on a PostgreSQL server: its schema made on an empty database, and a
// coach's file copied onto it whole.
class ServerSchema
{
public:
    // Makes the tables, views and the seventeen event types on the database at `address`,
    // in one transaction; nothing then. When the database already holds Cindrel's whole
    // schema, changes nothing and returns its version. Throws DatabaseError when the server
    // cannot be reached or the database holds only part of Cindrel's tables; then nothing
    // changed.
    static std::optional<int> create(const QString& address);
    // Copies every row of the open file onto the empty server database at `address`, keeping
    // every Pin, in one transaction, and compares the count of every table at the end.
    // Returns each table with its count. Throws DatabaseError when the server database is not
    // empty of track data or a count differs; then nothing changed.
    static QList<std::pair<QString, qint64>> copy(Connection& file, const QString& address);
    // Makes a new, empty database named `name` on the server that `maintenance` (the address
    // of a database there that the user may connect to) is on; the new one's address.
    static QString createDatabase(const QString& maintenance, const QString& name);
    // The tables a copy moves, parents first.
    static QStringList tables();
};
