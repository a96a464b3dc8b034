#pragma once

#include "data/Connection.h"
#include "records/Scoring.h"

#include <QString>

// What the program shares for the whole run: the user's name and school, the open database,
// and the scoring table.
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

    // How the meet sheet fills points from places.
    Scoring::Table scoring() const { return m_scoring; }
    void setScoring(Scoring::Table table) { m_scoring = table; }

private:
    QString m_userName;
    QString m_school;
    QString m_databasePath;
    Connection m_connection;
    Scoring::Table m_scoring = Scoring::Table::None;
};
