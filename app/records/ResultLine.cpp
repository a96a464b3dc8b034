#include "ResultLine.h"

#include <QStringList>

ResultLine ResultLine::read(const QString& typed)
{
    ResultLine line;
    const QStringList words = typed.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    qsizetype i = 0;
    QStringList name;
    while (i < words.size() && !words.at(i).at(0).isDigit())
        name << words.at(i++);
    line.name = name.join(QLatin1Char(' '));
    if (i < words.size())
        line.place = words.at(i++);
    line.mark = words.mid(i).join(QLatin1Char(' '));
    return line;
}
