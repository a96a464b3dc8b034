#include "ReportQuery.h"

#include "data/DatabaseError.h"
#include "reports/ReportError.h"

ReportQuery::ReportQuery(const QString& sql, const QVariantList& values, Connection& connection)
{
    try {
        open(sql, values, connection);
    } catch (const DatabaseError& e) {
        throw ReportError(QStringLiteral("The report's data cannot be read: ") + e.message());
    }
}

QString ReportQuery::text(const QString& column) const
{
    if (eof())
        return {};
    try {
        return field(column).text();
    } catch (const DatabaseError& e) {
        throw ReportError(QStringLiteral("The report's data cannot be read: ") + e.message());
    }
}
