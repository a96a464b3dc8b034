#include "MeetReport.h"

#include "reports/ReportQuery.h"
#include "reports/ReportText.h"
#include "shell/AppContext.h"

namespace {

const char* const kWords[18] = {"",           "100",       "200",     "400",         "800",
                                "1600",       "3200",      "300",     "HIGHJUMP",    "LONGJUMP",
                                "TRIPLEJUMP", "POLEVAULT", "SHOTPUT", "DISCUSTHROW", "400",
                                "800",        "1600",      "3200"};

QString tag(const QString& name)
{
    return QLatin1Char('<') + name + QLatin1Char('>');
}

} // namespace

QString MeetReport::slotWord(int type)
{
    return QString::fromLatin1(kWords[type]);
}

Report MeetReport::build(AppContext& app, qint64 meet)
{
    const QString m = QString::number(meet);
    QList<Report::Replacement> out;
    {
        ReportQuery info(QStringLiteral("SELECT * FROM meets_info WHERE meet_Pin=") + m,
                         app.connection());
        const QString host = info.text(QStringLiteral("HostingSchool"));
        const QString weather = info.text(QStringLiteral("Weather"));
        const QString date = info.text(QStringLiteral("MeetTime"));
        const QString place = info.text(QStringLiteral("Place"));
        out << Report::Replacement{QStringLiteral("<MEETHOST>"), ReportText::rtf(host)}
            << Report::Replacement{QStringLiteral("<MEETWEATHER>"), ReportText::rtf(weather)}
            << Report::Replacement{QStringLiteral("<MEETDATE>"), ReportText::rtf(date)}
            << Report::Replacement{QStringLiteral("<MEETPLACE>"), ReportText::rtf(place)}
            << Report::Replacement{QStringLiteral("<USERNAME>"), ReportText::rtf(app.userName())}
            << Report::Replacement{QStringLiteral("<USERSCHOOL>"), ReportText::rtf(app.school())};
    }

    for (int type = 1; type <= 17; ++type) {
        const bool relay = type >= 14;
        const QString word = slotWord(type);
        ReportQuery rows(QStringLiteral("SELECT * FROM Events_View WHERE Meet_Pin=") + m +
                             QStringLiteral(" AND Type = ") + QString::number(type) +
                             (relay ? QString() : QStringLiteral(" ORDER BY Place ASC")),
                         app.connection());
        // A slot that the meet lacks is filled with empty text.
        auto entry = [&](const QString& runner, const QString& time, const QString& place,
                         const QString& points) {
            out << Report::Replacement{tag(runner),
                                       ReportText::rtf(rows.text(QStringLiteral("Runners_Name")))}
                << Report::Replacement{tag(time),
                                       ReportText::rtf(rows.text(QStringLiteral("MeasureTime")))}
                << Report::Replacement{tag(place),
                                       ReportText::rtf(rows.text(QStringLiteral("Place")))}
                << Report::Replacement{tag(points),
                                       ReportText::rtf(rows.text(QStringLiteral("Points")))};
        };
        if (!relay) {
            entry(QStringLiteral("RUNNER") + word, QStringLiteral("TIME") + word,
                  QStringLiteral("PLACE") + word, QStringLiteral("POINTS") + word);
            rows.moveNext();
            entry(QStringLiteral("2RUNNER") + word, QStringLiteral("2TIME") + word,
                  QStringLiteral("2PLACE") + word, QStringLiteral("2POINTS") + word);
            continue;
        }
        // The relay's result is the one the meet sheet shows and saves: that of the first leg
        // with a runner. A leg whose runner was deleted is an empty slot, and the relay's
        // result stays with the legs that are left.
        QStringList names;
        QString time, place, points;
        for (int leg = 1; leg <= 4; ++leg, rows.moveNext()) {
            names << rows.text(QStringLiteral("Runners_Name"));
            const QString runner = rows.text(QStringLiteral("Runner_Pin"));
            if (time.isNull() && !runner.isEmpty() && runner != QLatin1String("0")) {
                time = rows.text(QStringLiteral("MeasureTime"));
                place = rows.text(QStringLiteral("Place"));
                points = rows.text(QStringLiteral("Points"));
            }
        }
        const QString relayWord = word + QStringLiteral("RELAY");
        out << Report::Replacement{tag(QStringLiteral("1RUNNER") + word), ReportText::rtf(names[0])}
            << Report::Replacement{tag(QStringLiteral("TIME") + relayWord), ReportText::rtf(time)}
            << Report::Replacement{tag(QStringLiteral("PLACE") + relayWord), ReportText::rtf(place)}
            << Report::Replacement{tag(QStringLiteral("POINTS") + relayWord),
                                   ReportText::rtf(points)};
        // The second leg's own placeholder: "<2RUNNER400>" belongs to the 400's second entry.
        for (int leg = 2; leg <= 4; ++leg)
            out << Report::Replacement{tag(QString::number(leg) + QStringLiteral("RUNNER") + word),
                                       ReportText::rtf(names[leg - 1])};
        out << Report::Replacement{tag(QStringLiteral("2RUNNER") + relayWord),
                                   ReportText::rtf(names[1])};
    }
    return Report(QStringLiteral("meet.rtf"), out);
}
