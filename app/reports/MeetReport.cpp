#include "MeetReport.h"

#include "data/Connection.h"
#include "records/AppContext.h"
#include "records/Bests.h"
#include "reports/ReportQuery.h"
#include "reports/ReportText.h"

#include <algorithm>

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

QList<MeetReport::Entry> MeetReport::sheetOrder(RecordSet& rows, bool relay)
{
    QList<Entry> placed, unplaced;
    for (; !rows.eof(); rows.moveNext()) {
        if (rows.field(QStringLiteral("Runners_Name")).isNull())
            continue;
        Entry e{rows.field(QStringLiteral("Runners_Name")).text(),
                rows.field(QStringLiteral("MeasureTime")).text(),
                rows.field(QStringLiteral("Place")).text(),
                rows.field(QStringLiteral("Points")).text(),
                rows.field(QStringLiteral("Place")).toDouble(),
                rows.field(QStringLiteral("JoinPin")).toInt()};
        if (e.order > 0)
            placed << e;
        else
            unplaced << e;
    }
    if (relay) {
        // The legs in the order they were entered; the result is the first leg's.
        QList<Entry> legs = placed + unplaced;
        std::sort(legs.begin(), legs.end(),
                  [](const Entry& a, const Entry& b) { return a.join < b.join; });
        if (!legs.isEmpty() && legs[0].order <= 0)
            legs[0].place.clear();
        return legs;
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Entry& a, const Entry& b) { return a.order < b.order; });
    // An entry that was not placed has no place to print.
    for (Entry& e : unplaced)
        e.place.clear();
    return placed + unplaced;
}

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

    // A runner's PR or SB as of this meet follows the name of an individual entry.
    const QHash<qint64, Bests::Flag> flags = Bests::flagsOfMeet(app.connection(), meet);
    for (int type = 1; type <= 17; ++type) {
        const bool relay = type >= 14;
        const QString word = slotWord(type);
        ReportQuery rows(QStringLiteral("SELECT * FROM Events_View WHERE Meet_Pin=") + m +
                             QStringLiteral(" AND Type = ") + QString::number(type) +
                             (relay ? SqlDialect::storedOrder(app.connection().engine(),
                                                              QStringLiteral("JoinPin"))
                                    : QStringLiteral(" ORDER BY Place ASC") +
                                          SqlDialect::tiesInStoredOrder(app.connection().engine(),
                                                                        QStringLiteral("JoinPin"))),
                         app.connection());
        QList<Entry> entries = sheetOrder(rows, relay);
        for (Entry& e : entries)
            if (!relay)
                e.name += Bests::word(flags.value(e.join));
        // A slot that the meet lacks, or that has no runner, is filled with empty text.
        const Entry none;
        auto at = [&entries, &none](int i) -> const Entry& {
            return i < entries.size() ? entries[i] : none;
        };
        auto entry = [&out](const Entry& e, const QString& runner, const QString& time,
                            const QString& place, const QString& points) {
            out << Report::Replacement{tag(runner), ReportText::rtf(e.name)}
                << Report::Replacement{tag(time), ReportText::rtf(e.time)}
                << Report::Replacement{tag(place), ReportText::rtf(e.place)}
                << Report::Replacement{tag(points), ReportText::rtf(e.points)};
        };
        if (!relay) {
            entry(at(0), QStringLiteral("RUNNER") + word, QStringLiteral("TIME") + word,
                  QStringLiteral("PLACE") + word, QStringLiteral("POINTS") + word);
            entry(at(1), QStringLiteral("2RUNNER") + word, QStringLiteral("2TIME") + word,
                  QStringLiteral("2PLACE") + word, QStringLiteral("2POINTS") + word);
            continue;
        }
        // The relay's result is the one the meet sheet shows and saves: that of the first leg
        // with a runner. A leg whose runner was deleted is an empty slot, and the relay's
        // result stays with the legs that are left.
        const QString relayWord = word + QStringLiteral("RELAY");
        entry(at(0), QStringLiteral("1RUNNER") + word, QStringLiteral("TIME") + relayWord,
              QStringLiteral("PLACE") + relayWord, QStringLiteral("POINTS") + relayWord);
        // The second leg's own placeholder: "<2RUNNER400>" belongs to the 400's second entry.
        for (int leg = 2; leg <= 4; ++leg)
            out << Report::Replacement{tag(QString::number(leg) + QStringLiteral("RUNNER") + word),
                                       ReportText::rtf(at(leg - 1).name)};
        out << Report::Replacement{tag(QStringLiteral("2RUNNER") + relayWord),
                                   ReportText::rtf(at(1).name)};
    }
    return Report(QStringLiteral("meet.rtf"), out);
}
