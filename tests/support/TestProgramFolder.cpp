#include "TestProgramFolder.h"

#include "data/DatabaseError.h"
#include "data/ProgramFolder.h"
#include "data/ServerSchema.h"
#include "shell/SettingsStore.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

TestProgramFolder::TestProgramFolder()
{
    if (!m_dir.isValid())
        qFatal("cannot make a temporary program folder");
    QDir(m_dir.path()).mkpath(QStringLiteral("db"));
    copyOfBlank(QStringLiteral("Blank.mdb"));
    // The report templates and the print-and-preview component, as the build lays them out;
    // the component registers itself in a registry of the test's own when first used.
    QDir(m_dir.path()).mkpath(QStringLiteral("Templates"));
    const QDir templates(QStringLiteral(CINDREL_TEMPLATES));
    for (const QString& name : templates.entryList({QStringLiteral("*.rtf")}, QDir::Files))
        QFile::copy(templates.filePath(name), m_dir.filePath(QStringLiteral("Templates/") + name));
    QFile::link(QStringLiteral(CINDREL_PAGORA_LIBRARY),
                m_dir.filePath(QStringLiteral("libpagora.so")));
    qputenv("COMPONENT_REGISTRY", m_dir.filePath(QStringLiteral("registry.ini")).toLocal8Bit());
    QDir(m_dir.path()).mkpath(QStringLiteral("help"));
    for (const char* help : {"CindrelHelp.qch", "CindrelHelp.qhc"})
        QFile::copy(QStringLiteral(CINDREL_HELP "/") + QLatin1String(help),
                    m_dir.filePath(QStringLiteral("help/")) + QLatin1String(help));
    ProgramFolder::setPath(m_dir.path());
    SettingsStore::useFile(settingsFile());
    Dialogs::setAnswering(true);
    Dialogs::clear();
}

TestProgramFolder::~TestProgramFolder()
{
    Dialogs::clear();
    ProgramFolder::setPath(QString());
    SettingsStore::useFile(QString());
}

QString TestProgramFolder::blankDatabase()
{
    return QStringLiteral(CINDREL_BLANK_MDB);
}

QString TestProgramFolder::file(const QString& relative) const
{
    return m_dir.filePath(relative);
}

QString TestProgramFolder::settingsFile() const
{
    return m_dir.filePath(QStringLiteral("settings.ini"));
}

QString TestProgramFolder::copyOfBlank(const QString& name) const
{
    const QString target = m_dir.filePath(name);
    QFile::remove(target);
    if (!QFile::copy(blankDatabase(), target))
        qFatal("cannot copy %s", qPrintable(blankDatabase()));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

void TestProgramFolder::writeSettings(const QString& userName, const QString& school,
                                      const QString& database) const
{
    QSettings s(settingsFile(), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Settings"));
    s.setValue(QStringLiteral("UserName"), userName);
    s.setValue(QStringLiteral("School"), school);
    s.setValue(QStringLiteral("Database"), database);
    s.endGroup();
    s.sync();
}

bool TestProgramFolder::onServer()
{
    return qgetenv("CINDREL_TEST_ENGINE") == "server";
}

QString TestProgramFolder::trackDatabase(const QString& name) const
{
    return onServer() ? serverTrackDatabase() : copyOfBlank(name);
}

QString TestProgramFolder::serverTrackDatabase()
{
    const QString address = emptyServerDatabase();
    try {
        ServerSchema::create(address);
    } catch (const DatabaseError& e) {
        qFatal("cannot make a server database: %s", qPrintable(e.message()));
    }
    return address;
}

QString TestProgramFolder::emptyServerDatabase()
{
    // scripts/run-tests starts the server and names it.
    const QString server = qEnvironmentVariable("CINDREL_TEST_SERVER");
    if (server.isEmpty())
        qFatal("CINDREL_TEST_SERVER is not set: run the server tests through scripts/run-tests");
    static int made = 0;
    const QString database =
        QStringLiteral("cindrel_%1_%2").arg(QCoreApplication::applicationPid()).arg(++made);
    try {
        return ServerSchema::createDatabase(server, database);
    } catch (const DatabaseError& e) {
        qFatal("cannot make a server database: %s", qPrintable(e.message()));
    }
}
