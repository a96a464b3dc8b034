#include "DatabaseFiles.h"

#include "data/DatabaseError.h"
#include "data/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString DatabaseFiles::templatePath()
{
    return ProgramFolder::file(QStringLiteral("Blank.mdb"));
}

QString DatabaseFiles::databaseFolder()
{
    return ProgramFolder::writableFile(QStringLiteral("db"));
}

QString DatabaseFiles::newDatabasePath(const QString& school)
{
    QString name = school;
    name.remove(QLatin1Char(' '));
    // The school becomes a file name: it must not reach outside the db folder.
    name.remove(QLatin1Char('/'));
    name.remove(QLatin1Char('\\'));
    name.remove(QChar(0));
    // Nor be hidden from the file dialog: no leading dots, and a name when none is left.
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    // File names are limited (255 bytes on most file systems): a long school name is cut.
    constexpr int MaxBytes = 100;
    name.truncate(MaxBytes);
    while (name.toUtf8().size() > MaxBytes || (!name.isEmpty() && name.back().isHighSurrogate()))
        name.chop(1);
    if (name.isEmpty())
        name = QStringLiteral("Cindrel");
    return databaseFolder() + QLatin1Char('/') + name + QLatin1String(".mdb");
}

QString DatabaseFiles::makeNewDatabase(const QString& school)
{
    const QString source = templatePath();
    const QString target = newDatabasePath(school);
    if (QFileInfo::exists(target))
        return target;
    if (!QFileInfo(source).isFile())
        throw DatabaseError(QStringLiteral("The empty database \"Blank.mdb\" is missing from the "
                                           "program folder \"%1\". A new database cannot be made.")
                                .arg(ProgramFolder::path()));
    if (!QDir().mkpath(databaseFolder()))
        throw DatabaseError(
            QStringLiteral("The folder \"%1\" cannot be created.").arg(databaseFolder()));

    // Copy beside the target and rename, so that an interrupted copy never leaves a
    // half-written database under the real name.
    const QString partial = target + QLatin1String(".partial");
    QFile::remove(partial);
    if (!QFile::copy(source, partial)) {
        QFile::remove(partial);
        throw DatabaseError(
            QStringLiteral("The new database \"%1\" cannot be written.").arg(target));
    }
    // The template may be read-only (an installed program); the coach's copy must not be.
    QFile::setPermissions(partial, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                       QFile::ReadOther);
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        throw DatabaseError(
            QStringLiteral("The new database \"%1\" cannot be written.").arg(target));
    }
    return target;
}
