#include "TrackFixture.h"

#include "data/Connection.h"
#include "data/RecordSet.h"
#include "data/SqlText.h"

QString TrackFixture::quoted(const QString& text)
{
    return QLatin1Char('\'') + escapeSqlText(text) + QLatin1Char('\'');
}

qint64 TrackFixture::lastPin(const QString& table)
{
    RecordSet rs(QStringLiteral("SELECT max(Pin) AS Pin FROM ") + table, m_db);
    return rs.field(QStringLiteral("Pin")).toInt();
}

qint64 TrackFixture::count(const QString& sqlCount)
{
    RecordSet rs(sqlCount, m_db);
    return rs.eof() ? 0 : rs.field(rs.fieldNames().constFirst()).toInt();
}

qint64 TrackFixture::addTeam(const QString& school, const QString& coach, const QString& contact,
                             const QString& mascot)
{
    m_db.execute(QStringLiteral("INSERT INTO Teams (School, Coach, ContactNo, Mascot) VALUES (") +
                 quoted(school) + ',' + quoted(coach) + ',' + quoted(contact) + ',' +
                 quoted(mascot) + ')');
    return lastPin(QStringLiteral("Teams"));
}

qint64 TrackFixture::addRunner(const QString& name, qint64 team, const QString& phone,
                               const QString& address, int grade)
{
    m_db.execute(
        QStringLiteral("INSERT INTO Runners (Name, PhoneNumber, Address, Grade) VALUES (") +
        quoted(name) + ',' + quoted(phone) + ',' + quoted(address) + ',' +
        (grade ? QString::number(grade) : QStringLiteral("NULL")) + ')');
    const qint64 runner = lastPin(QStringLiteral("Runners"));
    m_db.execute(QStringLiteral("INSERT INTO Runner_to_Team (Runner_Pin, Team_Pin) VALUES (%1,%2)")
                     .arg(runner)
                     .arg(team));
    return runner;
}

qint64 TrackFixture::addMeet(qint64 team, const QString& isoDate, qint64 host, const QString& place,
                             const QString& weather)
{
    qint64 meet = 0;
    m_db.transaction([&] {
        m_db.execute(QStringLiteral("INSERT INTO Meets (Weather, MeetTime, Place, HostingTeam) "
                                    "VALUES (") +
                     quoted(weather) + ',' +
                     (isoDate.isEmpty() ? QStringLiteral("NULL") : quoted(isoDate)) + ',' +
                     quoted(place) + ',' + (host ? QString::number(host) : QStringLiteral("NULL")) +
                     ')');
        meet = lastPin(QStringLiteral("Meets"));
        m_db.execute(QStringLiteral("INSERT INTO Meet_to_Team (Meet_Pin, Team_Pin) VALUES (%1,%2)")
                         .arg(meet)
                         .arg(team));
        m_db.execute(QStringLiteral("INSERT INTO Divisions (Meet_Pin) VALUES (%1)").arg(meet));
        const qint64 division = lastPin(QStringLiteral("Divisions"));
        for (int type = 1; type <= 17; ++type) {
            m_db.execute(QStringLiteral("INSERT INTO Events (Type, Place, Division_Pin) VALUES "
                                        "(%1, 0, %2)")
                             .arg(type)
                             .arg(division));
            const qint64 event = lastPin(QStringLiteral("Events"));
            m_db.execute(
                QStringLiteral("INSERT INTO Event_to_Meet (Event_Pin, Meet_Pin) VALUES (%1,%2)")
                    .arg(event)
                    .arg(meet));
            const int slotCount = type >= 14 ? 4 : 2;
            for (int i = 0; i < slotCount; ++i)
                m_db.execute(QStringLiteral("INSERT INTO Event_to_Runner (Event_Pin, Runner_Pin) "
                                            "VALUES (%1, 0)")
                                 .arg(event));
        }
    });
    return meet;
}

QList<qint64> TrackFixture::slotPins(qint64 meet, int type)
{
    QList<qint64> pins;
    RecordSet rs(QStringLiteral("SELECT JoinPin FROM Events_View WHERE Meet_Pin = %1 AND Type = %2 "
                                "ORDER BY JoinPin")
                     .arg(meet)
                     .arg(type),
                 m_db);
    for (; !rs.eof(); rs.moveNext())
        pins << rs.field(QStringLiteral("JoinPin")).toInt();
    return pins;
}

void TrackFixture::fillSlot(qint64 joinPin, qint64 runner, double first, double second,
                            double place, double points)
{
    m_db.execute(
        QStringLiteral("UPDATE Event_to_Runner SET Runner_Pin = %1, feet = %2, Minutes = %2, "
                       "Inches = %3, Seconds = %3, Place = %4, Points = %5 WHERE Pin = %6")
            .arg(runner)
            .arg(first)
            .arg(second)
            .arg(place)
            .arg(points)
            .arg(joinPin));
}
