#pragma once

#include "data/Connection.h"
#include "records/Scoring.h"
#include "records/UsualDivisions.h"

#include <QString>
#include <optional>

// What the program shares for the whole run: the user's name and school, the open database,
// the scoring table, and what the lists show (the season, graduates).
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

    // The season the main window shows, and the event report prints; none for every season.
    std::optional<int> season() const { return m_season; }
    void setSeason(std::optional<int> season) { m_season = season; }
    // Runners whose class has graduated are listed only when asked for.
    bool showGraduates() const { return m_showGraduates; }
    void setShowGraduates(bool show) { m_showGraduates = show; }
    // The divisions Add Meet makes (Options › Divisions).
    UsualDivisions::List usualDivisions() const { return m_usualDivisions; }
    void setUsualDivisions(const UsualDivisions::List& divisions) { m_usualDivisions = divisions; }
    // The runner list shows girls ("F"), boys ("M"), or everyone (empty).
    QString runnerGender() const { return m_runnerGender; }
    void setRunnerGender(const QString& gender) { m_runnerGender = gender; }

private:
    QString m_userName;
    QString m_school;
    QString m_databasePath;
    Connection m_connection;
    Scoring::Table m_scoring = Scoring::Table::None;
    std::optional<int> m_season;
    bool m_showGraduates = false;
    QString m_runnerGender;
    UsualDivisions::List m_usualDivisions;
};
