#include "KeptStatements.h"

#include <QSqlError>

QSqlQuery* KeptStatements::find(const QSqlDatabase& db, const QString& sql, QSqlError& error)
{
    if (auto found = m_kept.find(sql); found != m_kept.end())
        return found->second.get();
    // Texts that carry their own numbers are kept as well: a long session must not keep them
    // all.
    if (m_kept.size() >= 256)
        m_kept.clear();
    auto q = std::make_unique<QSqlQuery>(db);
    q->setForwardOnly(true);
    if (!q->prepare(sql)) {
        error = q->lastError();
        return nullptr;
    }
    return m_kept.emplace(sql, std::move(q)).first->second.get();
}

void KeptStatements::bind(QSqlQuery& query, const QVariantList& values)
{
    for (const QVariant& value : values)
        query.addBindValue(value.typeId() == QMetaType::QString && value.toString().isNull()
                               ? QVariant(QStringLiteral(""))
                               : value);
}
