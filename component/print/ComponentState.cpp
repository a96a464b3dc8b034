#include "ComponentState.h"

namespace pagora {

namespace {
QString& current()
{
    static QString path;
    return path;
}
} // namespace

QString ComponentState::currentFile()
{
    return current();
}

void ComponentState::setCurrentFile(const QString& path)
{
    current() = path;
}

} // namespace pagora
