#include "SheetNumber.h"

#include <QRegularExpression>

std::optional<QString> SheetNumber::sqlLiteral(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return QStringLiteral("0");
    static const QRegularExpression number(
        QStringLiteral("^(\\d{1,6})(\\.\\d{0,3})?$|^\\.\\d{1,3}$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    QString literal = text;
    if (literal.startsWith(QLatin1Char('.')))
        literal.prepend(QLatin1Char('0'));
    if (literal.endsWith(QLatin1Char('.')))
        literal.chop(1);
    return literal;
}

double SheetNumber::value(const QString& typed)
{
    const std::optional<QString> literal = sqlLiteral(typed);
    return literal ? literal->toDouble() : 0;
}

QString SheetNumber::rule()
{
    return QStringLiteral("a number such as 3 or 11.42 (no more than six digits before the point "
                          "and three after it)");
}
