#include "MeetStamp.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/RecordSet.h"
#include "records/MeetChangedError.h"

#include <QDateTime>

QString MeetStamp::now()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

void MeetStamp::claim(Connection& db, qint64 meet, const QString& by, const QString& stamp,
                      const QString& loadedWith)
{
    // A second save of the same meet waits here for the first to end, and then finds the
    // stamp changed.
    if (db.execute(QStringLiteral("UPDATE Meets SET ChangedBy = ?, ChangedAt = ? WHERE Pin = ? "
                                  "AND coalesce(ChangedAt, '') = ?"),
                   {by, stamp, meet, loadedWith}) == 1)
        return;
    const RecordSet other(QStringLiteral("SELECT ChangedBy, ChangedAt FROM Meets WHERE Pin = ?"),
                          {meet}, db);
    if (other.eof())
        throw DatabaseError(QStringLiteral("This meet is no longer in the database."));
    throw MeetChangedError(
        other.field(QStringLiteral("ChangedBy")).text(),
        Field::fromSqlValue(other.field(QStringLiteral("ChangedAt")).text(), true).toDateTime());
}

bool MeetStamp::wentThrough(Connection& db, qint64 meet, const QString& stamp)
{
    bool stamped = false;
    try {
        const RecordSet rs(QStringLiteral("SELECT ChangedAt FROM Meets WHERE Pin = ?"), {meet}, db);
        stamped = !rs.eof() && rs.field(QStringLiteral("ChangedAt")).text() == stamp;
    } catch (const DatabaseError&) {
        return false;
    }
    if (!stamped)
        throw nothingSaved({});
    return true;
}

DatabaseError MeetStamp::nothingSaved(const QString& statement)
{
    return DatabaseError(QStringLiteral("The server could not be reached; nothing of this meet "
                                        "was saved."),
                         statement, DatabaseError::Kind::Unreachable);
}
