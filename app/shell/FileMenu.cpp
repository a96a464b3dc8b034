#include "FileMenu.h"

#include "editors/EntriesSave.h"
#include "editors/ProgramWindows.h"
#include "records/AppContext.h"
#include "shell/DatabaseSwitch.h"
#include "shell/MainWindow.h"
#include "shell/RestoreWindow.h"
#include "shell/SitePublishing.h"
#include "ui/KeyedList.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

FileMenu::FileMenu(MainWindow& window, AppContext& app)
    : QObject(&window), m_window(window), m_app(app)
{
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    auto add = [file, this](const QString& name, const QString& caption, auto action) {
        QAction* a = file->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, action);
        return a;
    };
    add(QStringLiteral("mnuLoad"), QStringLiteral("&Load"), [this] {
        m_window.loadDatabase();
        // Its copies are of the database that was open.
        if (m_restore)
            m_restore->hide();
    })->setShortcut(QKeySequence::Open);
    add(QStringLiteral("mnuConnectServer"), QStringLiteral("Connect to &Server..."),
        [this] { showConnect(); });
    add(QStringLiteral("mnuImportRoster"), QStringLiteral("&Import Roster..."), [this] {
        m_window.windows().importRoster(m_window.schoolList()->selectedPin().value_or(0));
    });
    add(QStringLiteral("importResults"), QStringLiteral("Import Re&sults..."), [this] {
        m_window.windows().importResults(m_window.schoolList()->selectedPin().value_or(0),
                                         m_window.meetList()->selectedPin());
    });
    add(QStringLiteral("exportEntries"), QStringLiteral("Export E&ntries..."),
        [this] { EntriesSave::save(&m_window, m_app, m_window.meetList()->selectedPin()); });
    add(QStringLiteral("mnuExport"), QStringLiteral("&Export..."), [this] {
        m_window.windows().exportData(m_window.schoolList()->selectedPin(),
                                      m_window.meetList()->selectedPin());
    });
    add(QStringLiteral("publishSite"), QStringLiteral("&Publish Site..."), [this] {
        SitePublishing::publish(&m_window, m_app, m_window.schoolList()->selectedPin());
    });
    file->addSeparator();
    add(QStringLiteral("mnuBackUp"), QStringLiteral("&Back Up..."),
        [this] { DatabaseSwitch(m_app, &m_window).backUp(); });
    add(QStringLiteral("mnuRestore"), QStringLiteral("&Restore..."), [this] { showRestore(); });
}

void FileMenu::showRestore()
{
    if (!m_app.connection().isOpen() || !DatabaseSwitch(m_app, &m_window).isFile())
        return;
    if (!m_restore)
        m_restore =
            new RestoreWindow(&m_window, [this](const QString& copy) { return restore(copy); });
    m_restore->build(m_app.databasePath());
    ProgramWindows::present(m_restore);
}

bool FileMenu::restore(const QString& copy)
{
    // An editor open on the database as it was would save into the restored one.
    if (!m_window.closeOtherWindows() || !DatabaseSwitch(m_app, &m_window).restore(copy))
        return false;
    showDatabase();
    return true;
}

void FileMenu::showConnect()
{
    if (!m_connect)
        m_connect = new ServerConnectWindow(&m_window, [this](const QString& address) {
            // An editor open on the other database would save into this one.
            if (!m_window.closeOtherWindows() ||
                !DatabaseSwitch(m_app, m_connect.data()).switchTo(address))
                return false;
            if (m_restore)
                m_restore->hide();
            showDatabase();
            return true;
        });
    m_connect->build(m_app.databasePath());
    ProgramWindows::present(m_connect);
}

void FileMenu::showDatabase()
{
    m_window.buildSchoolList();
    m_window.buildMeetList();
}
