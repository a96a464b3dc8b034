#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& overridePath()
{
    static QString path;
    return path;
}
} // namespace

QString ProgramFolder::path()
{
    QString p = overridePath();
    if (p.isEmpty())
        p = QCoreApplication::applicationDirPath();
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p;
}

void ProgramFolder::setPath(const QString& path)
{
    overridePath() = path;
}

QString ProgramFolder::file(const QString& relative)
{
    return path() + QLatin1Char('/') + relative;
}

bool ProgramFolder::isWritable()
{
    // What lies under /usr is the package manager's, put there by a package or make install:
    // never written at run time, by root either.
    if (QDir::cleanPath(path()).startsWith(QLatin1String("/usr/")))
        return false;
    // The mode bits as well as access(): a folder made read-only stays so for every user,
    // root included.
    const QFileInfo info(path());
    const auto writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isWritable() && (info.permissions() & writeBits);
}

QString ProgramFolder::userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Cindrel");
}

QString ProgramFolder::writableFile(const QString& relative)
{
    if (isWritable())
        return file(relative);
    return userDataFolder() + QLatin1Char('/') + relative;
}
