#include "DatabaseBackup.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/SqlText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QDir backupFolder(const QString& databasePath)
{
    return QDir(QFileInfo(databasePath).absolutePath() + QStringLiteral("/backups"));
}

} // namespace

void DatabaseBackup::writeTo(Connection& db, const QString& path)
{
    // VACUUM INTO wants a new file: the copy is made beside the target and put in its place.
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    try {
        db.execute(QStringLiteral("VACUUM INTO '") + escapeSqlText(partial) + QLatin1Char('\''));
    } catch (const DatabaseError& e) {
        QFile::remove(partial);
        throw DatabaseError(
            QStringLiteral("The copy \"%1\" could not be written: %2").arg(path, e.message()));
    }
    if (QFile::exists(path) && !QFile::remove(path)) {
        QFile::remove(partial);
        throw DatabaseError(
            QStringLiteral("The file \"%1\" is there and could not be replaced.").arg(path));
    }
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        throw DatabaseError(QStringLiteral("The copy \"%1\" could not be written.").arg(path));
    }
}

QString DatabaseBackup::keepAtStart(Connection& db, const QDateTime& when, int keep)
{
    const QDir folder = backupFolder(db.path());
    if (!folder.exists() && !QDir().mkpath(folder.path()))
        throw DatabaseError(
            QStringLiteral("The folder \"%1\" for backups could not be made.").arg(folder.path()));
    const QString path =
        folder.filePath(QFileInfo(db.path()).completeBaseName() +
                        when.toString(QStringLiteral("-yyyyMMdd-HHmmss")) + QStringLiteral(".mdb"));
    writeTo(db, path);
    const QStringList copies = kept(db.path());
    for (qsizetype i = keep; i < copies.size(); ++i)
        QFile::remove(copies.at(i));
    return path;
}

QStringList DatabaseBackup::kept(const QString& databasePath)
{
    const QDir folder = backupFolder(databasePath);
    const QString name = QFileInfo(databasePath).completeBaseName();
    QStringList found;
    // The time in the name sorts them; newest first.
    // "-" then 8 digits, "-" then 6: the date and the time of the start.
    const QString pattern = name + QLatin1Char('-') + QString(8, QLatin1Char('?')) +
                            QLatin1Char('-') + QString(6, QLatin1Char('?')) +
                            QStringLiteral(".mdb");
    const QStringList files = folder.entryList({pattern}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QString& file : files)
        found << folder.filePath(file);
    return found;
}
