#include "TeamSelector.h"

#include "data/SqlText.h"
#include "records/AppContext.h"
#include "records/TrackLists.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/KeyedList.h"
#include "ui/UserAction.h"
#include "units/Twips.h"

#include <QAbstractButton>
#include <QKeyEvent>

TeamSelector::TeamSelector(AppContext& app) : QWidget(nullptr, Qt::Window), m_app(app)
{
    setObjectName(QStringLiteral("teamSelector"));
    setWindowTitle(QStringLiteral("Team Selector"));
    setFixedSize(Twips::size(4680, 3195));
    m_list = Controls::list(this, QStringLiteral("teamList"), QStringLiteral("Teams"), 120, 120,
                            4455, 2895);
    // A double-click or Enter picks the highlighted team.
    connect(m_list, &KeyedList::opened, this, &TeamSelector::choose);
}

void TeamSelector::build(QAbstractButton* box)
{
    m_box = box;
    m_list->clear();
    UserAction::run(this, QStringLiteral("The teams could not be read."),
                    [&] { m_list->addKeyedItems(TrackLists::teams(m_app.connection())); });
    m_list->sortItems();
}

void TeamSelector::choose()
{
    const QListWidgetItem* item = m_list->selectedItem();
    if (!item || !m_box)
        return;
    m_box->setText(QString::number(pinFromKey(KeyedList::keyOf(item))) + QLatin1Char(' ') +
                   item->text());
    hide();
    emit chosen();
}

void TeamSelector::keyPressEvent(QKeyEvent* event)
{
    // Escape leaves the sheet as it was.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
