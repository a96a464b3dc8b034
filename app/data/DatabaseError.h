#pragma once

#include <QString>

class QSqlError;
#include <stdexcept>

// A database operation that failed: the file could not be opened, or the engine refused a
// statement. Actions catch it at their edge and tell the user.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString& message, const QString& statement = {});

    QString message() const { return m_message; }
    QString statement() const { return m_statement; }

    // The engine's own words for an error, or Qt's when the engine gave none.
    static QString describe(const QSqlError& error);

private:
    QString m_message;
    QString m_statement;
};
