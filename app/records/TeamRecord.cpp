#include "TeamRecord.h"

#include "data/Connection.h"
#include "data/NamedStatement.h"
#include "data/RecordSet.h"

std::optional<TeamRecord> TeamRecord::load(Connection& db, qint64 pin)
{
    const RecordSet rs(QStringLiteral("SELECT * From Teams WHERE Pin = ") + QString::number(pin),
                       db);
    if (rs.eof())
        return std::nullopt;
    return TeamRecord{
        pin, rs.field(QStringLiteral("School")).text(), rs.field(QStringLiteral("Coach")).text(),
        rs.field(QStringLiteral("ContactNo")).text(), rs.field(QStringLiteral("Mascot")).text()};
}

void TeamRecord::save(Connection& db) const
{
    db.transaction([&] {
        NamedStatement::execute(db, SqlDialect::Statement::TeamSave,
                                {school, coach, contact, mascot, pin});
    });
}

void TeamRecord::remove(Connection& db, qint64 pin)
{
    const QString p = QString::number(pin);
    db.transaction([&] {
        db.execute(QStringLiteral("DELETE FROM Runner_to_Team WHERE Team_Pin=") + p);
        db.execute(QStringLiteral("DELETE FROM Meet_to_Team WHERE Team_Pin=") + p);
        db.execute(QStringLiteral("DELETE FROM Teams WHERE Pin=") + p);
    });
}
