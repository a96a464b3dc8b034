#include "HandTimesMenu.h"

#include "records/HandTimes.h"
#include "shell/SettingsStore.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

void HandTimesMenu::readSetting()
{
    HandTimes::setRule(HandTimes::fromKey(SettingsStore::read(QStringLiteral("HandTimes"))));
}

HandTimesMenu::HandTimesMenu(QMenuBar* bar) : QObject(bar)
{
    readSetting();
    QMenu* options = bar->findChild<QMenu*>(QStringLiteral("mnuOptions"));
    if (!options)
        options = bar->addMenu(QStringLiteral("&Options"));
    QMenu* menu = options->addMenu(QStringLiteral("&Hand Times"));
    menu->setObjectName(QStringLiteral("mnuHandTimes"));
    auto* group = new QActionGroup(this);
    for (const HandTimes::Rule rule : HandTimes::rules()) {
        QAction* action = menu->addAction(HandTimes::caption(rule));
        action->setObjectName(QStringLiteral("mnuHandTimes") + HandTimes::key(rule));
        action->setCheckable(true);
        action->setChecked(rule == HandTimes::rule());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [rule] {
            HandTimes::setRule(rule);
            SettingsStore::write(QStringLiteral("HandTimes"), HandTimes::key(rule));
            SettingsStore::sync();
        });
    }
}
