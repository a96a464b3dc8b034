#pragma once

#include <QList>
#include <QString>
#include <utility>

// The divisions Add Meet makes, as the coach chose them under Options › Divisions: each a name
// and a gender ("F", "M", or empty for mixed), kept in the settings as one line each ("F Girls
// Varsity"). None chosen makes one unnamed, mixed division.
class UsualDivisions
{
public:
    using List = QList<std::pair<QString, QString>>;

    static List read(const QString& setting);
    static QString write(const List& divisions);
};
