#pragma once

#include <QList>
#include <QString>

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
    // A team's runners, by name.
    static QList<Item> runners(Connection& db, qint64 team);
    // A team's meets, by date ("(no date)" last): date, host, and the place when there is one.
    static QList<Item> meets(Connection& db, qint64 team);
    static QList<Item> eventTypes(Connection& db);
};
