#pragma once

#include <QString>

namespace pagora {

// Where the print routines tell what went wrong while they go on (or stop): the caller
// decides how the user hears of it.
class ErrorReport
{
public:
    virtual ~ErrorReport() = default;
    // No printer to lay out for or to print on.
    virtual void printerError() = 0;
    virtual void error(int number, const QString& description) = 0;
};

} // namespace pagora
