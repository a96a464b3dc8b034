#include "RelaySplit.h"

#include "records/SheetNumber.h"

#include <QRegularExpression>
#include <cmath>

std::optional<double> RelaySplit::seconds(const QString& typed)
{
    // A leg of the longest relay is a few minutes; an hour is no leg.
    static const QRegularExpression time(
        QStringLiteral("^(?:(\\d{1,2}):([0-5]\\d)|(\\d{1,4}))(\\.\\d{1,3})?$"));
    const QRegularExpressionMatch m = time.match(typed.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const double fraction = m.captured(4).isEmpty() ? 0 : m.captured(4).toDouble();
    const double value = !m.captured(1).isEmpty()
                             ? m.captured(1).toInt() * 60 + m.captured(2).toInt() + fraction
                             : m.captured(3).toInt() + fraction;
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
