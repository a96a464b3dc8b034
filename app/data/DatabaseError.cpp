#include "DatabaseError.h"

DatabaseError::DatabaseError(const QString& message, const QString& statement)
    : std::runtime_error(message.toStdString()), m_message(message), m_statement(statement)
{
}
