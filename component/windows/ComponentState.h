#pragma once

#include <QString>

namespace pagora {

// What every Print object of the process shares: the path that the component's windows load
// their document from. Each method of Print sets it from its own MyFile; the last call wins.
class ComponentState
{
public:
    static QString currentFile();
    static void setCurrentFile(const QString& path);
};

} // namespace pagora
