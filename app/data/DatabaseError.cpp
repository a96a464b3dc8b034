#include "DatabaseError.h"

#include <QSqlError>

DatabaseError::DatabaseError(const QString& message, const QString& statement)
    : std::runtime_error(message.toStdString()), m_message(message), m_statement(statement)
{
}

QString DatabaseError::describe(const QSqlError& error)
{
    const QString text = error.databaseText();
    return text.isEmpty() ? error.text() : text;
}
