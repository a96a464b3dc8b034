#include "SettingsStore.h"

#include <QSettings>
#include <memory>

namespace {

QString& filePath()
{
    static QString path;
    return path;
}

std::unique_ptr<QSettings> openStore()
{
    std::unique_ptr<QSettings> s;
    if (filePath().isEmpty())
        s = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                        QStringLiteral("Cindrel"), QStringLiteral("Cindrel"));
    else
        s = std::make_unique<QSettings>(filePath(), QSettings::IniFormat);
    s->beginGroup(QStringLiteral("Settings"));
    return s;
}

} // namespace

QString SettingsStore::read(const QString& key)
{
    return openStore()->value(key).toString();
}

void SettingsStore::write(const QString& key, const QString& value)
{
    auto s = openStore();
    s->setValue(key, value);
    s->sync();
}

void SettingsStore::sync()
{
    openStore()->sync();
}

void SettingsStore::useFile(const QString& path)
{
    filePath() = path;
}

QString SettingsStore::location()
{
    return openStore()->fileName();
}
