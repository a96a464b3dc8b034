#pragma once

#include <QString>
#include <stdexcept>

// A report that cannot be made: its template, the work file, a query or the component failed.
class ReportError : public std::runtime_error
{
public:
    explicit ReportError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};
