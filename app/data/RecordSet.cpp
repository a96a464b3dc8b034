#include "RecordSet.h"

#include "Connection.h"
#include "DatabaseError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// SQLite has no date type: these columns hold ISO text that the program reads as dates.
bool isDateColumn(const QString& lowerName)
{
    return lowerName == QLatin1String("meettime");
}

} // namespace

void RecordSet::open(const QString& sql, const QVariantList& values, Connection& connection)
{
    close();
    // A query with values is kept prepared: a server would otherwise prepare it and drop it in
    // round trips of their own.
    QSqlQuery& q = connection.select(sql, values);
    const QSqlRecord record = q.record();
    std::vector<bool> dates;
    for (int i = 0; i < record.count(); ++i) {
        const QString name = record.fieldName(i);
        const QString lower = name.toLower();
        m_names << name;
        if (!m_index.contains(lower))
            m_index.insert(lower, i);
        dates.push_back(isDateColumn(lower));
    }
    const int columns = record.count();
    while (q.next()) {
        std::vector<Field> row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row.push_back(Field::fromSqlValue(q.value(i), dates[i]));
        m_rows.push_back(std::move(row));
    }
    const QSqlError failed = q.lastError();
    q.finish();
    if (failed.isValid()) {
        m_rows.clear();
        throw DatabaseError(DatabaseError::describe(failed), sql);
    }
    m_sql = sql;
    m_open = true;
}

void RecordSet::close()
{
    m_sql.clear();
    m_names.clear();
    m_index.clear();
    m_rows.clear();
    m_row = 0;
    m_open = false;
}

void RecordSet::moveNext()
{
    if (m_row < m_rows.size())
        ++m_row;
}

bool RecordSet::hasField(const QString& name) const
{
    return m_index.contains(name.toLower());
}

Field RecordSet::field(const QString& name) const
{
    return field(column(name));
}

int RecordSet::column(const QString& name) const
{
    const auto it = m_index.constFind(name.toLower());
    if (it == m_index.constEnd())
        throw DatabaseError(QStringLiteral("The result has no column named %1.").arg(name), m_sql);
    return *it;
}

const Field& RecordSet::field(int column) const
{
    if (eof())
        throw DatabaseError(QStringLiteral("There is no current record."), m_sql);
    if (column < 0 || column >= m_names.size())
        throw DatabaseError(QStringLiteral("The result has no column %1.").arg(column), m_sql);
    return m_rows[m_row][static_cast<size_t>(column)];
}
