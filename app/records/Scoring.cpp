#include "Scoring.h"

QString Scoring::key(Table table)
{
    switch (table) {
    case Table::Invitational:
        return QStringLiteral("Invitational");
    case Table::Dual:
        return QStringLiteral("Dual");
    case Table::None:
        break;
    }
    return QStringLiteral("None");
}

Scoring::Table Scoring::fromKey(const QString& key)
{
    for (Table table : tables()) {
        if (Scoring::key(table) == key)
            return table;
    }
    return Table::None;
}

QString Scoring::caption(Table table)
{
    switch (table) {
    case Table::Invitational:
        return QStringLiteral("&Invitational (10-8-6-4-2-1)");
    case Table::Dual:
        return QStringLiteral("&Dual meet (5-3-1, relays 5-0)");
    case Table::None:
        break;
    }
    return QStringLiteral("&None");
}

std::optional<QString> Scoring::points(Table table, const QString& place, bool relay)
{
    static const QList<int> invitational{10, 8, 6, 4, 2, 1};
    static const QList<int> dual{5, 3, 1};
    static const QList<int> dualRelay{5, 0};
    bool ok = false;
    const int p = place.trimmed().toInt(&ok);
    if (table == Table::None || !ok || p < 1)
        return std::nullopt;
    const QList<int>& scale = table == Table::Invitational ? invitational
                              : relay                      ? dualRelay
                                                           : dual;
    return QString::number(p <= scale.size() ? scale.at(p - 1) : 0);
}
