#include "UserAction.h"

#include "data/DatabaseError.h"
#include "ui/Dialogs.h"

#include <QDeadlineTimer>

namespace {

void tell(QWidget* parent, const QString& what, const DatabaseError& e)
{
    // One click refreshes several lists: a server that cannot be reached is told once for all.
    static QDeadlineTimer quiet;
    const bool unreachable = e.kind() == DatabaseError::Kind::Unreachable;
    if (unreachable && !quiet.hasExpired())
        return;
    // `what` says what became of the data; after a server lost in the middle of a commit, only
    // the error can say it.
    const QString text = e.kind() == DatabaseError::Kind::Uncertain
                             ? e.message()
                             : what + QLatin1String("\n\n") + e.message();
    Dialogs::tell(parent, text, Dialogs::Icon::Warning);
    if (unreachable)
        quiet.setRemainingTime(1000);
}

} // namespace

bool UserAction::run(QWidget* parent, const QString& what, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const DatabaseError& e) {
        tell(parent, what, e);
        return false;
    }
}

void UserAction::check(QWidget* parent, const QString& what, const std::function<void()>& action)
{
    try {
        action();
    } catch (const DatabaseError& e) {
        if (e.kind() != DatabaseError::Kind::Unreachable)
            tell(parent, what, e);
    }
}

bool UserAction::runRetrying(QWidget* parent, const QString& what,
                             const std::function<void()>& action)
{
    for (;;) {
        try {
            action();
            return true;
        } catch (const DatabaseError& e) {
            if (e.kind() != DatabaseError::Kind::Unreachable) {
                tell(parent, what, e);
                return false;
            }
            if (!Dialogs::ask(parent, e.message() + QLatin1String(" Try again?")))
                return false;
        }
    }
}
