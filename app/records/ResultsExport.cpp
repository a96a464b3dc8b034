#include "ResultsExport.h"

#include "data/MarkOrder.h"
#include "data/RecordSet.h"
#include "records/CsvText.h"
#include "records/Season.h"

#include <QDateTime>
#include <QHash>

QStringList ResultsExport::header()
{
    return {QStringLiteral("Date"),  QStringLiteral("Host"),       QStringLiteral("Meet place"),
            QStringLiteral("Event"), QStringLiteral("Athlete"),    QStringLiteral("Team"),
            QStringLiteral("Mark"),  QStringLiteral("Mark value"), QStringLiteral("Place"),
            QStringLiteral("Points")};
}

QString ResultsExport::csv(Connection& db, Scope scope)
{
    QString where = QStringLiteral(" WHERE ev.Runner_Pin <> 0 AND ev.Runners_Name IS NOT NULL");
    if (scope.meet)
        where += QStringLiteral(" AND ev.Meet_Pin = ") + QString::number(*scope.meet);
    where += Season::condition(scope.season)
                 .replace(QLatin1String("MeetTime"), QLatin1String("ev.MeetTime"));
    QString out = CsvText::line(header());
    QHash<QString, QString> dates;
    // The meet's time comes as text, each date parsed once: an export has tens of thousands.
    for (RecordSet rs(QStringLiteral("SELECT ev.MeetTime AS Held, ev.HostingSchool, ev.EventName, "
                                     "ev.Runners_Name, ev.MeasureTime, ev.Measure1, ev.Measure2, "
                                     "ev.Place, ev.Points, ev.Type, m.Place AS MeetPlace, t.School "
                                     "AS Team FROM "
                                     "Events_View ev JOIN Meets m ON m.Pin = ev.Meet_Pin LEFT "
                                     "JOIN Runner_to_Team rt ON rt.Runner_Pin = ev.Runner_Pin "
                                     "LEFT JOIN Teams t ON t.Pin = rt.Team_Pin") +
                          where +
                          QStringLiteral(" ORDER BY ev.MeetTime, ev.Meet_Pin, ev.Type, "
                                         "ev.JoinPin"),
                      db);
         !rs.eof(); rs.moveNext()) {
        const QString held = rs.field(QStringLiteral("Held")).text();
        QString& date = dates[held];
        if (date.isEmpty())
            date = Field::fromSqlValue(held, true).toDateTime().date().toString(Qt::ISODate);
        const qint64 type = rs.field(QStringLiteral("Type")).toInt();
        const double value = MarkOrder::value(type, rs.field(QStringLiteral("Measure1")).toDouble(),
                                              rs.field(QStringLiteral("Measure2")).toDouble());
        out += CsvText::line({date, rs.field(QStringLiteral("HostingSchool")).text(),
                              rs.field(QStringLiteral("MeetPlace")).text(),
                              rs.field(QStringLiteral("EventName")).text(),
                              rs.field(QStringLiteral("Runners_Name")).text(),
                              rs.field(QStringLiteral("Team")).text(),
                              rs.field(QStringLiteral("MeasureTime")).text(),
                              value == 0 ? QString() : QString::number(value, 'f', 2),
                              rs.field(QStringLiteral("Place")).text(),
                              rs.field(QStringLiteral("Points")).text()});
    }
    return out;
}
