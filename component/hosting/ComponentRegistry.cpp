#include "ComponentRegistry.h"

#include "hosting/ComponentDescription.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace pagora {

namespace {

QString key(const char* group, const QString& name, const char* entry)
{
    return QLatin1String(group) + QLatin1Char('/') + name + QLatin1Char('/') + QLatin1String(entry);
}

} // namespace

QString ComponentRegistry::file()
{
    const QByteArray chosen = qgetenv("COMPONENT_REGISTRY");
    if (!chosen.isEmpty())
        return QString::fromLocal8Bit(chosen);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/component-registry.ini");
}

void ComponentRegistry::add(const ComponentDescription& component, const QString& libraryPath)
{
    QDir().mkpath(QFileInfo(file()).absolutePath());
    QSettings s(file(), QSettings::IniFormat);
    for (int i = 0; i < component.classCount; ++i) {
        const ClassDescription& c = component.classes[i];
        const QString id = QString::fromLatin1(c.classId);
        s.setValue(key("ProgID", QString::fromLatin1(c.progId), "CLSID"), id);
        s.setValue(key("CLSID", id, "ProgID"), QString::fromLatin1(c.progId));
        s.setValue(key("CLSID", id, "Description"), QString::fromLatin1(c.description));
        s.setValue(key("CLSID", id, "InprocServer"), libraryPath);
        s.setValue(key("CLSID", id, "ThreadingModel"), QString::fromLatin1(c.threadingModel));
        s.setValue(key("CLSID", id, "TypeLib"), QString::fromLatin1(c.typeLibraryId));
        s.setValue(key("CLSID", id, "Version"), QString::fromLatin1(component.fileVersion));
        const QString iid = QString::fromLatin1(c.interfaceId);
        s.setValue(key("Interface", iid, "TypeLib"), QString::fromLatin1(c.typeLibraryId));
        s.setValue(key("Interface", iid, "Version"), QString::fromLatin1(c.typeLibraryVersion));
        const QString lib = QString::fromLatin1(c.typeLibraryId);
        s.setValue(key("TypeLib", lib, "Name"), QString::fromLatin1(c.typeLibraryName));
        s.setValue(key("TypeLib", lib, "Version"), QString::fromLatin1(c.typeLibraryVersion));
        s.setValue(key("TypeLib", lib, "Description"), QString::fromLatin1(c.description));
        s.setValue(key("TypeLib", lib, "Path"), libraryPath);
    }
    s.sync();
}

void ComponentRegistry::remove(const ComponentDescription& component)
{
    QSettings s(file(), QSettings::IniFormat);
    for (int i = 0; i < component.classCount; ++i) {
        const ClassDescription& c = component.classes[i];
        s.remove(QStringLiteral("ProgID/") + QString::fromLatin1(c.progId));
        s.remove(QStringLiteral("CLSID/") + QString::fromLatin1(c.classId));
        s.remove(QStringLiteral("Interface/") + QString::fromLatin1(c.interfaceId));
        s.remove(QStringLiteral("TypeLib/") + QString::fromLatin1(c.typeLibraryId));
    }
    s.sync();
}

QString ComponentRegistry::classId(const QString& progIdOrClassId)
{
    QSettings s(file(), QSettings::IniFormat);
    if (progIdOrClassId.startsWith(QLatin1Char('{')))
        return s.contains(key("CLSID", progIdOrClassId, "InprocServer")) ? progIdOrClassId
                                                                         : QString();
    return s.value(key("ProgID", progIdOrClassId, "CLSID")).toString();
}

QString ComponentRegistry::libraryOf(const QString& classId)
{
    QSettings s(file(), QSettings::IniFormat);
    return s.value(key("CLSID", classId, "InprocServer")).toString();
}

} // namespace pagora
