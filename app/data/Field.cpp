#include "Field.h"

#include <QLocale>
#include <cmath>

Field Field::fromText(const QString& text)
{
    Field f;
    f.m_kind = Kind::Text;
    f.m_text = text;
    return f;
}

Field Field::fromInteger(qint64 value)
{
    Field f;
    f.m_kind = Kind::Integer;
    f.m_integer = value;
    return f;
}

Field Field::fromReal(double value)
{
    Field f;
    f.m_kind = Kind::Real;
    f.m_real = value;
    return f;
}

Field Field::fromDateTime(const QDateTime& value)
{
    Field f;
    f.m_kind = Kind::Date;
    f.m_date = value;
    return f;
}

// The program writes ISO dates; older files hold the US short forms that other programs wrote
// ("10/12/2024", "10/12/2024 3:30:00 PM"), read here so that they sort and show as dates.
static QDateTime parseIsoDateTime(const QString& text)
{
    const QString t = text.trimmed();
    // A plain date, the form most meets have, without the slower parse by formats.
    if (t.size() == 10 && t[4] == QLatin1Char('-') && t[7] == QLatin1Char('-')) {
        const QDateTime d(QDate::fromString(t, Qt::ISODate), QTime(0, 0));
        if (d.isValid())
            return d;
    }
    for (const char* format : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd HH:mm",
                               "yyyy-MM-dd", "M/d/yyyy", "M/d/yyyy h:mm:ss AP", "M/d/yyyy h:mm AP",
                               "M/d/yyyy H:mm:ss", "M/d/yyyy H:mm"}) {
        QDateTime d = QDateTime::fromString(t, QLatin1String(format));
        if (d.isValid())
            return d;
    }
    return {};
}

Field Field::fromSqlValue(const QVariant& value, bool dateColumn)
{
    if (value.isNull() || !value.isValid())
        return Field();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return fromInteger(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        return fromReal(d);
    }
    default:
        break;
    }
    const QString text = value.toString();
    if (dateColumn) {
        const QDateTime d = parseIsoDateTime(text);
        if (d.isValid())
            return fromDateTime(d);
    }
    return fromText(text);
}

QString Field::numberText(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

QString Field::dateText(const QDateTime& value)
{
    const QLocale locale;
    // The locale's short form, but always with the full year: a team's history spans
    // decades, and "4/12/26" could be either century.
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    QString text = locale.toString(value.date(), format);
    if (value.time().isValid() && value.time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(value.time(), QLocale::ShortFormat);
    return text;
}

QString Field::text() const
{
    switch (m_kind) {
    case Kind::Null:
        return {};
    case Kind::Text:
        return m_text;
    case Kind::Integer:
        return QString::number(m_integer);
    case Kind::Real:
        return numberText(m_real);
    case Kind::Date:
        return dateText(m_date);
    }
    return {};
}

qint64 Field::toInt() const
{
    switch (m_kind) {
    case Kind::Integer:
        return m_integer;
    case Kind::Real:
        return static_cast<qint64>(std::llround(m_real));
    case Kind::Text:
        return m_text.trimmed().toLongLong();
    default:
        return 0;
    }
}

double Field::toDouble() const
{
    switch (m_kind) {
    case Kind::Integer:
        return static_cast<double>(m_integer);
    case Kind::Real:
        return m_real;
    case Kind::Text:
        return m_text.trimmed().toDouble();
    default:
        return 0.0;
    }
}

bool Field::toBool() const
{
    if (m_kind == Kind::Text) {
        const QString t = m_text.trimmed().toLower();
        return t == QLatin1String("true") || t == QLatin1String("yes") || t.toDouble() != 0.0;
    }
    return toDouble() != 0.0;
}

QDateTime Field::toDateTime() const
{
    if (m_kind == Kind::Date)
        return m_date;
    if (m_kind == Kind::Text)
        return parseIsoDateTime(m_text);
    return {};
}
