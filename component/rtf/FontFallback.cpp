#include "FontFallback.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHash>
#include <QMutex>

namespace pagora {

QStringList FontFallback::families(const QString& name, const QString& generic)
{
    QStringList families;
    if (!name.isEmpty() && (generic.isEmpty() || isAvailable(name)))
        families << name;
    if (!generic.isEmpty())
        families << generic;
    return families;
}

bool FontFallback::isAvailable(const QString& name)
{
    // Fonts can be matched only where a GUI application runs; elsewhere the name stands.
    if (!qGuiApp)
        return true;
    static QMutex lock;
    static QHash<QString, bool> known;
    static QString unknownFallback;
    const QMutexLocker locked(&lock);
    if (unknownFallback.isEmpty())
        unknownFallback = QFontInfo(QFont(QStringLiteral("Pagora No Such Font"))).family();
    const auto found = known.constFind(name);
    if (found != known.constEnd())
        return *found;
    const QString matched = QFontInfo(QFont(name)).family();
    const bool available = QFontDatabase::hasFamily(name) ||
                           matched.compare(unknownFallback, Qt::CaseInsensitive) != 0 ||
                           matched.compare(name, Qt::CaseInsensitive) == 0;
    known.insert(name, available);
    return available;
}

} // namespace pagora
