#include "SiteAthletePage.h"

#include "records/MeetSheet.h"
#include "reports/SiteChart.h"

#include <QHash>

QString SiteAthletePage::html(const SiteData& data, const SiteNames& names, qint64 runner,
                              const SitePage::Frame& frame)
{
    const QString root = QStringLiteral("../");
    QHash<qint64, const SiteData::Meet*> meets;
    for (const SiteData::Meet& m : data.meets)
        meets.insert(m.pin, &m);
    const auto meetLink = [&](qint64 meet) {
        const SiteData::Meet* m = meets.value(meet);
        if (!m)
            return QString();
        return SitePage::link(root + QStringLiteral("meets/meet-%1.html").arg(meet),
                              m->host.isEmpty() ? QStringLiteral("Meet") : m->host);
    };
    QList<Bests::Mark> marks;
    QHash<qint64, qint64> meetOfJoin;
    QList<QStringList> results;
    for (const SiteData::Result& r : data.results) {
        if (r.runner != runner)
            continue;
        meetOfJoin.insert(r.mark.join, r.meet);
        if (r.mark.value != 0)
            marks << r.mark;
        results << QStringList{
            SitePage::date(r.mark.date), meetLink(r.meet),
            SitePage::escape(MeetSheet::eventName(static_cast<int>(r.mark.type) - 1)),
            SitePage::escape(r.mark.text), SitePage::escape(r.place)};
    }
    Bests::sortByMeet(marks);
    const QMap<qint64, Bests::Event> bests = Bests::of(marks);

    const QString name = names.name(runner);
    QString body = QStringLiteral("<h1>%1</h1>\n").arg(SitePage::escape(name));
    QList<QStringList> prRows, sbRows;
    for (auto it = bests.cbegin(); it != bests.cend(); ++it) {
        const QString event =
            SitePage::escape(MeetSheet::eventName(static_cast<int>(it.key()) - 1));
        prRows << QStringList{event, SitePage::escape(it->prText()), SitePage::date(it->pr.date),
                              meetLink(meetOfJoin.value(it->pr.join))};
        for (const Bests::Mark& sb : it->seasonBests)
            sbRows << QStringList{QString::number(sb.date.year()), event, SitePage::escape(sb.text),
                                  SitePage::date(sb.date)};
    }
    if (!prRows.isEmpty())
        body += SitePage::table(QStringLiteral("Personal bests (PR)"),
                                {QStringLiteral("Event"), QStringLiteral("PR"),
                                 QStringLiteral("Date"), QStringLiteral("Meet")},
                                prRows);
    if (!sbRows.isEmpty())
        body += SitePage::table(QStringLiteral("Season bests (SB)"),
                                {QStringLiteral("Season"), QStringLiteral("Event"),
                                 QStringLiteral("Mark"), QStringLiteral("Date")},
                                sbRows);
    // A chart an event, for the events with two marks or more.
    for (auto it = bests.cbegin(); it != bests.cend(); ++it) {
        QList<Bests::Mark> ofEvent;
        for (const Bests::Mark& m : marks)
            if (m.type == it.key())
                ofEvent << m;
        if (ofEvent.size() < 2)
            continue;
        const QString event = MeetSheet::eventName(static_cast<int>(it.key()) - 1);
        const QString chart =
            SiteChart::svg(ofEvent, event, it->pr, QStringLiteral("chart-%1").arg(it.key()));
        if (!chart.isEmpty())
            body += QStringLiteral("<h2>%1</h2>\n<figure>\n%2</figure>\n")
                        .arg(SitePage::escape(event), chart);
    }
    body +=
        QStringLiteral("<h2>Results</h2>\n") +
        SitePage::table(QString(),
                        {QStringLiteral("Date"), QStringLiteral("Meet"), QStringLiteral("Event"),
                         QStringLiteral("Mark"), QStringLiteral("Place")},
                        results);
    return SitePage::document(frame, name, root, body);
}
