#include "ReportSubject.h"

#include "data/RecordSet.h"

namespace {

bool exists(Connection& db, const char* table, qint64 pin)
{
    RecordSet rs(
        QStringLiteral("SELECT Pin FROM %1 WHERE Pin=%2").arg(QLatin1String(table)).arg(pin), db);
    return !rs.eof();
}

QString noSuch(const char* what, qint64 pin)
{
    return QStringLiteral("There is no %1 with Pin %2.").arg(QLatin1String(what)).arg(pin);
}

} // namespace

QString ReportSubject::missing(Connection& db, const ReportRequest& request)
{
    switch (request.kind) {
    case ReportRequest::Kind::Runner:
        return exists(db, "Runners", request.pin) ? QString() : noSuch("runner", request.pin);
    case ReportRequest::Kind::Meet:
        return exists(db, "Meets", request.pin) ? QString() : noSuch("meet", request.pin);
    case ReportRequest::Kind::Team:
    case ReportRequest::Kind::Records:
    case ReportRequest::Kind::TopTen:
    case ReportRequest::Kind::SeasonLeaders:
        return exists(db, "Teams", request.pin) ? QString() : noSuch("team", request.pin);
    case ReportRequest::Kind::Event:
        if (!exists(db, "EventType", request.pin))
            return noSuch("event", request.pin);
        return exists(db, "Teams", request.team) ? QString() : noSuch("team", request.team);
    }
    return QString();
}
