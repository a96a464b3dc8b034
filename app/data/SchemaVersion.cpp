#include "SchemaVersion.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/RecordSet.h"

#include <QDir>
#include <QFile>

namespace {

QStringList stepFiles()
{
    QStringList files = QDir(QStringLiteral(":/migrations")).entryList({QStringLiteral("*.sql")});
    // "10-..." comes after "9-...".
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return a.section(QLatin1Char('-'), 0, 0).toInt() <
               b.section(QLatin1Char('-'), 0, 0).toInt();
    });
    return files;
}

} // namespace

int SchemaVersion::current()
{
    return static_cast<int>(stepFiles().size());
}

int SchemaVersion::of(Connection& db)
{
    RecordSet rs(SqlDialect::readVersion(db.engine()), db);
    return rs.eof() ? 0 : rs.field(QStringLiteral("user_version")).toInt();
}

QStringList SchemaVersion::statements(int version)
{
    const QStringList files = stepFiles();
    QFile file(QStringLiteral(":/migrations/") + files.value(version - 1));
    if (version < 1 || version > files.size() || !file.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("The program has no step to version %1 of the "
                                           "database.")
                                .arg(version));
    return split(QString::fromUtf8(file.readAll()));
}

QStringList SchemaVersion::split(const QString& script)
{
    QStringList result;
    QString statement;
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(QLatin1String("--")))
            continue;
        statement += line + QLatin1Char('\n');
        if (line.trimmed().endsWith(QLatin1Char(';'))) {
            result << statement.trimmed();
            statement.clear();
        }
    }
    return result;
}

QString SchemaVersion::backupPath(const QString& path, QDate day)
{
    const QString base = path + QStringLiteral(".bak-") + day.toString(Qt::ISODate);
    QString candidate = base;
    for (int n = 2; QFile::exists(candidate); ++n)
        candidate = base + QLatin1Char('-') + QString::number(n);
    return candidate;
}

SchemaVersion::State SchemaVersion::upgrade(Connection& db)
{
    const int version = of(db);
    if (version == current())
        return State::Current;
    if (version > current())
        return State::Newer;
    // The server's schema is made whole at the current version; its later steps will come
    // with the versions that need them.
    if (db.onServer())
        throw DatabaseError(QStringLiteral("The database \"%1\" is of an older version of "
                                           "Cindrel, which this program cannot bring up to date.")
                                .arg(db.path()));
    // The copy is taken before anything changes, while no transaction of ours is open.
    const QString backup = backupPath(db.path(), QDate::currentDate());
    if (!QFile::copy(db.path(), backup))
        throw DatabaseError(QStringLiteral("The database \"%1\" must be brought up to date, but "
                                           "its copy \"%2\" could not be written first, so it "
                                           "was left as it is.")
                                .arg(db.path(), backup));
    db.transaction([&] {
        for (int step = version + 1; step <= current(); ++step)
            for (const QString& sql : statements(step))
                db.execute(sql);
        db.execute(SqlDialect::writeVersion(db.engine(), current()));
    });
    return State::Upgraded;
}
