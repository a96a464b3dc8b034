#include "PagoraError.h"

namespace pagora {

PagoraError::PagoraError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{
}

PagoraError PagoraError::printer()
{
    return PagoraError(PrinterFault, QStringLiteral("Printer error"));
}

PagoraError PagoraError::pathAccess(const QString& path)
{
    return PagoraError(PathAccess, QStringLiteral("Path/File access error: ") + path);
}

} // namespace pagora
