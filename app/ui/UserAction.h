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
};
