#include "RowReader.h"

#include "Connection.h"
#include "DatabaseError.h"

#include <QSqlError>
#include <QSqlQuery>

RowReader::RowReader(Connection& connection, const QString& sql, const QVariantList& values)
    : m_query(connection.select(sql, values)), m_sql(sql)
{
}

RowReader::~RowReader()
{
    m_query.finish();
}

bool RowReader::next()
{
    if (m_query.next())
        return true;
    const QSqlError failed = m_query.lastError();
    if (failed.isValid())
        throw DatabaseError(DatabaseError::describe(failed), m_sql);
    return false;
}

QVariant RowReader::value(int column) const
{
    return m_query.value(column);
}
