#pragma once

#include "data/Connection.h"
#include "shell/WindowRegistry.h"

#include <QString>

// What every window of the program shares for the whole run: the user's name and school,
// the open database, and the registry of loaded windows.
class AppContext
{
public:
    QString userName() const { return m_userName; }
    void setUserName(const QString& name) { m_userName = name; }
    QString school() const { return m_school; }
    void setSchool(const QString& school) { m_school = school; }
    QString databasePath() const { return m_databasePath; }
    void setDatabasePath(const QString& path) { m_databasePath = path; }
    QString connectionString() const;

    Connection& connection() { return m_connection; }
    WindowRegistry& windows() { return m_windows; }

private:
    QString m_userName;
    QString m_school;
    QString m_databasePath;
    Connection m_connection;
    WindowRegistry m_windows;
};
