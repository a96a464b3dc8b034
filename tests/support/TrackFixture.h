#pragma once

#include <QList>
#include <QString>

class Connection;

// Builds track data for tests through the program's own data layer.
class TrackFixture
{
public:
    explicit TrackFixture(Connection& connection) : m_db(connection) {}

    Connection& connection() { return m_db; }

    qint64 addTeam(const QString& school, const QString& coach = {}, const QString& contact = {},
                   const QString& mascot = {});
    qint64 addRunner(const QString& name, qint64 team, const QString& phone = {},
                     const QString& address = {}, int grade = 0);
    // A meet of a team with its whole sheet: every event type, 2 slots (4 for a relay).
    // An empty date leaves MeetTime null; host 0 leaves the meet without a host.
    qint64 addMeet(qint64 team, const QString& isoDate = {}, qint64 host = 0,
                   const QString& place = {}, const QString& weather = QStringLiteral("Sunny"));
    // The join pins of a meet's slots of one event type, in slot order.
    QList<qint64> slotPins(qint64 meet, int type);
    void fillSlot(qint64 joinPin, qint64 runner, double first, double second, double place = 0,
                  double points = 0);
    qint64 count(const QString& sqlCount);

private:
    qint64 lastPin(const QString& table);
    static QString quoted(const QString& text);

    Connection& m_db;
};
