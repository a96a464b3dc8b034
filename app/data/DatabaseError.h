#pragma once

#include <QString>

class QSqlError;
#include <stdexcept>

// A database operation that failed: the file could not be opened, or the engine refused a
// statement. Actions catch it at their edge and tell the user.
class DatabaseError : public std::runtime_error
{
public:
    enum class Kind
    {
        // The engine refused the statement, or the file could not be used.
        Refused,
        // The server could not be reached: nothing of the unit of work was applied.
        Unreachable,
        // The server was lost while it applied the unit: it may have applied all of it.
        Uncertain,
    };

    explicit DatabaseError(const QString& message, const QString& statement = {},
                           Kind kind = Kind::Refused);

    QString message() const { return m_message; }
    QString statement() const { return m_statement; }
    Kind kind() const { return m_kind; }

    // The engine's own words for an error, or Qt's when the engine gave none.
    static QString describe(const QSqlError& error);

private:
    QString m_message;
    QString m_statement;
    Kind m_kind;
};
