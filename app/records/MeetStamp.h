#pragma once

#include <QString>
#include <QtGlobal>

class Connection;
class DatabaseError;

// Who last saved a meet and when, kept in the meet's row: a save claims the meet with its own
// stamp, so that two coaches never save over each other, and the stamp tells afterwards
// whether a save whose answer was lost went through.
class MeetStamp
{
public:
    // A new stamp: the time to the millisecond.
    static QString now();
    // Stamps the meet as saved by `by` at `stamp`, when it still holds the stamp it was loaded
    // with. Throws MeetChangedError when another save came first, and DatabaseError when the
    // meet is gone.
    static void claim(Connection& db, qint64 meet, const QString& by, const QString& stamp,
                      const QString& loadedWith);
    // Whether a save whose answer the server never gave went through: the meet holds its
    // stamp. False while the server still cannot be reached; throws nothingSaved() when it is
    // back without the stamp.
    static bool wentThrough(Connection& db, qint64 meet, const QString& stamp);
    // What a coach is told when the server was lost before a save could apply.
    static DatabaseError nothingSaved(const QString& statement);
};
