#pragma once

#include "data/Connection.h"

#include <QString>

// What the program shares for the whole run: the user's name and school, and the open
// database.
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

private:
    QString m_userName;
    QString m_school;
    QString m_databasePath;
    Connection m_connection;
};
