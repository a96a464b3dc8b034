#pragma once

#include "records/TrackLists.h"

#include <QListWidget>
#include <optional>

// A list of one-line items, each with a key ("Pin" followed by the row's Pin).
class KeyedList : public QListWidget
{
    Q_OBJECT
public:
    explicit KeyedList(QWidget* parent = nullptr);

    QListWidgetItem* addKeyedItem(const QString& key, const QString& text);
    void addKeyedItems(const QList<TrackLists::Item>& items);
    static QString keyOf(const QListWidgetItem* item);
    // The selected item's key; empty when nothing is selected.
    QString selectedKey() const;
    QListWidgetItem* selectedItem() const;
    // The selected item's Pin; nothing when nothing is selected.
    std::optional<qint64> selectedPin() const;
    QListWidgetItem* itemWithKey(const QString& key) const;
    // Makes the item with this key the selected one; false when there is none.
    bool selectKey(const QString& key);
    void selectRow(int row);

signals:
    // The user asked to open the selected item: a double-click, or Enter.
    void opened();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
