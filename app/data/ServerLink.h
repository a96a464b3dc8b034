#pragma once

#include "data/ServerAddress.h"

#include <QString>

class QSqlDatabase;
class QSqlError;

// What the program does about a server that stops answering: how long it waits, how it tells
// a lost connection from a refused statement, and what it says about either.
class ServerLink
{
public:
    // Connecting, and each statement, wait no longer than this: a window never freezes for
    // longer, whatever the network does.
    static constexpr int WaitSeconds = 5;
    // After a try to connect again that failed, the next try waits this long: the lists that
    // one click refreshes do not each wait for the server.
    static constexpr int RetryPauseMs = 2000;

    // Sets up the connection `name` to the server database at the address `text`, to be
    // opened; throws DatabaseError for an incomplete address or a missing driver.
    static ServerAddress configure(const QString& name, const QString& text);
    // Whether the connection under `db` is gone, as found by a statement that failed on it
    // with `error`.
    static bool isLost(const QSqlDatabase& db, const QSqlError& error);
    // Whether the statement was stopped because it waited too long.
    static bool timedOut(const QSqlError& error);

    // The messages for a server that could not be reached (nothing was applied), one that
    // did not answer in time, and one lost in the middle of a commit. `why` is the engine's.
    static QString unreachable(const QString& why);
    static QString tooSlow(const QString& why);
    static QString lostWhileCommitting(const QString& why);
};
