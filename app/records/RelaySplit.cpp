#include "RelaySplit.h"

#include "records/MarkNotes.h"
#include "records/MarkText.h"
#include "records/SheetNumber.h"

#include <cmath>

std::optional<double> RelaySplit::seconds(const QString& typed)
{
    // Read as a whole time is read on the sheet; a split carries no notes.
    const auto notes = MarkNotes::split(typed);
    if (!notes || !notes->second.isEmpty())
        return std::nullopt;
    const MarkText time = MarkText::readWhole(typed, false);
    if (time.kind != MarkText::Kind::Whole)
        return std::nullopt;
    const double value = SheetNumber::value(time.first) * 60 + SheetNumber::value(time.second);
    // A leg of the longest relay is a few minutes; an hour is no leg.
    if (value <= 0 || value >= 3600)
        return std::nullopt;
    return value;
}

bool RelaySplit::isNone(const QString& typed)
{
    const std::optional<QString> number = SheetNumber::sqlLiteral(typed);
    return number && number->toDouble() == 0;
}

QString RelaySplit::text(double seconds)
{
    const double t = std::round(seconds * 100) / 100;
    const int minutes = static_cast<int>(t / 60);
    const double rest = std::round((t - minutes * 60) * 100) / 100;
    // As many decimals as the split has, from tenths to hundredths.
    QString part = QString::number(rest, 'f', 2);
    if (part.endsWith(QLatin1Char('0')))
        part.chop(1);
    if (minutes == 0)
        return part;
    if (rest < 10)
        part.prepend(QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(minutes).arg(part);
}

QString RelaySplit::rule()
{
    return QStringLiteral("a time in seconds (\"47.1\") or in minutes and seconds (\"2:05.3\")");
}
