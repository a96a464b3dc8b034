#include "ImportedMark.h"

#include "data/MarkOrder.h"
#include "records/MarkLimits.h"
#include "records/MarkText.h"
#include "records/SheetNumber.h"

#include <QRegularExpression>

namespace {

const QStringList& statuses()
{
    static const QStringList words{
        QStringLiteral("DQ"), QStringLiteral("DNF"),  QStringLiteral("DNS"), QStringLiteral("NH"),
        QStringLiteral("NM"), QStringLiteral("FOUL"), QStringLiteral("SCR"), QStringLiteral("FS"),
        QStringLiteral("NT"), QStringLiteral("FOUL"), QStringLiteral("ND"),  QStringLiteral("DSQ")};
    return words;
}

// The mark's value in seconds or inches, when it is of the event's kind.
std::optional<double> valueOf(int type, const QString& mark)
{
    const bool field = MarkOrder::isField(type);
    static const QRegularExpression timeForm(
        QStringLiteral("^\\d{1,3}\\.\\d{1,3}h?$|^\\d{1,2}:\\d{2}(\\.\\d{1,3})?h?$"));
    static const QRegularExpression distanceForm(
        QStringLiteral("^\\d{1,3}(-\\d{1,2}(\\.\\d{1,2})?|'\\d{0,2}(\\.\\d{1,2})?\"?|"
                       "\\.\\d{1,2}m)w?$"),
        QRegularExpression::CaseInsensitiveOption);
    if (!(field ? distanceForm : timeForm).match(mark).hasMatch())
        return std::nullopt;
    QString number = mark;
    if (field && number.endsWith(QLatin1Char('w'), Qt::CaseInsensitive))
        number.chop(1);
    const MarkText read = MarkText::readWhole(number, field);
    if (read.kind != MarkText::Kind::Whole)
        return std::nullopt;
    const SheetNumbers boxes = SheetNumbers::fromBoxes({}, {}, read.first, read.second);
    return MarkOrder::value(type, SheetNumber::value(boxes.mark1), SheetNumber::value(boxes.mark2));
}

} // namespace

QString ImportedMark::clean(const QString& token)
{
    QString t = token.trimmed();
    if (statuses().contains(t.toUpper()))
        return t.toUpper();
    // A qualifier or record sign after the mark.
    while (!t.isEmpty() && QStringLiteral("qQ*#@$!&+").contains(t.back()))
        t.chop(1);
    static const QRegularExpression mark(
        QStringLiteral("^\\d{1,3}\\.\\d{1,3}h?$|^\\d{1,2}:\\d{2}(\\.\\d{1,3})?h?$|"
                       "^\\d{1,3}-\\d{1,2}(\\.\\d{1,2})?w?$|^\\d{1,3}'\\d{0,2}(\\.\\d{1,2})?\"?w?$|"
                       "^\\d{1,3}\\.\\d{1,2}mw?$"),
        QRegularExpression::CaseInsensitiveOption);
    return mark.match(t).hasMatch() ? t : QString();
}

bool ImportedMark::isStatus(const QString& mark)
{
    return statuses().contains(mark.trimmed().toUpper());
}

bool ImportedMark::isWind(const QString& token)
{
    static const QRegularExpression wind(QStringLiteral("^([+-]\\d{1,2}\\.\\d|0\\.0|NWI|NWS)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    return wind.match(token.trimmed()).hasMatch();
}

bool ImportedMark::fits(int type, const QString& mark)
{
    if (isStatus(mark))
        return true;
    const std::optional<double> value = valueOf(type, mark);
    if (!value)
        return false;
    // Wider than the sheet's doubts: a file's mark is what the officials wrote.
    const MarkLimits::Limit limit = MarkLimits::of(type);
    return MarkOrder::isField(type) ? *value <= limit.best * 1.2 && *value >= limit.worst * 0.3
                                    : *value >= limit.best * 0.8 && *value <= limit.worst * 1.5;
}

std::optional<SheetNumbers> ImportedMark::numbers(int type, const QString& mark,
                                                  const QString& wind, const QString& place,
                                                  const QString& points, QString* why)
{
    const QString placeNumber = SheetNumber::sqlLiteral(place) ? place : QString();
    const QString pointsNumber = SheetNumber::sqlLiteral(points) ? points : QString();
    if (isStatus(mark) || mark.isEmpty())
        return SheetNumbers{placeNumber, pointsNumber, {}, {}, {}};
    const bool field = MarkOrder::isField(type);
    QString whole = mark;
    // "18-06.50w": the "w" is the sheet's note.
    if (whole.endsWith(QLatin1Char('w'), Qt::CaseInsensitive) && field)
        whole = whole.chopped(1) + QStringLiteral(" w");
    if (isWind(wind) && !wind.startsWith(QLatin1String("NW"), Qt::CaseInsensitive))
        whole += QLatin1Char(' ') +
                 (wind.startsWith(QLatin1Char('-')) || wind.startsWith(QLatin1Char('+'))
                      ? wind
                      : QLatin1Char('+') + wind);
    const MarkText read = MarkText::readWhole(whole, field);
    if (read.kind != MarkText::Kind::Whole) {
        *why = QStringLiteral("the mark \"%1\" cannot be read: it must be %2").arg(mark, read.must);
        return std::nullopt;
    }
    return SheetNumbers::fromBoxes(placeNumber, pointsNumber, read.first, read.second);
}
