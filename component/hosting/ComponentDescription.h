#pragma once

namespace pagora {

// What a component library tells the hosting module about one of its classes.
struct ClassDescription
{
    const char* progId;
    const char* classId;
    const char* interfaceId;
    const char* typeLibraryId;
    const char* typeLibraryVersion;
    const char* typeLibraryName;
    const char* description;
    const char* threadingModel;
    // Makes an instance and returns it as the requested interface; null for another one.
    void* (*create)(const char* interfaceId);
};

struct ComponentDescription
{
    const ClassDescription* classes;
    int classCount;
    const char* fileVersion;
};

} // namespace pagora
