#include "SqlText.h"

QString escapeSqlText(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    return escaped;
}

QString pinKey(qint64 pin)
{
    return QLatin1String("Pin") + QString::number(pin);
}

qint64 pinFromKey(const QString& key)
{
    QString digits = key;
    digits.remove(QLatin1String("Pin"));
    bool ok = false;
    const qint64 pin = digits.trimmed().toLongLong(&ok);
    return ok ? pin : 0;
}
