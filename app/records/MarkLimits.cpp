#include "MarkLimits.h"

#include "data/MarkOrder.h"
#include "records/HandTimes.h"
#include "records/MeetSheet.h"

#include <QRegularExpression>
#include <array>
#include <cmath>

namespace {

// Beyond the best a state meet sees, and short of what a beginner manages; seconds for the
// runs and relays, inches for the field events. Event types 1 to 17, in the sheet's order.
constexpr std::array<MarkLimits::Limit, 17> kLimits{{
    {9.5, 30},           // 100 m
    {19.5, 60},          // 200 m
    {43, 120},           // 400 m
    {100, 300},          // 800 m: 1:40 to 5:00
    {230, 600},          // 1600 m: 3:50 to 10:00
    {500, 1260},         // 3200 m: 8:20 to 21:00
    {34, 90},            // 300 m hurdles
    {8 * 12, 3 * 12},    // high jump: 8 ft to 3 ft
    {28 * 12, 8 * 12},   // long jump
    {56 * 12, 15 * 12},  // triple jump
    {20 * 12, 5 * 12},   // pole vault
    {82 * 12, 10 * 12},  // shot put: about 25 m
    {240 * 12, 30 * 12}, // discus
    {38, 90},            // 4 x 100 m
    {80, 180},           // 4 x 200 m
    {180, 420},          // 4 x 400 m: 3:00 to 7:00
    {450, 900},          // 4 x 800 m: 7:30 to 15:00
}};

} // namespace

MarkLimits::Limit MarkLimits::of(qint64 type)
{
    return type >= 1 && type <= 17 ? kLimits[size_t(type - 1)] : Limit{0, 1e9};
}

QString MarkLimits::written(qint64 type, double value)
{
    if (MarkOrder::isField(type)) {
        const int feet = static_cast<int>(value / 12);
        return QStringLiteral("%1-%2").arg(feet).arg(value - feet * 12, 2, 'f', 0,
                                                     QLatin1Char('0'));
    }
    return HandTimes::timeText(value);
}

std::optional<QString> MarkLimits::doubt(qint64 type, double value, const QString& typed)
{
    const Limit limit = of(type);
    const QString event = MeetSheet::eventName(static_cast<int>(type - 1));
    const bool field = MarkOrder::isField(type);
    if (field ? value > limit.best : value < limit.best)
        return QStringLiteral("%1 is %2 than any high-school %3 (%4 %5)")
            .arg(typed, field ? QStringLiteral("farther") : QStringLiteral("faster"), event,
                 field ? QStringLiteral("over") : QStringLiteral("under"),
                 written(type, limit.best));
    if (field ? value < limit.worst : value > limit.worst)
        return QStringLiteral("%1 is %2 than a %3 is %4 (%5 %6)")
            .arg(typed, field ? QStringLiteral("shorter") : QStringLiteral("slower"), event,
                 field ? QStringLiteral("reached") : QStringLiteral("run"),
                 field ? QStringLiteral("under") : QStringLiteral("over"),
                 written(type, limit.worst));
    return std::nullopt;
}

std::optional<std::pair<QString, QString>> MarkLimits::minutesMeant(qint64 type, double seconds,
                                                                    const QString& typed)
{
    // "2.33": whole minutes, a point, and two digits of seconds under 60.
    static const QRegularExpression minutesLike(QStringLiteral("^(\\d{1,2})\\.([0-5]\\d)$"));
    const QRegularExpressionMatch m = minutesLike.match(typed.trimmed());
    if (HandTimes::distance(type) < 800 || !m.hasMatch() || seconds >= of(type).best)
        return std::nullopt;
    return std::pair{QString::number(m.captured(1).toInt()), m.captured(2)};
}
