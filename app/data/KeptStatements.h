#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <memory>
#include <unordered_map>

class QSqlError;

// The statements a connection prepared once and sends again with new values: a server
// prepares each in a round trip of its own, which a sheet's save would pay for every slot.
class KeptStatements
{
public:
    // The statement for `sql`, prepared on `db` the first time; nothing when it cannot be
    // prepared, with the engine's reason in `error`.
    QSqlQuery* find(const QSqlDatabase& db, const QString& sql, QSqlError& error);
    void drop(const QString& sql) { m_kept.erase(sql); }
    void clear() { m_kept.clear(); }

    // Binds the values to a prepared statement's "?" in order. Text is never NULL: an empty
    // text binds as '' (a value left invalid binds as NULL).
    static void bind(QSqlQuery& query, const QVariantList& values);

private:
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> m_kept;
};
