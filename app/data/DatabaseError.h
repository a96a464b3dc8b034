#pragma once

#include <QString>
#include <stdexcept>

// A database operation that failed: the file could not be opened, or the engine refused a
// statement. Actions catch it at their edge and tell the user.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString& message, const QString& statement = {});

    QString message() const { return m_message; }
    QString statement() const { return m_statement; }

private:
    QString m_message;
    QString m_statement;
};
