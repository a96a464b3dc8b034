#include "ResultsExport.h"

#include "data/Connection.h"
#include "data/MarkOrder.h"
#include "data/RecordSet.h"
#include "records/CsvText.h"
#include "records/HandTimes.h"
#include "records/MarkNotes.h"
#include "records/Season.h"

#include <QDateTime>
#include <QHash>

QStringList ResultsExport::header()
{
    return {QStringLiteral("Date"),   QStringLiteral("Host"),       QStringLiteral("Meet place"),
            QStringLiteral("Event"),  QStringLiteral("Athlete"),    QStringLiteral("Team"),
            QStringLiteral("Mark"),   QStringLiteral("Mark value"), QStringLiteral("Place"),
            QStringLiteral("Points"), QStringLiteral("Division"),   QStringLiteral("Gender"),
            QStringLiteral("Timing"), QStringLiteral("Wind"),       QStringLiteral("Converted")};
}

QString ResultsExport::csv(Connection& db, Scope scope)
{
    QString where = QStringLiteral(" WHERE ev.Runner_Pin <> 0 AND ev.Runners_Name IS NOT NULL");
    if (scope.meet)
        where += QStringLiteral(" AND ev.Meet_Pin = ") + QString::number(*scope.meet);
    where += Season::condition(scope.season)
                 .replace(QLatin1String("MeetTime"), QLatin1String("ev.MeetTime"));
    RecordSet rs(SqlDialect::text(SqlDialect::Statement::ResultsExport, db.engine()).arg(where),
                 db);
    // The columns in the file's order, then the mark's parts; each read by its place, as an
    // export has tens of thousands of rows.
    enum Column
    {
        Held,
        Host,
        MeetPlace,
        Event,
        Athlete,
        Team,
        Mark,
        Place,
        Points,
        DivisionName,
        MarkGender,
        Type,
        Measure1,
        Measure2,
        Timing,
        Wind,
        Aided
    };
    QString out = CsvText::line(header());
    out.reserve(rs.rowCount() * 96);
    QHash<QString, QString> dates;
    for (; !rs.eof(); rs.moveNext()) {
        // The meet's time comes as text, each date parsed once.
        const QString held = rs.field(Held).text();
        QString& date = dates[held];
        if (date.isEmpty())
            date = Field::fromSqlValue(held, true).toDateTime().date().toString(Qt::ISODate);
        const qint64 type = rs.field(Type).toInt();
        const double value =
            MarkOrder::value(type, rs.field(Measure1).toDouble(), rs.field(Measure2).toDouble());
        // "hand" or "auto" for a time; the wind with its sign, or "w" for an aided mark without
        // one; the value a hand time ranks by where it was converted.
        const bool hand = rs.field(Timing).text() == QLatin1String("h");
        const double ranked = HandTimes::ranked(type, value, hand);
        const QString timing = MarkOrder::isField(type) || value == 0 ? QString()
                               : hand                                 ? QStringLiteral("hand")
                                                                      : QStringLiteral("auto");
        QString wind =
            rs.field(Wind).isNull() ? QString() : MarkNotes::windText(rs.field(Wind).toDouble());
        if (rs.field(Aided).toInt() != 0 && wind.isEmpty())
            wind = QStringLiteral("w");
        CsvText::append(out, {date, rs.field(Host).text(), rs.field(MeetPlace).text(),
                              rs.field(Event).text(), rs.field(Athlete).text(),
                              rs.field(Team).text(), rs.field(Mark).text(),
                              value == 0 ? QString() : QString::number(value, 'f', 2),
                              rs.field(Place).text(), rs.field(Points).text(),
                              rs.field(DivisionName).text(), rs.field(MarkGender).text(), timing,
                              wind, ranked == value ? QString() : QString::number(ranked, 'f', 2)});
    }
    return out;
}
