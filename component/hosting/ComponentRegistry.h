#pragma once

#include <QString>

namespace pagora {

struct ComponentDescription;

// The per-user registry of components: ProgID to class id, class id to its library, and the
// interface and type-library entries. An INI file in the user's configuration folder, or the
// file that COMPONENT_REGISTRY names.
class ComponentRegistry
{
public:
    static QString file();

    static void add(const ComponentDescription& component, const QString& libraryPath);
    // Removes exactly the entries that add() writes.
    static void remove(const ComponentDescription& component);

    // The class id of a ProgID (or of a class id, which stands for itself); empty when unknown.
    static QString classId(const QString& progIdOrClassId);
    static QString libraryOf(const QString& classId);
};

} // namespace pagora
