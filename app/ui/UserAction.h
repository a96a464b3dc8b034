#pragma once

#include <QString>
#include <functional>

class QWidget;

// The one way a window runs what the user asked for against the database: what the database
// refuses is told as `what` (the action, and what became of the data) and the engine's reason.
class UserAction
{
public:
    // False, after telling the user, when the database refused the action.
    static bool run(QWidget* parent, const QString& what, const std::function<void()>& action);
    // The same for a check made before an action that will reach the database itself: when the
    // server cannot be reached, the check is left out without a word, as the action will tell.
    static void check(QWidget* parent, const QString& what, const std::function<void()>& action);
    // The same for an action that applies whole or not at all: when the server could not be
    // reached, the user is asked whether to try again, and the action runs again on a yes.
    static bool runRetrying(QWidget* parent, const QString& what,
                            const std::function<void()>& action);
};
