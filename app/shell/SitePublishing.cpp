#include "SitePublishing.h"

#include "records/AppContext.h"
#include "reports/ReportError.h"
#include "reports/SitePublisher.h"
#include "shell/SettingsStore.h"
#include "ui/Dialogs.h"
#include "ui/UserAction.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QGuiApplication>

bool SitePublishing::publish(QWidget* parent, AppContext& app, std::optional<qint64> team)
{
    if (!team) {
        Dialogs::tell(parent, QStringLiteral("Choose the team whose site to publish first."));
        return false;
    }
    QString start = SettingsStore::read(QStringLiteral("PublishFolder"));
    if (start.isEmpty())
        start = QDir::homePath();
    const QString folder = Dialogs::chooseFolder(
        parent, QStringLiteral("Publish the team's site into a folder"), start);
    if (folder.isEmpty())
        return false;
    SitePublisher::Published published;
    bool done = false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        done = UserAction::run(
            parent, QStringLiteral("The site was not published; the folder is as it was."), [&] {
                published = SitePublisher::publish(app.connection(), *team, std::nullopt, folder,
                                                   QDate::currentDate());
            });
    } catch (const ReportError& e) {
        QGuiApplication::restoreOverrideCursor();
        Dialogs::tell(parent, e.message(), Dialogs::Icon::Warning);
        return false;
    }
    QGuiApplication::restoreOverrideCursor();
    if (!done)
        return false;
    SettingsStore::write(QStringLiteral("PublishFolder"), folder);
    SettingsStore::sync();
    Dialogs::tell(parent, QStringLiteral("The site was published in %1: %2 pages, %3 of them "
                                         "athletes' pages. Upload the whole folder to the school's "
                                         "web server.")
                              .arg(QDir::toNativeSeparators(folder))
                              .arg(published.pages)
                              .arg(published.athletes));
    return true;
}
