#include "MoreEntriesWindow.h"

#include "editors/SheetControls.h"
#include "editors/SheetTyping.h"
#include "records/Division.h"
#include "records/MeetSheet.h"
#include "ui/Controls.h"
#include "ui/NumberBox.h"
#include "units/Twips.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

struct MoreEntriesWindow::Row
{
    // The entry's number in its event (2 for the third), or the relay team's (1 for B).
    int entry = 0;
    std::vector<SheetSlot> legs;
    QLabel* caption = nullptr;
    QPushButton* remove = nullptr;
    std::vector<QWidget*> widgets;
};

namespace {

// The property of a runner button that names its entry, as the sheet's buttons do.
const char* const kEntry = "entry";

} // namespace

MoreEntriesWindow::MoreEntriesWindow(AppContext& app, QWidget* sheet) : QDialog(sheet), m_app(app)
{
    setObjectName(QStringLiteral("moreEntries"));
    resize(Twips::size(7800, 4500));
    auto* outer = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    m_area = new QWidget(scroll);
    m_grid = new QGridLayout(m_area);
    m_grid->setAlignment(Qt::AlignTop);
    scroll->setWidget(m_area);
    outer->addWidget(scroll);
    auto* buttons = new QHBoxLayout;
    m_add = new QPushButton(this);
    m_add->setObjectName(QStringLiteral("addEntry"));
    m_add->setAutoDefault(false);
    m_add->installEventFilter(this);
    m_done = new QPushButton(QStringLiteral("Done"), this);
    m_done->setObjectName(QStringLiteral("moreDone"));
    m_done->setAutoDefault(false);
    buttons->addWidget(m_add);
    buttons->addStretch();
    buttons->addWidget(m_done);
    outer->addLayout(buttons);
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (const SheetSlot* slot = addRow())
            emit pickRequested(slot, QString());
    });
    connect(m_done, &QPushButton::clicked, this, &QDialog::accept);
    m_typing = new SheetTyping(app, this, [this] { return tabOrder(false); });
}

MoreEntriesWindow::~MoreEntriesWindow() = default;

bool MoreEntriesWindow::relay() const
{
    return m_event >= MeetSheet::Individual;
}

void MoreEntriesWindow::showEntries(const QString& division, int event,
                                    const QList<SheetEntry>& entries)
{
    fill(division, event, entries, {});
}

void MoreEntriesWindow::showTeams(const QString& division, int event,
                                  const QList<SheetRelay>& teams)
{
    fill(division, event, {}, teams);
}

void MoreEntriesWindow::fill(const QString& division, int event, const QList<SheetEntry>& entries,
                             const QList<SheetRelay>& teams)
{
    m_event = event;
    m_division = division;
    m_entries = entries;
    m_teams = teams;
    m_dropped.clear();
    m_droppedTeams.clear();
    m_add->setText(relay() ? QStringLiteral("Add Team") : QStringLiteral("Add Entry"));
    rebuild();
}

