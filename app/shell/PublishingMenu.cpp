#include "PublishingMenu.h"

#include "records/PublishedName.h"
#include "shell/SettingsStore.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

void keep(PublishedName::Style style)
{
    PublishedName::setStyle(style);
    SettingsStore::write(QStringLiteral("PublishNames"), PublishedName::key(style.names));
    SettingsStore::write(QStringLiteral("PublishGrades"),
                         style.grades ? QStringLiteral("true") : QStringLiteral("false"));
    SettingsStore::sync();
}

} // namespace

void PublishingMenu::readSetting()
{
    PublishedName::setStyle(
        {PublishedName::fromKey(SettingsStore::read(QStringLiteral("PublishNames"))),
         SettingsStore::read(QStringLiteral("PublishGrades")) == QLatin1String("true")});
}

PublishingMenu::PublishingMenu(QMenuBar* bar) : QObject(bar)
{
    readSetting();
    QMenu* options = bar->findChild<QMenu*>(QStringLiteral("mnuOptions"));
    if (!options)
        options = bar->addMenu(QStringLiteral("&Options"));
    QMenu* menu = options->addMenu(QStringLiteral("&Publishing"));
    menu->setObjectName(QStringLiteral("mnuPublishing"));
    auto* group = new QActionGroup(this);
    const std::pair<PublishedName::Names, QString> choices[] = {
        {PublishedName::Names::Full, QStringLiteral("Names as \"First Last\"")},
        {PublishedName::Names::Initial, QStringLiteral("Names as \"First L.\"")}};
    for (const auto& [names, caption] : choices) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QStringLiteral("mnuPublishNames") + PublishedName::key(names));
        action->setCheckable(true);
        action->setChecked(PublishedName::style().names == names);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [names] {
            PublishedName::Style style = PublishedName::style();
            style.names = names;
            keep(style);
        });
    }
    menu->addSeparator();
    QAction* grades = menu->addAction(QStringLiteral("With &Grades"));
    grades->setObjectName(QStringLiteral("mnuPublishGrades"));
    grades->setCheckable(true);
    grades->setChecked(PublishedName::style().grades);
    connect(grades, &QAction::toggled, this, [](bool on) {
        PublishedName::Style style = PublishedName::style();
        style.grades = on;
        keep(style);
    });
}
