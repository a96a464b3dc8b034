#include "ScoringMenu.h"

#include "records/AppContext.h"
#include "shell/SettingsStore.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

ScoringMenu::ScoringMenu(QMenuBar* bar, AppContext& app) : QObject(bar), m_app(app)
{
    m_app.setScoring(Scoring::fromKey(SettingsStore::read(QStringLiteral("Scoring"))));
    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    QMenu* scoring = options->addMenu(QStringLiteral("&Scoring"));
    scoring->setObjectName(QStringLiteral("mnuScoring"));
    m_group = new QActionGroup(this);
    for (Scoring::Table table : Scoring::tables()) {
        QAction* action = scoring->addAction(Scoring::caption(table));
        action->setObjectName(QStringLiteral("mnuScoring") + Scoring::key(table));
        action->setCheckable(true);
        action->setChecked(table == m_app.scoring());
        m_group->addAction(action);
        connect(action, &QAction::triggered, this, [this, table] {
            m_app.setScoring(table);
            SettingsStore::write(QStringLiteral("Scoring"), Scoring::key(table));
            SettingsStore::sync();
        });
    }
}
