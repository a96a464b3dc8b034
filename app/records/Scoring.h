#pragma once

#include <QList>
#include <QString>
#include <optional>

// The scoring table that fills a slot's points from its place: chosen once by the coach and
// kept with the settings.
class Scoring
{
public:
    enum class Table
    {
        None,
        Invitational, // 10-8-6-4-2-1, relays alike
        Dual,         // 5-3-1, relays 5-0
    };

    static QList<Table> tables() { return {Table::Invitational, Table::Dual, Table::None}; }
    // As the settings keep it, and as the menu shows it.
    static QString key(Table table);
    static Table fromKey(const QString& key);
    static QString caption(Table table);

    // The points a place earns; nothing when no table is chosen or the place is not a whole
    // number of at least 1.
    static std::optional<QString> points(Table table, const QString& place, bool relay);
};
