#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

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
