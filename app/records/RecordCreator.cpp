#include "RecordCreator.h"

#include "data/Connection.h"
#include "data/RecordSet.h"
#include "records/MeetSheetStore.h"

namespace {

QString number(qint64 n)
{
    return QString::number(n);
}

} // namespace

qint64 RecordCreator::addLinked(const QString& insert, const QString& find, const QString& link,
                                qint64 team)
{
    const qint64 pin = m_db.newRow(insert, find);
    m_db.execute(link + number(pin) + QLatin1Char(',') + number(team) + QLatin1Char(')'));
    return pin;
}

qint64 RecordCreator::addTeam()
{
    qint64 team = 0;
    m_db.transaction([&] {
        team = m_db.newRow(QStringLiteral("INSERT INTO Teams (School) VALUES ('New Team')"),
                           QStringLiteral("SELECT Pin FROM Teams WHERE School='New Team'"));
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

qint64 RecordCreator::addMeet(qint64 team, const QList<std::pair<QString, QString>>& divisions)
{
    qint64 meet = 0;
    m_db.transaction([&] {
        meet = addLinked(QStringLiteral("INSERT INTO Meets (Weather) VALUES ('New Meet')"),
                         QStringLiteral("SELECT Pin FROM Meets WHERE Weather='New Meet'"),
                         QStringLiteral("INSERT INTO Meet_to_Team (Meet_Pin,Team_Pin) VALUES ("),
                         team);

        RecordSet types(SqlDialect::text(SqlDialect::Statement::EventTypes, m_db.engine()), m_db);
        for (; !types.eof(); types.moveNext()) {
            const qint64 event = m_db.newRow(
                QStringLiteral("INSERT INTO Events (Type, Place) VALUES (") +
                    number(types.field(QStringLiteral("Pin")).toInt()) + QStringLiteral(",-1)"),
                QStringLiteral("SELECT * FROM Events where Place = -1"));
            m_db.execute(QStringLiteral("INSERT INTO Event_to_Meet (Event_Pin,Meet_Pin) VALUES (") +
                         number(event) + QLatin1Char(',') + number(meet) + QLatin1Char(')'));
            m_db.execute(QStringLiteral("UPDATE Events SET Place = 0 WHERE Place=-1"));
            const int slotCount = types.field(QStringLiteral("isRelay")).toBool() ? 4 : 2;
            for (int i = 0; i < slotCount; ++i)
                m_db.execute(
                    QStringLiteral("INSERT INTO Event_to_Runner (Event_Pin,Runner_Pin) VALUES (") +
                    number(event) + QStringLiteral(",0)"));
        }
        // The events just made are the first division's; each further one gets its own.
        const std::pair<QString, QString> first = divisions.value(0);
        const qint64 division =
            MeetSheetStore::addDivision(m_db, meet, first.first, first.second, 0);
        m_db.execute(QStringLiteral("UPDATE Events SET Division_Pin = ? WHERE Pin IN (SELECT "
                                    "Event_Pin FROM Event_to_Meet WHERE Meet_Pin = ?)"),
                     {division, meet});
        for (int d = 1; d < divisions.size(); ++d) {
            Division more;
            more.pin =
                MeetSheetStore::addDivision(m_db, meet, divisions[d].first, divisions[d].second, d);
            MeetSheetStore::addEvents(m_db, meet, more);
        }
    });
    return meet;
}
