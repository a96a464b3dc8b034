#include "MessageReport.h"

#include "windows/Messages.h"

namespace pagora {

void MessageReport::printerError()
{
    Messages::printerError(m_parent);
}

void MessageReport::error(int number, const QString& description)
{
    Messages::error(m_parent, number, description);
}

} // namespace pagora
