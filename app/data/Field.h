#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

// One value of a record: null, or text, a number or a date. Converts to text the way the
// windows and reports show it: numbers without trailing zeros, dates in the locale's short
// form with a four-digit year, and the time of day behind it when it is not midnight.
class Field
{
public:
    enum class Kind
    {
        Null,
        Text,
        Integer,
        Real,
        Date
    };

    Field() = default;
    static Field fromText(const QString& text);
    static Field fromInteger(qint64 value);
    static Field fromReal(double value);
    static Field fromDateTime(const QDateTime& value);
    // A value as the engine returns it; a date column's ISO text becomes a date.
    static Field fromSqlValue(const QVariant& value, bool dateColumn);

    Kind kind() const { return m_kind; }
    bool isNull() const { return m_kind == Kind::Null; }

    // Null gives empty text.
    QString text() const;
    qint64 toInt() const;
    double toDouble() const;
    bool toBool() const;
    QDateTime toDateTime() const;

    static QString numberText(double value);
    static QString dateText(const QDateTime& value);

private:
    Kind m_kind = Kind::Null;
    QString m_text;
    qint64 m_integer = 0;
    double m_real = 0.0;
    QDateTime m_date;
};
