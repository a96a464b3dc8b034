#include "RunnerSelector.h"

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
#include <QLabel>

RunnerSelector::RunnerSelector(AppContext& app) : QWidget(nullptr, Qt::Window), m_app(app)
{
    setObjectName(QStringLiteral("runnerSelector"));
    setWindowTitle(QStringLiteral("Runner Selector"));
    setFixedSize(Twips::size(4680, 3195));
    m_list = Controls::list(this, QStringLiteral("runnerList"), QStringLiteral("Runners"), 120, 120,
                            4455, 2895);
    m_list->installEventFilter(this);
    // A double-click or Enter chooses, and so does the space bar (below).
    connect(m_list, &KeyedList::opened, this, &RunnerSelector::choose);
}

void RunnerSelector::build(qint64 team, QAbstractButton* box, QLabel* lbl, const QString& event,
                           const QList<Entry>& others)
{
    m_box = box;
    m_lbl = lbl;
    m_event = event;
    m_others = others;
    m_list->clear();
    UserAction::run(this, QStringLiteral("The runners could not be read."),
                    [&] { m_list->addKeyedItems(TrackLists::runners(m_app.connection(), team)); });
    // Alphabetical, so that a coach finds a name in a long roster.
    m_list->sortItems();
}

bool RunnerSelector::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
            choose();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RunnerSelector::choose()
{
    const QListWidgetItem* item = m_list->selectedItem();
    if (!item || !m_box || !m_lbl)
        return;
    // The label holds "runner join": the runner changes, the slot stays.
    const QStringList parts = m_lbl->text().split(QLatin1Char(' '));
    if (parts.size() < 2) {
        Dialogs::tell(this,
                      QStringLiteral("This entry has no result slot in the meet's sheet, so no "
                                     "runner can be put in it."),
                      Dialogs::Icon::Warning);
        return;
    }
    const QString runner = QString::number(pinFromKey(KeyedList::keyOf(item)));
    for (const Entry& other : m_others) {
        if (other.box && other.lbl && !other.box->text().isEmpty() &&
            other.lbl->text().section(QLatin1Char(' '), 0, 0) == runner) {
            Dialogs::tell(this,
                          QStringLiteral("%1 is already entered in the %2. A runner can take only "
                                         "one entry of an event.")
                              .arg(item->text(), m_event),
                          Dialogs::Icon::Warning);
            return;
        }
    }
    m_lbl->setText(runner + QLatin1Char(' ') + parts.at(1));
    m_box->setText(item->text());
    hide();
    emit chosen();
}

void RunnerSelector::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
