#include "KeyedList.h"

#include "data/SqlText.h"

#include <QKeyEvent>
#include <QMetaMethod>

namespace {
constexpr int KeyRole = Qt::UserRole + 1;
}

KeyedList::KeyedList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // A long meet line scrolls rather than losing its place at the right edge.
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QListWidget::itemDoubleClicked, this, &KeyedList::opened);
}

void KeyedList::keyPressEvent(QKeyEvent* event)
{
    // Enter opens only where opening means something; elsewhere it goes on to the window.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && isSignalConnected(QMetaMethod::fromSignal(&KeyedList::opened))) {
        emit opened();
        return;
    }
    QListWidget::keyPressEvent(event);
}

QListWidgetItem* KeyedList::addKeyedItem(const QString& key, const QString& text)
{
    auto* item = new QListWidgetItem(text, this);
    item->setData(KeyRole, key);
    return item;
}

void KeyedList::addKeyedItems(const QList<TrackLists::Item>& items)
{
    for (const TrackLists::Item& item : items)
        addKeyedItem(pinKey(item.pin), item.text);
}

QString KeyedList::keyOf(const QListWidgetItem* item)
{
    return item ? item->data(KeyRole).toString() : QString();
}

std::optional<qint64> KeyedList::selectedPin() const
{
    const QString key = selectedKey();
    return key.isEmpty() ? std::nullopt : std::optional<qint64>(pinFromKey(key));
}

QListWidgetItem* KeyedList::selectedItem() const
{
    const auto items = selectedItems();
    return items.isEmpty() ? nullptr : items.constFirst();
}

QString KeyedList::selectedKey() const
{
    return keyOf(selectedItem());
}

QListWidgetItem* KeyedList::itemWithKey(const QString& key) const
{
    for (int i = 0; i < count(); ++i) {
        if (keyOf(item(i)) == key)
            return item(i);
    }
    return nullptr;
}

bool KeyedList::selectKey(const QString& key)
{
    QListWidgetItem* found = itemWithKey(key);
    if (!found)
        return false;
    setCurrentItem(found);
    found->setSelected(true);
    scrollToItem(found);
    return true;
}

void KeyedList::selectRow(int row)
{
    if (row < 0 || row >= count())
        return;
    setCurrentRow(row);
    item(row)->setSelected(true);
}
