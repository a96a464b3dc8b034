#pragma once

#include <QString>

namespace pagora {

// The client side of component hosting: creates an object of a registered class by its
// class identity, loading the class's library as the registry names it.
class ComponentClient
{
public:
    // An instance of the class (ProgID or class id) as the interface `interfaceId`; null with
    // the reason in `error` when it cannot be made. When the class is not registered and a
    // `fallbackLibrary` is given, that library registers itself and creation is tried once more.
    static void* createInstance(const QString& progIdOrClassId, const char* interfaceId,
                                QString* error, const QString& fallbackLibrary = QString());
    // Asks a library to register (or unregister) its classes.
    static bool registerLibrary(const QString& library, bool unregister, QString* error);
};

} // namespace pagora
