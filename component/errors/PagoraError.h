#pragma once

#include <QString>
#include <stdexcept>

namespace pagora {

// A failure with the number and description that the component reports to its callers,
// as the platform's errors have them: 482 for a printer error, 53 for a missing file.
class PagoraError : public std::runtime_error
{
public:
    enum Number
    {
        FileNotFound = 53,
        BadFileFormat = 321,
        Overflow = 6,
        PathAccess = 75,
        PrinterFault = 482
    };

    PagoraError(int number, const QString& description);

    int number() const { return m_number; }
    QString description() const { return m_description; }

    static PagoraError printer();
    static PagoraError pathAccess(const QString& path);

private:
    int m_number;
    QString m_description;
};

} // namespace pagora
