#include "UsualDivisions.h"

#include "records/MeetSheet.h"

#include <QStringList>

UsualDivisions::List UsualDivisions::read(const QString& setting)
{
    List divisions;
    for (const QString& line : setting.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString gender = line.section(QLatin1Char(' '), 0, 0);
        const QString name = line.section(QLatin1Char(' '), 1).simplified();
        const bool known = gender == QLatin1String("F") || gender == QLatin1String("M") ||
                           gender == QLatin1String("X");
        // A line the program did not write, or one name twice, is left out.
        const bool repeated = std::any_of(divisions.begin(), divisions.end(), [&](const auto& d) {
            return d.first.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!known || name.isEmpty() || repeated || divisions.size() >= MeetSheet::MaxDivisions)
            continue;
        divisions.append({name, gender == QLatin1String("X") ? QString() : gender});
    }
    return divisions;
}

QString UsualDivisions::write(const List& divisions)
{
    QStringList lines;
    for (const auto& [name, gender] : divisions)
        lines << (gender.isEmpty() ? QStringLiteral("X") : gender) + QLatin1Char(' ') +
                     name.simplified();
    return lines.join(QLatin1Char('\n'));
}
