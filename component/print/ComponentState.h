#pragma once

#include <QString>

namespace pagora {

// What the Print class remembers between calls, for every Print object of the process: the
// path of the document last handed to the component. Each method of Print sets it from its
// own MyFile and passes it on; the last call wins.
class ComponentState
{
public:
    static QString currentFile();
    static void setCurrentFile(const QString& path);
};

} // namespace pagora
