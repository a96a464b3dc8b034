#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

class Connection;

// Creates new teams, runners and meets with their placeholder values, the way the Add
// buttons do. Each creation is one unit of work: it applies whole or not at all.
// Every method returns the new record's Pin and throws DatabaseError on failure.
class RecordCreator
{
public:
    explicit RecordCreator(Connection& db) : m_db(db) {}

    qint64 addTeam();
    // A runner of the given team.
    qint64 addRunner(qint64 team);
    // A meet of the given team with its whole sheet in each division (name and gender, "F",
    // "M" or empty): one event per event type, each with two empty result slots (four for a
    // relay). No divisions make one unnamed, mixed division.
    qint64 addMeet(qint64 team, const QList<std::pair<QString, QString>>& divisions = {});

private:
    // Inserts a placeholder row, finds it, and links it to a team with the statement that
    // `link` begins. The new row's Pin.
    qint64 addLinked(const QString& insert, const QString& find, const QString& link, qint64 team);

    Connection& m_db;
};