void MoreEntriesWindow::rebuild()
{
    m_typing->clearSlots();
    // The old rows go once control is back in the event loop (a Remove button may be the one
    // that asked); until then they are hidden and nameless, so that nothing finds them.
    for (const auto& row : m_rows)
        for (QWidget* w : row->widgets) {
            w->hide();
            w->setObjectName(QString());
            w->deleteLater();
        }
    m_rows.clear();
    emit rowsRebuilt();
    const QString event = MeetSheet::eventName(m_event);
    setWindowTitle((m_division.isEmpty() ? QString() : m_division + QStringLiteral(": ")) + event +
                   (relay() ? QStringLiteral(", more teams") : QStringLiteral(", more entries")));
    const bool field = MeetSheet::isField(m_event);
    // A relay's legs have their split boxes beside them, before the team's boxes.
    const int boxColumn = relay() ? 3 : 2;
    QStringList headings{QStringLiteral("Runner"), QStringLiteral("Place"),
                         QStringLiteral("Points"), MeetSheet::boxName(field, 2),
                         MeetSheet::boxName(field, 3)};
    if (relay())
        headings.insert(1, MeetSheet::boxName(field, MeetSheet::SplitBox));
    for (int c = 0; c < headings.size(); ++c) {
        auto* heading = new QLabel(headings[c], m_area);
        m_grid->addWidget(heading, 0, c + 1);
        auto row = std::make_unique<Row>();
        row->widgets.push_back(heading);
        m_rows.push_back(std::move(row));
    }
    const int count = relay() ? int(m_teams.size()) : int(m_entries.size());
    for (int i = 0; i < count; ++i) {
        auto row = std::make_unique<Row>();
        const int entry = relay() ? i + 1 : i + 2;
        row->entry = entry;
        const QString where = MeetSheet::where(m_event, entry);
        const int top = 1 + (relay() ? 4 * i : i);
        row->caption = new QLabel(relay() ? Division::teamLetter(entry) + QStringLiteral(" team")
                                          : QStringLiteral("Entry %1").arg(entry + 1),
                                  m_area);
        m_grid->addWidget(row->caption, top, 0);
        row->widgets.push_back(row->caption);
        const int legs = relay() ? 4 : 1;
        for (int k = 0; k < legs; ++k) {
            const SheetEntry& e = relay() ? m_teams[i].legs[size_t(k)] : m_entries[i];
            SheetSlot slot;
            const int index = relay() ? 4 * i + k : i;
            slot.button = new QPushButton(e.name, m_area);
            slot.button->setObjectName(Controls::indexed(QStringLiteral("moreRunner"), index));
            slot.button->setAutoDefault(false);
            slot.button->setMinimumWidth(Twips::size(1815, 0).width());
            slot.button->setProperty(kEntry, relay() ? where + QStringLiteral(", leg %1").arg(k + 1)
                                                     : where);
            slot.button->setAccessibleName(
                slot.button->property(kEntry).toString() + QStringLiteral(": ") +
                (e.name.isEmpty() ? QStringLiteral("no runner") : e.name));
            slot.label = new QLabel(
                QString::number(e.runner) + QLatin1Char(' ') + QString::number(e.join), m_area);
            slot.label->setObjectName(Controls::indexed(QStringLiteral("moreLabel"), index));
            slot.label->hide();
            m_grid->addWidget(slot.button, top + k, 1);
            row->widgets.push_back(slot.button);
            row->widgets.push_back(slot.label);
            if (relay()) {
                slot.split = new NumberBox(m_area);
                slot.split->setObjectName(Controls::indexed(QStringLiteral("moreSplit"), index));
                slot.split->setAccessibleName(slot.button->property(kEntry).toString() +
                                              QStringLiteral(", Split"));
                slot.split->setText(e.split);
                slot.split->setFixedWidth(Twips::size(585, 0).width());
                m_grid->addWidget(slot.split, top + k, 2);
                row->widgets.push_back(slot.split);
            }
            row->legs.push_back(slot);
        }
        const SheetNumbers& n = relay() ? m_teams[i].numbers : m_entries[i].numbers;
        const QString names[] = {QStringLiteral("morePlace"), QStringLiteral("morePoints"),
                                 QStringLiteral("moreMark1"), QStringLiteral("moreMark2")};
        const QString texts[] = {n.place, n.points, n.mark1, n.secondBox()};
        QLineEdit* boxes[4];
        for (int b = 0; b < 4; ++b) {
            boxes[b] = new NumberBox(m_area);
            boxes[b]->setObjectName(Controls::indexed(names[b], i));
            boxes[b]->setAccessibleName(where + QStringLiteral(", ") +
                                        MeetSheet::boxName(field, b));
            boxes[b]->setText(texts[b]);
            boxes[b]->setFixedWidth(Twips::size(585, 0).width());
            m_grid->addWidget(boxes[b], top, boxColumn + b);
            row->widgets.push_back(boxes[b]);
        }
        row->remove = new QPushButton(QStringLiteral("Remove"), m_area);
        row->remove->setObjectName(Controls::indexed(QStringLiteral("moreRemove"), i));
        row->remove->setAccessibleName(QStringLiteral("Remove ") + where);
        row->remove->setAutoDefault(false);
        m_grid->addWidget(row->remove, top, boxColumn + 4);
        row->widgets.push_back(row->remove);
        connect(row->remove, &QPushButton::clicked, this, [this, i] { removeRow(i); });
        for (SheetSlot& slot : row->legs) {
            slot.place = boxes[0];
            slot.points = boxes[1];
            slot.mark1 = boxes[2];
            slot.mark2 = boxes[3];
        }
        m_rows.push_back(std::move(row));
    }
    // A layout shows a new widget only later: a row's button must take the focus at once.
    for (const auto& row : m_rows)
        for (QWidget* w : row->widgets)
            if (!qobject_cast<QLabel*>(w) ||
                !w->objectName().startsWith(QLatin1String("moreLabel")))
                w->show();
    // The rows' slots move no more: they are handed to the typing and the buttons now.
    for (const auto& row : m_rows) {
        for (size_t k = 0; k < row->legs.size(); ++k) {
            const SheetSlot* slot = &row->legs[k];
            if (k == 0)
                m_typing->addSlot(slot, m_event, row->entry);
            else
                m_typing->addButton(slot);
            connect(slot->button, &QPushButton::clicked, this,
                    [this, slot] { emit pickRequested(slot, QString()); });
        }
    }
    QList<QWidget*> order = tabOrder(true);
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QList<QWidget*> MoreEntriesWindow::tabOrder(bool withRemove) const
{
    QList<QWidget*> order;
    for (const auto& row : m_rows) {
        if (row->legs.empty())
            continue;
        for (const SheetSlot& slot : row->legs) {
            order << slot.button;
            if (slot.split)
                order << slot.split;
        }
        const SheetSlot& first = row->legs.front();
        order << first.place << first.points << first.mark1 << first.mark2;
        if (withRemove)
            order << row->remove;
    }
    order << m_add << m_done;
    return order;
}

void MoreEntriesWindow::readRows()
{
    if (relay())
        m_teams = teams();
    else
        m_entries = entries();
}

QList<SheetEntry> MoreEntriesWindow::entries() const
{
    QList<SheetEntry> result;
    int i = 0;
    for (const auto& row : m_rows) {
        if (row->legs.empty() || relay())
            continue;
        SheetEntry e = m_entries.value(i++);
        const SheetSlot& slot = row->legs.front();
        e.exists = true;
        e.name = slot.button->text();
        e.runner = slot.label->text().section(QLatin1Char(' '), 0, 0).toLongLong();
        e.numbers = SheetNumbers::fromBoxes(slot.place->text(), slot.points->text(),
                                            slot.mark1->text(), slot.mark2->text());
        result << e;
    }
    return result;
}

QList<SheetRelay> MoreEntriesWindow::teams() const
{
    QList<SheetRelay> result;
    int i = 0;
    for (const auto& row : m_rows) {
        if (row->legs.empty() || !relay())
            continue;
        SheetRelay team = m_teams.value(i++);
        for (size_t k = 0; k < 4 && k < row->legs.size(); ++k) {
            const SheetSlot& slot = row->legs[k];
            team.legs[k].exists = true;
            team.legs[k].name = slot.button->text();
            team.legs[k].runner = slot.label->text().section(QLatin1Char(' '), 0, 0).toLongLong();
            team.legs[k].split = slot.split ? slot.split->text().trimmed() : QString();
        }
        const SheetSlot& first = row->legs.front();
        team.numbers = SheetNumbers::fromBoxes(first.place->text(), first.points->text(),
                                               first.mark1->text(), first.mark2->text());
        result << team;
    }
    return result;
}

const SheetSlot* MoreEntriesWindow::addRow()
{
    readRows();
    SheetEntry entry;
    entry.exists = true;
    if (relay()) {
        SheetRelay team;
        team.team = -1;
        for (SheetEntry& leg : team.legs)
            leg = entry;
        m_teams << team;
    } else {
        m_entries << entry;
    }
    rebuild();
    const SheetSlot* slot = &m_rows.back()->legs.front();
    slot->button->setFocus();
    return slot;
}

void MoreEntriesWindow::removeRow(int row)
{
    readRows();
    if (relay() && row < m_teams.size()) {
        if (m_teams[row].team > 0)
            m_droppedTeams << m_teams[row].team;
        m_teams.removeAt(row);
    } else if (!relay() && row < m_entries.size()) {
        if (m_entries[row].join > 0)
            m_dropped << m_entries[row].join;
        m_entries.removeAt(row);
    }
    rebuild();
    m_add->setFocus();
}

QList<const SheetSlot*> MoreEntriesWindow::entrySlots() const
{
    QList<const SheetSlot*> result;
    for (const auto& row : m_rows)
        for (const SheetSlot& slot : row->legs)
            result << &slot;
    return result;
}

QList<const SheetSlot*> MoreEntriesWindow::rowOf(const SheetSlot* slot) const
{
    for (const auto& row : m_rows) {
        QList<const SheetSlot*> legs;
        for (const SheetSlot& s : row->legs)
            legs << &s;
        if (legs.contains(slot))
            return legs;
    }
    return {};
}

bool MoreEntriesWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A letter typed on "Add Entry" begins the next entry's runner, as on the sheet.
    if (watched == m_add && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->text().at(0).isLetter() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            if (const SheetSlot* slot = addRow())
                emit pickRequested(slot, key->text());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
