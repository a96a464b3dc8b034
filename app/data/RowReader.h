#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

class Connection;
class QSqlQuery;

// The rows of a query one at a time, as the engine hands them over: for reads of a hundred
// thousand rows, which a RecordSet would first copy whole into values of its own. Nothing else
// may go over the connection until the reader is gone.
class RowReader
{
public:
    // Throws DatabaseError when the engine refuses the query.
    RowReader(Connection& connection, const QString& sql, const QVariantList& values = {});
    ~RowReader();
    RowReader(const RowReader&) = delete;
    RowReader& operator=(const RowReader&) = delete;

    // Moves to the next row; false past the last. Throws DatabaseError when the engine fails
    // on the way, so that a read cut short is never taken for the whole.
    bool next();
    QVariant value(int column) const;

private:
    QSqlQuery& m_query;
    QString m_sql;
};
