#include "ReportQuery.h"

#include "data/DatabaseError.h"
#include "reports/ReportError.h"

ReportQuery::ReportQuery(const std::function<RecordSet()>& read)
{
    try {
        RecordSet::operator=(read());
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
