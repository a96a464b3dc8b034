#include "MarkNotes.h"

#include <QRegularExpression>
#include <algorithm>

QString MarkNotes::windText(double wind)
{
    return (wind < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
           QString::number(std::abs(wind), 'f', 1);
}

QString MarkNotes::suffix() const
{
    QString text = hand ? QStringLiteral("h") : QString();
    if (wind)
        text += QLatin1Char(' ') + windText(*wind);
    else if (markedAided)
        text += QStringLiteral(" w");
    return text;
}

std::optional<std::pair<QString, MarkNotes>> MarkNotes::split(const QString& typed)
{
    // The mark, then an "h" at once or after a blank, then a signed reading (a number alone
    // would be the inches of "18 6.5"), or a "w" alone.
    static const QRegularExpression notes(
        QStringLiteral("^(.*?[\\d.\"'m])(\\s*h)?(?:\\s+([+-]\\d{1,2}(?:\\.\\d{1,2})?)|\\s+(w))?$"),
        QRegularExpression::CaseInsensitiveOption);
    // The sheet reads every box at every key: a plain number needs no pattern.
    const QString t = typed.trimmed();
    if (std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit() || c == u'.'; }))
        return std::pair{t, MarkNotes()};
    const QRegularExpressionMatch m = notes.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    MarkNotes n;
    n.hand = !m.captured(2).isEmpty();
    if (!m.captured(3).isEmpty()) {
        n.wind = m.captured(3).toDouble();
        if (qFuzzyIsNull(*n.wind))
            n.wind = 0.0;
    }
    n.markedAided = !m.captured(4).isEmpty();
    return std::pair{m.captured(1).trimmed(), n};
}

QString MarkNotes::printed(const QString& mark, const QString& timing, std::optional<double> wind,
                           bool aided)
{
    if (mark.isEmpty())
        return mark;
    QString text = mark;
    if (timing == QLatin1String("h")) {
        // A hand time is read to the tenth: "12.40" is printed as it was written, "12.4h".
        if (text.endsWith(QLatin1Char('0')) && text.at(text.size() - 3) == QLatin1Char('.'))
            text.chop(1);
        text += QLatin1Char('h');
    }
    if (aided)
        text += QLatin1Char('w');
    if (wind)
        text += QLatin1Char(' ') + windText(*wind);
    return text;
}

bool MarkNotes::takesWind(int event)
{
    return event == 0 || event == 1 || event == 8 || event == 9;
}
