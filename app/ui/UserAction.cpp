#include "UserAction.h"

#include "data/DatabaseError.h"
#include "ui/Dialogs.h"

bool UserAction::run(QWidget* parent, const QString& what, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const DatabaseError& e) {
        Dialogs::tell(parent, what + QLatin1String("\n\n") + e.message(), Dialogs::Icon::Warning);
        return false;
    }
}
