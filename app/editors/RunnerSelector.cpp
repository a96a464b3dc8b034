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
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace {

// The item data that holds a runner's gender ("F", "M", or empty).
constexpr int kGender = Qt::UserRole + 7;

} // namespace

RunnerSelector::RunnerSelector(AppContext& app) : QWidget(nullptr, Qt::Window), m_app(app)
{
    setObjectName(QStringLiteral("runnerSelector"));
    setWindowTitle(QStringLiteral("Runner Selector"));
    // The search box sits above the list, which keeps its designed size.
    setFixedSize(Twips::size(4680, 3930));
    m_search = Controls::textBox(this, QStringLiteral("runnerSearch"), QStringLiteral("Find"), 120,
                                 120, 4455, 315);
    m_search->setPlaceholderText(QStringLiteral("Type part of a name"));
    m_search->installEventFilter(this);
    connect(m_search, &QLineEdit::textChanged, this, &RunnerSelector::narrow);
    m_list = Controls::list(this, QStringLiteral("runnerList"), QStringLiteral("Runners"), 120, 495,
                            4455, 2895);
    m_list->installEventFilter(this);
    m_showAll = new QCheckBox(QStringLiteral("Show all runners"), this);
    m_showAll->setObjectName(QStringLiteral("showAllRunners"));
    m_showAll->setGeometry(Twips::rect(120, 3480, 4455, 315));
    m_showAll->hide();
    connect(m_showAll, &QCheckBox::toggled, this, &RunnerSelector::narrow);
    // A double-click or Enter chooses, and so does the space bar (below).
    connect(m_list, &KeyedList::opened, this, &RunnerSelector::choose);
}

void RunnerSelector::build(qint64 team, QAbstractButton* box, QLabel* lbl, const QString& event,
                           const QList<Entry>& others, const QString& entry, const QString& gender,
                           const QList<qint64>& taken)
{
    m_box = box;
    m_lbl = lbl;
    m_event = event;
    m_others = others;
    m_gender = gender;
    m_taken = taken;
    setWindowTitle(entry.isEmpty() ? QStringLiteral("Runner Selector")
                                   : QStringLiteral("Runner: ") + entry);
    m_list->clear();
    UserAction::run(this, QStringLiteral("The runners could not be read."), [&] {
        m_list->addKeyedItems(TrackLists::runners(m_app.connection(), team, m_app.showGraduates()));
        const QHash<qint64, QString> genders = TrackLists::genders(m_app.connection(), team);
        for (int row = 0; row < m_list->count(); ++row)
            m_list->item(row)->setData(
                kGender, genders.value(pinFromKey(KeyedList::keyOf(m_list->item(row)))));
    });
    m_showAll->setVisible(!gender.isEmpty());
    m_showAll->setChecked(false);
    // Alphabetical, so that a coach finds a name in a long roster.
    m_list->sortItems();
    for (const qint64 runner : takenRunners()) {
        if (QListWidgetItem* item =
                m_list->itemWithKey(QStringLiteral("Pin") + QString::number(runner))) {
            const QString taken = QStringLiteral("Already entered in the ") + m_event;
            item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
            item->setToolTip(taken);
            item->setData(Qt::AccessibleDescriptionRole, taken);
        }
    }
    m_search->clear();
    narrow();
    m_search->setFocus();
}

QList<qint64> RunnerSelector::takenRunners() const
{
    QList<qint64> runners = m_taken;
    for (const Entry& other : m_others)
        if (other.box && other.lbl && !other.box->text().isEmpty())
            runners << other.lbl->text().section(QLatin1Char(' '), 0, 0).toLongLong();
    return runners;
}

void RunnerSelector::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Typing goes to the search first.
    activateWindow();
    m_search->setFocus();
}

void RunnerSelector::placeBeside(const QWidget* control)
{
    const QPoint right = control->mapToGlobal(QPoint(control->width(), 0));
    QRect place(right, frameGeometry().size());
    if (const QScreen* screen = control->screen()) {
        const QRect room = screen->availableGeometry();
        // Where the right side has no room, the picker goes to the control's left.
        if (place.right() > room.right())
            place.moveRight(control->mapToGlobal(QPoint(0, 0)).x() - 1);
        place.moveLeft(std::clamp(place.left(), room.left(), room.right() - place.width()));
        place.moveTop(std::clamp(place.top(), room.top(), room.bottom() - place.height()));
    }
    move(place.topLeft());
}

QList<QListWidgetItem*> RunnerSelector::shown() const
{
    QList<QListWidgetItem*> items;
    for (int row = 0; row < m_list->count(); ++row) {
        if (!m_list->item(row)->isHidden())
            items << m_list->item(row);
    }
    return items;
}

void RunnerSelector::narrow()
{
    const QString text = ResultLine::read(m_search->text()).name;
    const bool everyone = m_gender.isEmpty() || m_showAll->isChecked();
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        const QString gender = item->data(kGender).toString();
        item->setHidden(!item->text().contains(text, Qt::CaseInsensitive) ||
                        (!everyone && !gender.isEmpty() && gender != m_gender));
    }
    const QListWidgetItem* selected = m_list->selectedItem();
    if (text.isEmpty() || (selected && !selected->isHidden()))
        return;
    const QList<QListWidgetItem*> items = shown();
    if (items.isEmpty())
        m_list->clearSelection();
    else
        m_list->selectRow(m_list->row(items.first()));
}

void RunnerSelector::moveSelection(int step)
{
    const QList<QListWidgetItem*> items = shown();
    if (items.isEmpty())
        return;
    const int at = items.indexOf(m_list->selectedItem());
    const int next = at < 0 ? 0 : std::clamp(at + step, 0, int(items.size()) - 1);
    m_list->selectRow(m_list->row(items.at(next)));
    m_list->scrollToItem(items.at(next));
}

void RunnerSelector::chooseFound()
{
    const QList<QListWidgetItem*> items = shown();
    if (items.size() == 1)
        m_list->selectRow(m_list->row(items.first()));
    const QListWidgetItem* selected = m_list->selectedItem();
    if (selected && !selected->isHidden())
        choose();
}

bool RunnerSelector::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            chooseFound();
            return true;
        case Qt::Key_Down:
            moveSelection(1);
            return true;
        case Qt::Key_Up:
            moveSelection(-1);
            return true;
        default:
            break;
        }
    }
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
    if (takenRunners().contains(runner.toLongLong())) {
        Dialogs::tell(this,
                      QStringLiteral("%1 is already entered in the %2. A runner can take only "
                                     "one entry of an event.")
                          .arg(item->text(), m_event),
                      Dialogs::Icon::Warning);
        return;
    }
    m_lbl->setText(runner + QLatin1Char(' ') + parts.at(1));
    m_box->setText(item->text());
    m_results = ResultLine::read(m_search->text());
    // Whoever hears of the choice may give the picker its next slot at once: then it stays.
    const QPointer<QAbstractButton> written = m_box;
    emit chosen();
    if (m_box == written)
        hide();
}

void RunnerSelector::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        emit cancelled();
        return;
    }
    QWidget::keyPressEvent(event);
}
