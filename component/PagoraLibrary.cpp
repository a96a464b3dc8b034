// The library's entry points. They only hand the component's description of its classes to
// the hosting module.
#include "hosting/ComponentDescription.h"
#include "hosting/ComponentServer.h"
#include "pagora/Print.h"
#include "print/Print.h"

#include <QtGlobal>

namespace {

const pagora::ClassDescription kClasses[] = {{
    pagora::PrintProgId,
    pagora::PrintClassId,
    pagora::PrintInterfaceId,
    pagora::TypeLibraryId,
    pagora::TypeLibraryVersion,
    pagora::TypeLibraryName,
    pagora::TypeLibraryDescription,
    "Apartment",
    &pagora::Print::create,
}};

const pagora::ComponentDescription kComponent{kClasses, 1, pagora::FileVersion};

} // namespace

extern "C" Q_DECL_EXPORT long DllRegisterServer()
{
    return pagora::ComponentServer::registerServer(
        kComponent, pagora::ComponentServer::libraryContaining(
                        reinterpret_cast<const void*>(&DllRegisterServer)));
}

extern "C" Q_DECL_EXPORT long DllUnregisterServer()
{
    return pagora::ComponentServer::unregisterServer(kComponent);
}

extern "C" Q_DECL_EXPORT long DllGetClassObject(const char* classId, void** classObject)
{
    return pagora::ComponentServer::getClassObject(kComponent, classId, classObject);
}

extern "C" Q_DECL_EXPORT long DllCanUnloadNow()
{
    return pagora::ComponentServer::canUnloadNow();
}
