#include "FileMenu.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

FileMenu::FileMenu(QMenuBar* bar, Actions actions) : QObject(bar)
{
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    auto add = [file, this](const QString& name, const QString& caption,
                            const std::function<void()>& action) {
        QAction* a = file->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, action);
        return a;
    };
    add(QStringLiteral("mnuLoad"), QStringLiteral("&Load"), actions.load)
        ->setShortcut(QKeySequence::Open);
    add(QStringLiteral("mnuImportRoster"), QStringLiteral("&Import Roster..."),
        actions.importRoster);
    add(QStringLiteral("mnuExport"), QStringLiteral("&Export..."), actions.exportData);
    file->addSeparator();
    add(QStringLiteral("mnuBackUp"), QStringLiteral("&Back Up..."), actions.backUp);
}
