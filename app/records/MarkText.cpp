#include "MarkText.h"

#include "records/MarkNotes.h"
#include "records/SheetNumber.h"

#include <QRegularExpression>
#include <cmath>

namespace {

// Thousandths, so that decimal marks are split and carried without binary rounding.
using Milli = qint64;

std::optional<Milli> milli(const QString& text)
{
    const std::optional<QString> literal = SheetNumber::sqlLiteral(text);
    if (!literal)
        return std::nullopt;
    const QStringList parts = literal->split(QLatin1Char('.'));
    Milli whole = parts.at(0).toLongLong() * 1000;
    if (parts.size() > 1)
        whole += parts.at(1).leftJustified(3, QLatin1Char('0')).toLongLong();
    return whole;
}

QString text(Milli m)
{
    QString result = QString::number(m / 1000);
    if (const Milli rest = m % 1000) {
        result += QLatin1Char('.') + QString::number(rest).rightJustified(3, QLatin1Char('0'));
        while (result.endsWith(QLatin1Char('0')))
            result.chop(1);
    }
    return result;
}

MarkText whole(Milli first, Milli second)
{
    MarkText mark;
    mark.kind = MarkText::Kind::Whole;
    mark.first = text(first);
    mark.second = text(second);
    return mark;
}

MarkText refused(bool field)
{
    MarkText mark;
    mark.kind = MarkText::Kind::Refused;
    mark.must = field ? QStringLiteral("a distance such as 18-06.5, 18' 6.5\" or 5.62m (inches "
                                       "under 12), or a number such as 18")
                      : QStringLiteral("a time such as 4:32.15 or 12.41 (seconds under 60 beside "
                                       "minutes), or a number such as 4");
    return mark;
}

// A whole mark whose smaller unit may not reach the larger one beside it.
MarkText pair(const QString& first, const QString& second, Milli limit, bool field)
{
    const std::optional<Milli> big = milli(first);
    const std::optional<Milli> small = milli(second);
    if (!big || !small || *big % 1000 != 0 || *small >= limit)
        return refused(field);
    return whole(*big, *small);
}

// The smaller unit alone, carried into the larger one where it reaches it.
MarkText carried(const QString& small, Milli limit, bool field)
{
    const std::optional<Milli> m = milli(small);
    if (!m)
        return refused(field);
    return whole((*m / limit) * 1000, *m % limit);
}

MarkText time(const QString& t, int box)
{
    static const QRegularExpression minutes(QStringLiteral("^(\\d+):(\\d+(?:\\.\\d*)?)$"));
    if (const QRegularExpressionMatch m = minutes.match(t); m.hasMatch())
        return pair(m.captured(1), m.captured(2), 60000, false);
    // In the minutes box a decimal number is seconds: a whole number of minutes has no point.
    if (box == 0 && t.contains(QLatin1Char('.')) && milli(t))
        return carried(t, 60000, false);
    return refused(false);
}

MarkText distance(const QString& t)
{
    static const QRegularExpression feetInches(
        QStringLiteral("^(\\d+)\\s*(?:-|'|\\s)\\s*(\\d+(?:\\.\\d*)?)\\s*(?:\"|'')?$"));
    static const QRegularExpression feet(QStringLiteral("^(\\d+)\\s*'$"));
    static const QRegularExpression inches(QStringLiteral("^(\\d+(?:\\.\\d*)?)\\s*(?:\"|'')$"));
    static const QRegularExpression metres(QStringLiteral("^(\\d+(?:\\.\\d*)?)\\s*m$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = feetInches.match(t); m.hasMatch())
        return pair(m.captured(1), m.captured(2), 12000, true);
    if (const QRegularExpressionMatch m = feet.match(t); m.hasMatch())
        return pair(m.captured(1), QStringLiteral("0"), 12000, true);
    if (const QRegularExpressionMatch m = inches.match(t); m.hasMatch())
        return carried(m.captured(1), 12000, true);
    if (const QRegularExpressionMatch m = metres.match(t); m.hasMatch()) {
        const std::optional<Milli> mm = milli(m.captured(1));
        if (!mm)
            return refused(true);
        // Quarter inches: 0.0254 m to the inch.
        const Milli quarters = std::llround(double(*mm) / 1000.0 / 0.0254 * 4.0);
        MarkText mark = whole((quarters / 48) * 1000, (quarters % 48) * 250);
        mark.metric = text(*mm) + QStringLiteral(" m");
        return mark;
    }
    return refused(true);
}

// A mark's number, without notes.
MarkText readNumber(const QString& typed, bool field, int box)
{
    const QString t = typed.trimmed();
    if (const std::optional<Milli> plain = milli(t)) {
        // A plain number belongs to its box, but the smaller unit stays under the larger.
        if (box == 1 && *plain >= (field ? 12000 : 60000))
            return refused(field);
        if (field || box == 1 || !t.contains(QLatin1Char('.')))
            return {};
    }
    return field ? distance(t) : time(t, box);
}

// The notes stay after the second half: a plain number keeps them in its own box only when
// that is the second one. A field mark is never hand-timed.
MarkText withNotes(MarkText mark, const MarkNotes& notes, bool field, bool secondBox)
{
    if (notes.isEmpty() || mark.kind == MarkText::Kind::Refused)
        return mark;
    if (notes.hand && field)
        return refused(field);
    if (mark.kind == MarkText::Kind::Plain)
        return secondBox ? mark : refused(field);
    mark.second += notes.suffix();
    return mark;
}

} // namespace

MarkText MarkText::read(const QString& typed, bool field, int box)
{
    const auto split = MarkNotes::split(typed);
    if (!split)
        return refused(field);
    if (split->second.isEmpty())
        return readNumber(typed, field, box);
    return withNotes(readNumber(split->first, field, box), split->second, field, box == 1);
}

MarkText MarkText::readWhole(const QString& typed, bool field)
{
    const auto split = MarkNotes::split(typed);
    if (!split)
        return refused(field);
    MarkText mark = readNumber(split->first, field, 0);
    if (mark.kind == Kind::Plain) {
        const QString t = split->first.trimmed();
        if (t.isEmpty())
            return refused(field);
        mark = field ? whole(*milli(t), 0) : carried(t, 60000, false);
    }
    return withNotes(mark, split->second, field, false);
}
