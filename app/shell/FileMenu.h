#pragma once

#include "shell/RestoreWindow.h"
#include "shell/ServerConnectWindow.h"

#include <QObject>
#include <QPointer>

class AppContext;
class MainWindow;

// The File menu: Load (Ctrl+O) opens another database file, Connect to Server... a staff's
// database on a PostgreSQL server, Import Roster... brings a roster file
// into a team, Export... writes results or a roster as CSV, Publish Site... writes the team's
// website into a folder, Back Up... copies the database
// and Restore... puts a copy back in its place.
class FileMenu : public QObject
{
    Q_OBJECT
public:
    FileMenu(MainWindow& window, AppContext& app);

    // File › Restore...: the copies of the open database to choose from.
    void showRestore();
    RestoreWindow* restoreWindow() const { return m_restore; }
    // File › Connect to Server...
    void showConnect();

private:
    // Closes the other windows and puts the copy in the open database's place.
    bool restore(const QString& copy);
    // The lists of the database that is open now.
    void showDatabase();

    MainWindow& m_window;
    AppContext& m_app;
    QPointer<RestoreWindow> m_restore;
    QPointer<ServerConnectWindow> m_connect;
};
