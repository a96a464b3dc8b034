#include "DatabaseBackup.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/RecordSet.h"
#include "data/SqlText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

const QLatin1String kTakenFormat("yyyyMMdd-HHmmss");

QDir backupFolder(const QString& databasePath)
{
    return QDir(QFileInfo(databasePath).absolutePath() + QStringLiteral("/backups"));
}

// backups/<name>-<yyyyMMdd-HHmmss>.mdb, made when missing.
QString keptCopyPath(const QString& databasePath, const QDateTime& when)
{
    const QDir folder = backupFolder(databasePath);
    if (!folder.exists() && !QDir().mkpath(folder.path()))
        throw DatabaseError(
            QStringLiteral("The folder \"%1\" for backups could not be made.").arg(folder.path()));
    return folder.filePath(QFileInfo(databasePath).completeBaseName() + QLatin1Char('-') +
                           when.toString(kTakenFormat) + QStringLiteral(".mdb"));
}

bool moveOver(const QString& from, const QString& to)
{
    // One rename: the file there is the old one or the new one, never neither.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A file copied beside the database and then moved over it.
void putInPlace(const QString& from, const QString& path)
{
    const QString incoming = path + QStringLiteral(".restoring");
    QFile::remove(incoming);
    if (!QFile::copy(from, incoming) || !moveOver(incoming, path)) {
        QFile::remove(incoming);
        throw DatabaseError(
            QStringLiteral("\"%1\" could not be put in the place of \"%2\".").arg(from, path));
    }
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
    if (!moveOver(partial, path)) {
        QFile::remove(partial);
        throw DatabaseError(QStringLiteral("The copy \"%1\" could not be written.").arg(path));
    }
}

QString DatabaseBackup::keepAtStart(Connection& db, const QDateTime& when, int keep)
{
    const QString path = keptCopyPath(db.path(), when);
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

DatabaseBackup::Summary DatabaseBackup::summary(const QString& path)
{
    Connection copy;
    copy.openForReading(Connection::connectionStringFor(path));
    auto count = [&copy](const char* table) {
        const RecordSet rs(QStringLiteral("SELECT count(*) AS n FROM ") + QLatin1String(table),
                           copy);
        return rs.field(QStringLiteral("n")).toInt();
    };
    Summary summary;
    summary.teams = count("Teams");
    summary.runners = count("Runners");
    summary.meets = count("Meets");
    const QString name = QFileInfo(path).completeBaseName();
    // A kept copy's name ends in "-" and its time; any other file has only its own time.
    if (name.size() > 16 && name.at(name.size() - 16) == QLatin1Char('-'))
        summary.taken = QDateTime::fromString(name.right(15), kTakenFormat);
    if (!summary.taken.isValid())
        summary.taken = QFileInfo(path).lastModified();
    return summary;
}

QString DatabaseBackup::restore(Connection& db, const QString& copy, const QDateTime& when)
{
    const QString path = QFileInfo(db.path()).absoluteFilePath();
    if (QFileInfo(copy).absoluteFilePath() == path)
        throw DatabaseError(QStringLiteral("The open database cannot be restored from itself."));
    summary(copy);
    // Two restores within a second keep two copies; the copy being restored is never replaced.
    QDateTime at = when;
    QString kept = keptCopyPath(path, at);
    while (QFile::exists(kept))
        kept = keptCopyPath(path, at = at.addSecs(1));
    writeTo(db, kept);

    const QString connection = Connection::connectionStringFor(path);
    db.close();
    try {
        putInPlace(copy, path);
        db.open(connection);
    } catch (const DatabaseError& e) {
        putInPlace(kept, path);
        db.open(connection);
        throw DatabaseError(
            QStringLiteral("\"%1\" could not be restored: %2 The database is as it was.")
                .arg(copy, e.message()));
    }
    return kept;
}
