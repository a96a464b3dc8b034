#include "RecordCreator.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/RecordSet.h"

namespace {

QString number(qint64 n)
{
    return QString::number(n);
}

} // namespace

qint64 RecordCreator::newestPin(const QString& sql)
{
    RecordSet rs(sql + QStringLiteral(" ORDER BY Pin DESC"), m_db);
    if (rs.eof())
        throw DatabaseError(QStringLiteral("The new record was not found after it was inserted."),
                            sql);
    return rs.field(QStringLiteral("Pin")).toInt();
}

qint64 RecordCreator::addLinked(const QString& insert, const QString& find, const QString& link,
                                qint64 team)
{
    m_db.execute(insert);
    const qint64 pin = newestPin(find);
    m_db.execute(link + number(pin) + QLatin1Char(',') + number(team) + QLatin1Char(')'));
    return pin;
}

qint64 RecordCreator::addTeam()
{
    qint64 team = 0;
    m_db.transaction([&] {
        m_db.execute(QStringLiteral("INSERT INTO Teams (School) VALUES ('New Team')"));
        team = newestPin(QStringLiteral("SELECT Pin FROM Teams WHERE School='New Team'"));
    });
    return team;
}

qint64 RecordCreator::addRunner(qint64 team)
{
    qint64 runner = 0;
    m_db.transaction([&] {
        runner = addLinked(
            QStringLiteral("INSERT INTO Runners (Name) VALUES ('Last,First')"),
            QStringLiteral("SELECT Pin FROM Runners WHERE Name='Last,First'"),
            QStringLiteral("INSERT INTO Runner_to_Team (Runner_Pin,Team_Pin) VALUES ("), team);
    });
    return runner;
}

qint64 RecordCreator::addMeet(qint64 team)
{
    qint64 meet = 0;
    m_db.transaction([&] {
        meet = addLinked(QStringLiteral("INSERT INTO Meets (Weather) VALUES ('New Meet')"),
                         QStringLiteral("SELECT Pin FROM Meets WHERE Weather='New Meet'"),
                         QStringLiteral("INSERT INTO Meet_to_Team (Meet_Pin,Team_Pin) VALUES ("),
                         team);

        RecordSet types(QStringLiteral("SELECT * FROM EventType"), m_db);
        for (; !types.eof(); types.moveNext()) {
            m_db.execute(QStringLiteral("INSERT INTO Events (Type, Place) VALUES (") +
                         number(types.field(QStringLiteral("Pin")).toInt()) +
                         QStringLiteral(",-1)"));
            const qint64 event = newestPin(QStringLiteral("SELECT * FROM Events where Place = -1"));
            m_db.execute(QStringLiteral("INSERT INTO Event_to_Meet (Event_Pin,Meet_Pin) VALUES (") +
                         number(event) + QLatin1Char(',') + number(meet) + QLatin1Char(')'));
            m_db.execute(QStringLiteral("UPDATE Events SET Place = 0 WHERE Place=-1"));
            const int slotCount = types.field(QStringLiteral("isRelay")).toBool() ? 4 : 2;
            for (int i = 0; i < slotCount; ++i)
                m_db.execute(
                    QStringLiteral("INSERT INTO Event_to_Runner (Event_Pin,Runner_Pin) VALUES (") +
                    number(event) + QStringLiteral(",0)"));
        }
    });
    return meet;
}
