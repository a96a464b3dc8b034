#include "DatabaseSwitch.h"

#include "data/DatabaseBackup.h"
#include "data/DatabaseFiles.h"
#include "data/SchemaVersion.h"
#include "data/ServerAddress.h"
#include "records/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/UserAction.h"

#include <QDate>
#include <QFileInfo>

bool DatabaseSwitch::openAtStart()
{
    if (m_app.databasePath().isEmpty())
        UserAction::run(m_parent, QStringLiteral("No new database could be made."), [&] {
            m_app.setDatabasePath(DatabaseFiles::makeNewDatabase(m_app.school()));
        });
    if (m_app.databasePath().isEmpty() || !open(m_app.databasePath()))
        return false;
    // A server keeps its own backups, by its administrator's tools.
    if (!m_app.connection().readOnly() && !m_app.connection().onServer())
        UserAction::run(
            m_parent,
            QStringLiteral("The copy of the database kept at each start could not be "
                           "made; the database itself is open as usual."),
            [&] { DatabaseBackup::keepAtStart(m_app.connection(), QDateTime::currentDateTime()); });
    return true;
}

namespace {

// A path or a server address as messages show it: never with a password.
QString shown(const QString& path)
{
    const std::optional<ServerAddress> address = ServerAddress::parse(path);
    return address ? address->display() : path;
}

} // namespace

bool DatabaseSwitch::isFile()
{
    if (!m_app.connection().onServer())
        return true;
    Dialogs::tell(m_parent,
                  QStringLiteral("A database on a server is backed up and restored by the "
                                 "server's own tools (pg_dump and pg_restore), by whoever "
                                 "looks after it."),
                  Dialogs::Icon::Information);
    return false;
}

bool DatabaseSwitch::backUp()
{
    if (!m_app.connection().isOpen() || !isFile())
        return false;
    const QFileInfo open(m_app.databasePath());
    const QString path = Dialogs::saveFile(
        m_parent, QStringLiteral("Back Up"), QStringLiteral("Cindrel Databases (*.mdb)"),
        open.completeBaseName() + QDate::currentDate().toString(QStringLiteral("-yyyy-MM-dd")) +
            QStringLiteral(".mdb"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).absoluteFilePath() == open.absoluteFilePath()) {
        Dialogs::tell(m_parent, QStringLiteral("A backup cannot replace the open database."),
                      Dialogs::Icon::Warning);
        return false;
    }
    if (!UserAction::run(m_parent, QStringLiteral("No backup was written."),
                         [&] { DatabaseBackup::writeTo(m_app.connection(), path); }))
        return false;
    Dialogs::tell(m_parent, QStringLiteral("The database was backed up to \"%1\".").arg(path));
    return true;
}

bool DatabaseSwitch::restore(const QString& copy)
{
    if (!isFile())
        return false;
    QString kept;
    if (!UserAction::run(m_parent, QStringLiteral("The database was not restored."), [&] {
            kept = DatabaseBackup::restore(m_app.connection(), copy, QDateTime::currentDateTime());
        }))
        return false;
    Dialogs::tell(m_parent, QStringLiteral("The database was restored from \"%1\". The database "
                                           "as it was is kept as \"%2\".")
                                .arg(copy, kept));
    return true;
}

bool DatabaseSwitch::open(const QString& path)
{
    // A server may want the password that was not kept: it is typed again to connect.
    const QString what = ServerAddress::isServerAddress(path)
                             ? QStringLiteral("The database \"%1\" could not be opened. Use "
                                              "File, Connect to Server to connect to it again, "
                                              "or File, Load to choose a database file.")
                             : QStringLiteral("The database \"%1\" could not be opened. Use "
                                              "File, Load to choose another database.");
    if (!UserAction::run(m_parent, what.arg(shown(path)), [&] {
            m_app.connection().open(Connection::connectionStringFor(path), upgradeQuestion());
        }))
        return false;
    Connection& db = m_app.connection();
    if (db.readOnly()) {
        // A database of a later program, or one the server lets this coach only read.
        const bool newer = !db.onServer() || SchemaVersion::of(db) > SchemaVersion::current();
        Dialogs::tell(m_parent,
                      (newer ? QStringLiteral("The database \"%1\" was written by a newer version "
                                              "of Cindrel. ")
                             : QStringLiteral("Your role on the server may only read the database "
                                              "\"%1\". "))
                              .arg(path) +
                          QStringLiteral("It is open for reading and printing only: changes "
                                         "cannot be saved in it."),
                      Dialogs::Icon::Warning);
    }
    return true;
}

std::function<bool()> DatabaseSwitch::upgradeQuestion() const
{
    return [parent = m_parent] {
        return Dialogs::ask(parent, QStringLiteral("The database on the server was made by an "
                                                   "older version of Cindrel. Bring it up to date "
                                                   "now? A copy of its tables is kept beside "
                                                   "them first; older versions of Cindrel cannot "
                                                   "open it afterwards."));
    };
}

bool DatabaseSwitch::load()
{
    // The folder where the program keeps the coach's databases.
    const QString chosen = Dialogs::openFile(
        m_parent, QStringLiteral("Open Stats File"), QStringLiteral("Cindrel Databases (*.mdb)"),
        DatabaseFiles::databaseFolder() + QLatin1String("/*.mdb"));
    if (chosen.isEmpty() || chosen.contains(QLatin1Char('*')))
        return false;

    return switchTo(chosen);
}

bool DatabaseSwitch::switchTo(const QString& path)
{
    // Open the new database beside the old one first: when it fails, the old one stays open.
    Connection probe;
    if (!UserAction::run(
            m_parent,
            QStringLiteral("The database \"%1\" could not be opened. The database "
                           "\"%2\" stays open.")
                .arg(shown(path), m_app.databasePath()),
            [&] { probe.open(Connection::connectionStringFor(path), upgradeQuestion()); }))
        return false;
    probe.close();

    const QString previous = m_app.databasePath();
    m_app.connection().close();
    if (!open(path)) {
        if (!previous.isEmpty())
            open(previous);
        return false;
    }
    // A server's address is kept without its password.
    m_app.setDatabasePath(m_app.connection().onServer() ? m_app.connection().path()
                                                        : QFileInfo(path).absoluteFilePath());
    return true;
}
