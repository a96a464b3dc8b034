#include "RowsStatement.h"

#include "data/Connection.h"

#include <QStringList>

void RowsStatement::run(Connection& db, const QString& head, const QString& row,
                        const QList<QVariantList>& rows, const QString& tail)
{
    constexpr qsizetype kRowsPerStatement = 500;
    for (qsizetype from = 0; from < rows.size(); from += kRowsPerStatement) {
        QStringList placeholders;
        QVariantList values;
        for (const QVariantList& one : rows.mid(from, kRowsPerStatement)) {
            placeholders << row;
            values << one;
        }
        db.execute(head + placeholders.join(QStringLiteral(", ")) + tail, values);
    }
}
