#include "DatabaseError.h"

#include <QSqlError>

DatabaseError::DatabaseError(const QString& message, const QString& statement, Kind kind)
    : std::runtime_error(message.toStdString()), m_message(message), m_statement(statement),
      m_kind(kind)
{
}

QString DatabaseError::describe(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    // The engine's words mean little to a coach for the failures a coach can mend; they
    // stay after the explanation for whoever helps. A server's codes are five characters
    // (SQLSTATE), some all digits; a file's are numbers of at most four.
    const QString state = error.nativeErrorCode();
    if (state.size() == 5) {
        if (state != QLatin1String("25006") && state != QLatin1String("42501"))
            return text;
        return QStringLiteral("This database is open for reading only: your role on the server "
                              "may read it but not change it. Ask the database's owner for "
                              "write rights. (") +
               text + QLatin1Char(')');
    }
    bool numeric = false;
    const int code = state.toInt(&numeric) & 0xff;
    if (!numeric)
        return text;
    QString plain;
    switch (code) {
    case 5: // busy
    case 6: // locked
        plain = QStringLiteral("The database file is in use by another program. Close that "
                               "program (or wait until it is done) and try again.");
        break;
    case 8: // read-only
        plain = QStringLiteral("The database file cannot be changed: it is read-only, or you "
                               "are not allowed to write to it or to its folder.");
        break;
    case 13: // full
        plain = QStringLiteral("The disk that holds the database file is full.");
        break;
    case 10: // I/O error
        plain = QStringLiteral("The database file could not be read or written (a disk or "
                               "network error).");
        break;
    case 11: // corrupt
    case 26: // not a database
        plain = QStringLiteral("The database file is damaged or is not a track database.");
        break;
    default:
        return text;
    }
    return plain + QStringLiteral(" (") + text + QLatin1Char(')');
}
