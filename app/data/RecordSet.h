#pragma once

#include "Field.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

class Connection;

// A forward-only walk over the rows of a query. The whole result is read when the query is
// opened, so that no read lock is held while the caller writes through the same database.
class RecordSet
{
public:
    RecordSet() = default;
    RecordSet(const QString& sql, Connection& connection) { open(sql, connection); }
    // With the values bound to the query's "?" in order.
    RecordSet(const QString& sql, const QVariantList& values, Connection& connection)
    {
        open(sql, values, connection);
    }

    // Throws DatabaseError when the engine refuses the query.
    void open(const QString& sql, Connection& connection) { open(sql, {}, connection); }
    void open(const QString& sql, const QVariantList& values, Connection& connection);
    void close();
    bool isOpen() const { return m_open; }

    // True past the last row, at once for an empty result.
    bool eof() const { return m_row >= m_rows.size(); }
    void moveNext();
    int rowCount() const { return static_cast<int>(m_rows.size()); }

    // The value of a column of the current row, by name without regard to case.
    // Throws DatabaseError for an unknown column or when there is no current row.
    Field field(const QString& name) const;
    bool hasField(const QString& name) const;
    // The same by the column's place, found once with column(): for reading many rows.
    int column(const QString& name) const;
    const Field& field(int column) const;
    QStringList fieldNames() const { return m_names; }

private:
    QString m_sql;
    QStringList m_names;
    QHash<QString, int> m_index;
    std::vector<std::vector<Field>> m_rows;
    size_t m_row = 0;
    bool m_open = false;
};
