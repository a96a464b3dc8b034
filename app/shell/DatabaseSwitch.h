#pragma once

#include <QString>
#include <functional>

class AppContext;
class QWidget;

// Which database is open: the one the settings name, a new one made for the school, or one
// the user chooses with File, Load. What cannot be opened is told over `parent`.
class DatabaseSwitch
{
public:
    DatabaseSwitch(AppContext& app, QWidget* parent) : m_app(app), m_parent(parent) {}

    // Opens the database path, making a new database named after the school when there is no
    // path yet, and keeps a copy of it as it was at the start in backups/ beside it (the newest
    // ten). False when no database is open afterwards.
    bool openAtStart();
    // File, Load: the file dialog, then the chosen database in place of the open one, which
    // stays open when the new one cannot be. True when another database is open now.
    bool load();
    // File, Back Up...: a copy of the open database where the user chooses; true when written.
    bool backUp();
    // File, Restore...: the copy in the open database's place, the database as it was kept
    // among the copies; true when restored, which is then told.
    bool restore(const QString& copy);
    // Whether the open database is a file, which Back Up and Restore work on; a server's is
    // not, and the user is told who backs it up.
    bool isFile();
    // The database at `path` (a file, or a server address from File, Connect to Server...) in
    // place of the open one, which stays open when the new one cannot be. True when another
    // database is open now.
    bool switchTo(const QString& path);

private:
    bool open(const QString& path);
    // Asks the coach before a server database is brought up to date.
    std::function<bool()> upgradeQuestion() const;

    AppContext& m_app;
    QWidget* m_parent;
};
