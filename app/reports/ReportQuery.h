#pragma once

#include "data/RecordSet.h"

class Connection;

// A report's query: a database error becomes the report's error.
class ReportQuery : public RecordSet
{
public:
    ReportQuery(const QString& sql, Connection& connection) : ReportQuery(sql, {}, connection) {}
    // With the values bound to the query's "?" in order.
    ReportQuery(const QString& sql, const QVariantList& values, Connection& connection);
    // The column's text on the current row; empty past the last row (a missing row is empty).
    QString text(const QString& column) const;
};
