#include "ComponentClient.h"

#include "hosting/ClassFactory.h"
#include "hosting/ComponentRegistry.h"

#include <QFileInfo>
#include <QLibrary>
#include <map>
#include <memory>

namespace pagora {

namespace {

using RegisterFunction = long (*)();
using GetClassObjectFunction = long (*)(const char*, void**);

QFunctionPointer resolve(const QString& library, const char* symbol, QString* error)
{
    // Loaded once and kept: the windows that a component opens outlive its objects.
    // (QLibrary never unloads a library when the object goes.)
    static std::map<QString, std::unique_ptr<QLibrary>> loaded;
    auto& lib = loaded[library];
    if (!lib) {
        auto candidate = std::make_unique<QLibrary>(library);
        if (!candidate->load()) {
            if (error)
                *error = QStringLiteral("The component library \"%1\" cannot be loaded: %2")
                             .arg(library, candidate->errorString());
            loaded.erase(library);
            return nullptr;
        }
        lib = std::move(candidate);
    }
    const QFunctionPointer f = lib->resolve(symbol);
    if (!f && error)
        *error = QStringLiteral("The component library \"%1\" has no %2.")
                     .arg(library, QLatin1String(symbol));
    return f;
}

} // namespace

bool ComponentClient::registerLibrary(const QString& library, bool unregister, QString* error)
{
    const auto f = reinterpret_cast<RegisterFunction>(
        resolve(library, unregister ? "DllUnregisterServer" : "DllRegisterServer", error));
    if (!f)
        return false;
    if (f() != 0) {
        if (error)
            *error = QStringLiteral("The component library \"%1\" could not be %2.")
                         .arg(library, unregister ? QStringLiteral("unregistered")
                                                  : QStringLiteral("registered"));
        return false;
    }
    return true;
}

void* ComponentClient::createInstance(const QString& progIdOrClassId, const char* interfaceId,
                                      QString* error, const QString& fallbackLibrary)
{
    QString classId = ComponentRegistry::classId(progIdOrClassId);
    if (classId.isEmpty() && !fallbackLibrary.isEmpty() && QFileInfo::exists(fallbackLibrary)) {
        if (registerLibrary(fallbackLibrary, false, error))
            classId = ComponentRegistry::classId(progIdOrClassId);
    }
    if (classId.isEmpty()) {
        if (error)
            *error = QStringLiteral("The component %1 is not registered.").arg(progIdOrClassId);
        return nullptr;
    }
    const QString library = ComponentRegistry::libraryOf(classId);
    const auto getClassObject =
        reinterpret_cast<GetClassObjectFunction>(resolve(library, "DllGetClassObject", error));
    if (!getClassObject)
        return nullptr;
    void* object = nullptr;
    const QByteArray id = classId.toLatin1();
    if (getClassObject(id.constData(), &object) != 0 || !object) {
        if (error)
            *error = QStringLiteral("The component library \"%1\" does not make %2.")
                         .arg(library, progIdOrClassId);
        return nullptr;
    }
    auto* factory = static_cast<ClassFactory*>(object);
    void* instance = factory->CreateInstance(interfaceId);
    factory->Release();
    if (!instance && error)
        *error = QStringLiteral("%1 has no interface %2.")
                     .arg(progIdOrClassId, QLatin1String(interfaceId));
    return instance;
}

} // namespace pagora
