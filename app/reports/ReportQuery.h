#pragma once

#include "data/RecordSet.h"

#include <functional>

// A report's rows: a database error becomes the report's error.
class ReportQuery : public RecordSet
{
public:
    // The rows `read` gives (one of ReportRows').
    explicit ReportQuery(const std::function<RecordSet()>& read);
    // The column's text on the current row; empty past the last row (a missing row is empty).
    QString text(const QString& column) const;
};
