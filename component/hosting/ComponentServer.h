#pragma once

#include <QString>

namespace pagora {

struct ComponentDescription;

// The library side of component hosting: registration, class objects and the unload query,
// done the same way for any component from its description.
class ComponentServer
{
public:
    enum Result : long
    {
        Ok = 0,
        False = 1,
        NoInterface = static_cast<long>(0x80004002),
        ClassNotAvailable = static_cast<long>(0x80040111),
        RegistrationFailed = static_cast<long>(0x80040154),
    };

    static long registerServer(const ComponentDescription& component, const QString& library);
    static long unregisterServer(const ComponentDescription& component);
    // Hands out the class object (a ClassFactory) of a class of the component.
    static long getClassObject(const ComponentDescription& component, const char* classId,
                               void** classObject);
    // Ok when no object of the component is alive.
    static long canUnloadNow();

    static void objectCreated();
    static void objectReleased();
    // The path of the shared library that holds `address`.
    static QString libraryContaining(const void* address);
};

} // namespace pagora
