#include "SitePublisher.h"

#include "data/DatabaseError.h"
#include "records/TopMarks.h"
#include "reports/ReportError.h"
#include "reports/SitePages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>

namespace {

void writeAll(const QString& folder, const QMap<QString, QByteArray>& files)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = folder + QLatin1Char('/') + it.key();
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(*it) != it->size() || !file.flush())
            throw ReportError(QStringLiteral("The page %1 could not be written: %2")
                                  .arg(it.key(), file.errorString()));
    }
}

// The folder is new, empty, or one Cindrel wrote.
void checkReplaceable(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        return;
    if (dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) ||
        dir.exists(SitePublisher::markName()))
        return;
    throw ReportError(QStringLiteral("The folder %1 holds files Cindrel did not write; nothing was "
                                     "published. Choose an empty folder, or the one the site was "
                                     "published to before.")
                          .arg(QDir::toNativeSeparators(folder)));
}

// The new pages take the old ones' place in one step where the file system can, so that a web
// server never shows a folder half old and half new.
void swapInto(const QString& written, const QString& folder)
{
    const QByteArray from = QFile::encodeName(written), to = QFile::encodeName(folder);
    if (!QFileInfo::exists(folder)) {
        if (std::rename(from.constData(), to.constData()) != 0)
            throw ReportError(QStringLiteral("The site could not be put in %1.")
                                  .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    if (renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0)
        return;
    // Without an exchange: the old folder aside, the new one in, the old one back on failure.
    const QString aside = written + QStringLiteral(".old");
    const QByteArray asideName = QFile::encodeName(aside);
    if (std::rename(to.constData(), asideName.constData()) != 0)
        throw ReportError(QStringLiteral("The folder %1 could not be replaced.")
                              .arg(QDir::toNativeSeparators(folder)));
    if (std::rename(from.constData(), to.constData()) != 0) {
        std::rename(asideName.constData(), to.constData());
        throw ReportError(QStringLiteral("The folder %1 could not be replaced.")
                              .arg(QDir::toNativeSeparators(folder)));
    }
    QDir(aside).removeRecursively();
    QDir().mkpath(written);
}

} // namespace

QString SitePublisher::markName()
{
    return QStringLiteral(".cindrel-site");
}

SitePublisher::Published SitePublisher::publish(Connection& db, qint64 team,
                                                std::optional<int> season, const QString& folder,
                                                QDate today)
{
    const QString target = QFileInfo(folder).absoluteFilePath();
    checkReplaceable(target);
    SiteData data;
    SitePages::Lists lists;
    try {
        data = SiteData::read(db, team, season);
        lists.records = TopMarks::read(db, team, std::nullopt, 1);
        lists.topTen = TopMarks::read(db, team, std::nullopt, 10);
        lists.byGrade = TopMarks::read(db, team, std::nullopt, 1, true);
        for (const int year : data.seasons)
            if (!season || year == *season)
                lists.leaders.insert(year, TopMarks::read(db, team, year, 10));
    } catch (const DatabaseError& e) {
        throw ReportError(QStringLiteral("The site's data cannot be read: ") + e.message());
    }
    QMap<QString, QByteArray> files = SitePages(data, lists, today).build();
    files.insert(markName(), QByteArrayLiteral("A team website written by Cindrel. Publishing "
                                               "again replaces this folder whole.\n"));

    const QFileInfo where(target);
    if (!QDir().mkpath(where.path()))
        throw ReportError(QStringLiteral("The folder %1 could not be made.")
                              .arg(QDir::toNativeSeparators(where.path())));
    // Beside the folder, on the same file system, so that it can take the folder's place.
    QTemporaryDir written(where.path() + QLatin1Char('/') + where.fileName() +
                          QStringLiteral(".publishing-XXXXXX"));
    if (!written.isValid())
        throw ReportError(QStringLiteral("Nothing could be written beside %1: %2")
                              .arg(QDir::toNativeSeparators(target), written.errorString()));
    writeAll(written.path(), files);
    QFile::setPermissions(written.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                              QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                              QFileDevice::ExeOther);
    swapInto(written.path(), target);
    // The temporary folder now holds the old site, which goes with it.
    Published published;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        if (it.key().endsWith(QLatin1String(".html"))) {
            ++published.pages;
            if (it.key().startsWith(QLatin1String("athletes/")))
                ++published.athletes;
        }
    return published;
}
