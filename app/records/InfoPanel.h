#pragma once

#include <QString>
#include <optional>

class Connection;

// The main window's info panel: the text for the team, runner, meet or event type clicked,
// each line a caption, its blanks and a value, the lines joined by CR LF. Nothing when the
// record is gone. Throws DatabaseError when the database refuses a query.
class InfoPanel
{
public:
    static std::optional<QString> team(Connection& db, qint64 team);
    static std::optional<QString> runner(Connection& db, qint64 runner);
    static std::optional<QString> meet(Connection& db, qint64 meet);
    // The best real mark of an event type (in one season, when one is given), or a sentence
    // saying there is none yet.
    static QString event(Connection& db, qint64 type, const QString& eventName,
                         std::optional<int> season = {});
};
