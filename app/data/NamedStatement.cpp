#include "NamedStatement.h"

#include "data/Connection.h"
#include "data/SqlText.h"

namespace {

QString written(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QStringLiteral("NULL");
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 17);
    default:
        return escapeSqlText(value.toString());
    }
}

} // namespace

QString NamedStatement::filled(const QString& text, const QVariantList& values)
{
    QString out;
    out.reserve(text.size() + 64);
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype end = i + 1;
        while (text.at(i) == QLatin1Char('%') && end < text.size() && text.at(end).isDigit())
            ++end;
        const qsizetype n = end > i + 1 ? text.mid(i + 1, end - i - 1).toLongLong() : 0;
        if (n < 1 || n > values.size()) {
            out += text.at(i);
            continue;
        }
        out += written(values.at(n - 1));
        i = end - 1;
    }
    return out;
}

void NamedStatement::execute(Connection& db, SqlDialect::Statement statement,
                             const QVariantList& values)
{
    const QString text = SqlDialect::text(statement, db.engine());
    if (db.engine() == SqlDialect::Engine::Server)
        db.execute(text, values);
    else
        db.execute(filled(text, values));
}
