#pragma once

#include "windows/DocumentWindow.h"

namespace pagora {

// frmJustPrint: loads the current file and prints it at once, for Send2Print.
class DirectPrintWindow : public DocumentWindow
{
    Q_OBJECT
public:
    DirectPrintWindow();

    // Throws PagoraError when the file cannot be loaded or no printer is installed; errors
    // while printing are told to the user.
    void load();
};

} // namespace pagora
