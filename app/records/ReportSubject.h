#pragma once

#include "records/ReportRequest.h"

#include <QString>

class Connection;

// What a report is about, checked before it is made: a report of a runner, team, meet or
// event type that is not in the database would print as an empty form.
class ReportSubject
{
public:
    // Empty when everything the request names is there; otherwise what is missing, as a
    // sentence. Throws DatabaseError when the database cannot be read.
    static QString missing(Connection& db, const ReportRequest& request);
};
