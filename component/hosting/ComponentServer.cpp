#include "ComponentServer.h"

#include "hosting/ClassFactory.h"
#include "hosting/ComponentDescription.h"
#include "hosting/ComponentRegistry.h"

#include <atomic>
#include <cstring>
#include <dlfcn.h>

namespace pagora {

namespace {
std::atomic<int> g_objects{0};
}

long ComponentServer::registerServer(const ComponentDescription& component, const QString& library)
{
    if (library.isEmpty())
        return RegistrationFailed;
    ComponentRegistry::add(component, library);
    return Ok;
}

long ComponentServer::unregisterServer(const ComponentDescription& component)
{
    ComponentRegistry::remove(component);
    return Ok;
}

long ComponentServer::getClassObject(const ComponentDescription& component, const char* classId,
                                     void** classObject)
{
    if (!classObject)
        return NoInterface;
    *classObject = nullptr;
    for (int i = 0; i < component.classCount; ++i) {
        if (classId && std::strcmp(component.classes[i].classId, classId) == 0) {
            *classObject = new ClassFactory(component.classes[i]);
            return Ok;
        }
    }
    return ClassNotAvailable;
}

long ComponentServer::canUnloadNow()
{
    return g_objects.load() == 0 ? Ok : False;
}

void ComponentServer::objectCreated()
{
    ++g_objects;
}

void ComponentServer::objectReleased()
{
    --g_objects;
}

QString ComponentServer::libraryContaining(const void* address)
{
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname)
        return {};
    return QString::fromLocal8Bit(info.dli_fname);
}

} // namespace pagora
