#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

class Connection;

// What the main window's four lists and the pickers show, each item a Pin and its text.
// Throws DatabaseError when the database refuses a query.
class TrackLists
{
public:
    struct Item
    {
        qint64 pin;
        QString text;
    };

    // Every team, in the database's own order.
    static QList<Item> teams(Connection& db);
    // A team's runners, by name; without graduates, those whose class has graduated are left
    // out; with a gender ("F" or "M"), only the runners known to be of it.
    static QList<Item> runners(Connection& db, qint64 team, bool graduates = true,
                               const QString& gender = {});
    // A team's meets, by date ("(no date)" last): date, host, and the place when there is one;
    // of one season only when one is given.
    static QList<Item> meets(Connection& db, qint64 team, std::optional<int> season = {});
    // The gender ("F" or "M") of each of a team's runners that has one, by Pin.
    static QHash<qint64, QString> genders(Connection& db, qint64 team);
    // A meet's divisions in their order: the name, "Division N" for one without, and the
    // gender ("Girls Varsity (Girls)").
    static QList<Item> divisions(Connection& db, qint64 meet);
    // The years that have a meet, newest first.
    static QList<int> seasons(Connection& db);
    static QList<Item> eventTypes(Connection& db);
};
