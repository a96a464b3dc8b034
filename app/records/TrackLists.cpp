#include "TrackLists.h"

#include "data/Connection.h"
#include "data/RecordSet.h"
#include "records/Division.h"
#include "records/Gender.h"
#include "records/MeetSheetStore.h"
#include "records/SchoolYear.h"

#include <QDateTime>
#include <algorithm>

QList<TrackLists::Item> TrackLists::teams(Connection& db)
{
    QList<Item> items;
    for (RecordSet rs(SqlDialect::text(SqlDialect::Statement::Teams, db.engine()), db); !rs.eof();
         rs.moveNext())
        items.append(
            {rs.field(QStringLiteral("Pin")).toInt(), rs.field(QStringLiteral("School")).text()});
    return items;
}

QList<TrackLists::Item> TrackLists::runners(Connection& db, qint64 team, bool graduates,
                                            const QString& gender)
{
    QList<Item> items;
    const QDate today = QDate::currentDate();
    const QHash<qint64, QString> known =
        gender.isEmpty() ? QHash<qint64, QString>() : genders(db, team);
    for (RecordSet rs(SqlDialect::text(SqlDialect::Statement::TeamRunners, db.engine()).arg(team),
                      db);
         !rs.eof(); rs.moveNext()) {
        const Field classOf = rs.field(QStringLiteral("ClassOf"));
        if (!graduates && !classOf.isNull() &&
            SchoolYear::graduated(static_cast<int>(classOf.toInt()), today))
            continue;
        if (!gender.isEmpty() && known.value(rs.field(QStringLiteral("Pin")).toInt()) != gender)
            continue;
        items.append(
            {rs.field(QStringLiteral("Pin")).toInt(), rs.field(QStringLiteral("Name")).text()});
    }
    // By name, so that a saved runner keeps its place in the list.
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        return QString::localeAwareCompare(a.text, b.text) < 0;
    });
    return items;
}

QList<TrackLists::Item> TrackLists::meets(Connection& db, qint64 team, std::optional<int> season)
{
    struct Meet
    {
        QDateTime when;
        Item item;
    };
    QList<Meet> meets;
    for (RecordSet rs(SqlDialect::text(SqlDialect::Statement::TeamMeetsList, db.engine()).arg(team),
                      db);
         !rs.eof(); rs.moveNext()) {
        const Field time = rs.field(QStringLiteral("MeetTime"));
        if (season && time.toDateTime().date().year() != *season)
            continue;
        QString text = (time.text().isEmpty() ? QStringLiteral("(no date)") : time.text()) +
                       QLatin1Char(' ') + rs.field(QStringLiteral("HostingSchool")).text();
        const Field place = rs.field(QStringLiteral("Place"));
        if (!place.text().isEmpty() && place.text() != QLatin1String("0"))
            text += QLatin1Char(' ') + place.text();
        meets.append({time.toDateTime(), {rs.field(QStringLiteral("Meet_Pin")).toInt(), text}});
    }
    // In date order, whatever text form an older file keeps its dates in.
    std::stable_sort(meets.begin(), meets.end(), [](const Meet& a, const Meet& b) {
        if (a.when.isValid() != b.when.isValid())
            return a.when.isValid();
        return a.when < b.when;
    });
    QList<Item> items;
    for (const Meet& m : meets)
        items.append(m.item);
    return items;
}

QList<int> TrackLists::seasons(Connection& db)
{
    QList<int> years;
    // ISO dates give their year in SQL; the few dates an older file keeps otherwise are read.
    for (RecordSet rs(SqlDialect::text(SqlDialect::Statement::IsoSeasons, db.engine()), db);
         !rs.eof(); rs.moveNext())
        years << static_cast<int>(rs.field(QStringLiteral("Year")).toInt());
    for (RecordSet rs(SqlDialect::text(SqlDialect::Statement::OtherMeetDates, db.engine()), db);
         !rs.eof(); rs.moveNext()) {
        const QDate day = rs.field(QStringLiteral("MeetTime")).toDateTime().date();
        if (day.isValid() && !years.contains(day.year()))
            years << day.year();
    }
    std::sort(years.begin(), years.end(), std::greater<>());
    return years;
}

QList<TrackLists::Item> TrackLists::eventTypes(Connection& db)
{
    QList<Item> items;
    for (RecordSet rs(SqlDialect::text(SqlDialect::Statement::EventTypes, db.engine()), db);
         !rs.eof(); rs.moveNext())
        items.append(
            {rs.field(QStringLiteral("Pin")).toInt(), rs.field(QStringLiteral("Name")).text()});
    return items;
}

QHash<qint64, QString> TrackLists::genders(Connection& db, qint64 team)
{
    QHash<qint64, QString> result;
    for (RecordSet rs(QStringLiteral("SELECT Runners.Pin AS Pin, Runners.Gender AS Gender FROM "
                                     "Runners JOIN Runner_to_Team ON Runner_to_Team.Runner_Pin = "
                                     "Runners.Pin WHERE Runner_to_Team.Team_Pin = ?"),
                      {team}, db);
         !rs.eof(); rs.moveNext())
        if (const QString gender = Gender::of(rs.field(QStringLiteral("Gender")).text());
            !gender.isEmpty())
            result.insert(rs.field(QStringLiteral("Pin")).toInt(), gender);
    return result;
}

QList<TrackLists::Item> TrackLists::divisions(Connection& db, qint64 meet)
{
    QList<Item> items;
    for (const Division& division : MeetSheetStore::divisionsOf(db, meet))
        items.append({division.pin, division.caption(static_cast<int>(items.size()))});
    return items;
}
