#include "SitePages.h"

#include "records/MeetSheet.h"
#include "reports/SiteAthletePage.h"
#include "reports/TopListReport.h"

SitePages::SitePages(const SiteData& data, const Lists& lists, QDate made)
    : m_data(data), m_lists(lists), m_frame{data.school, made.toString(Qt::ISODate)}
{
    for (const SiteData::Result& r : m_data.results)
        m_names.add(r.runner, r.name, r.unpublished, r.grade);
    for (const auto* all : {&m_lists.records, &m_lists.topTen, &m_lists.byGrade})
        for (const TopMarks::List& list : *all)
            for (const TopMarks::Entry& e : list.entries)
                for (qsizetype i = 0; i < e.runners.size(); ++i)
                    if (!m_names.known(e.runners.at(i)))
                        // An athlete of an all-time list without a result on this site.
                        m_names.add(e.runners.at(i), e.names.at(i), e.unpublished.at(i), e.grade,
                                    false);
}

QString SitePages::page(const QString& title, const QString& root, const QString& body) const
{
    return SitePage::document(m_frame, title, root, body);
}

QString SitePages::meetFile(qint64 meet)
{
    return QStringLiteral("meets/meet-%1.html").arg(meet);
}

QString SitePages::meetTitle(const SiteData::Meet& meet) const
{
    QString title = meet.host.isEmpty() ? QStringLiteral("Meet") : meet.host;
    title += QStringLiteral(", ") +
             (meet.date.isValid() ? meet.date.toString(Qt::ISODate) : QStringLiteral("no date"));
    return title;
}

QString SitePages::index() const
{
    QString body = QStringLiteral("<h1>%1</h1>\n").arg(SitePage::escape(m_data.school));
    QStringList about;
    if (!m_data.mascot.trimmed().isEmpty())
        about << QStringLiteral("The %1").arg(SitePage::escape(m_data.mascot.trimmed()));
    if (!m_data.coach.trimmed().isEmpty())
        about << QStringLiteral("Coach %1").arg(SitePage::escape(m_data.coach.trimmed()));
    if (!about.isEmpty())
        body += QStringLiteral("<p>%1</p>\n").arg(about.join(QStringLiteral(" &middot; ")));
    // The latest meet with a date, else the last one.
    const SiteData::Meet* latest = nullptr;
    for (const SiteData::Meet& m : m_data.meets)
        if (!latest || m.date.isValid())
            latest = &m;
    if (latest)
        body += QStringLiteral("<p>Latest meet: %1</p>\n")
                    .arg(SitePage::link(meetFile(latest->pin), meetTitle(*latest)));
    QMap<int, QList<const SiteData::Meet*>> bySeason;
    QList<const SiteData::Meet*> undated;
    for (const SiteData::Meet& m : m_data.meets)
        (m.date.isValid() ? bySeason[m.date.year()] : undated) << &m;
    for (auto it = bySeason.cend(); it != bySeason.cbegin();) {
        --it;
        body += QStringLiteral("<h2>%1 season</h2>\n<ul>\n").arg(it.key());
        if (m_lists.leaders.contains(it.key()))
            body += QStringLiteral("<li>%1</li>\n")
                        .arg(SitePage::link(QStringLiteral("leaders-%1.html").arg(it.key()),
                                            QStringLiteral("Season leaders")));
        for (const SiteData::Meet* m : *it)
            body += QStringLiteral("<li>%1</li>\n")
                        .arg(SitePage::link(meetFile(m->pin), meetTitle(*m)));
        body += QStringLiteral("</ul>\n");
    }
    if (!undated.isEmpty()) {
        body += QStringLiteral("<h2>Meets without a date</h2>\n<ul>\n");
        for (const SiteData::Meet* m : undated)
            body += QStringLiteral("<li>%1</li>\n")
                        .arg(SitePage::link(meetFile(m->pin), meetTitle(*m)));
        body += QStringLiteral("</ul>\n");
    }
    if (m_data.meets.isEmpty())
        body += QStringLiteral("<p>No meet has been entered yet.</p>\n");
    return page(m_data.school, QString(), body);
}

QString SitePages::athletes() const
{
    QString body = QStringLiteral("<h1>Athletes</h1>\n<ul>\n");
    int listed = 0;
    for (const qint64 runner : m_data.athletes()) {
        if (!m_names.published(runner))
            continue;
        body += QStringLiteral("<li>%1</li>\n").arg(m_names.linked(runner, QString()));
        ++listed;
    }
    body += QStringLiteral("</ul>\n");
    if (listed == 0)
        body = QStringLiteral("<h1>Athletes</h1>\n<p>No athlete has a result yet.</p>\n");
    return page(QStringLiteral("Athletes"), QString(), body);
}

QString SitePages::meet(const SiteData::Meet& meet) const
{
    const QString root = QStringLiteral("../");
    QString body = QStringLiteral("<h1>%1</h1>\n").arg(SitePage::escape(meetTitle(meet)));
    QStringList about;
    if (!meet.place.trimmed().isEmpty())
        about << QStringLiteral("Place: ") + SitePage::escape(meet.place.trimmed());
    if (!meet.weather.trimmed().isEmpty())
        about << QStringLiteral("Weather: ") + SitePage::escape(meet.weather.trimmed());
    if (!about.isEmpty())
        body += QStringLiteral("<p>%1</p>\n").arg(about.join(QStringLiteral("<br>\n")));
    qint64 division = -1, type = -1, relay = -1;
    QList<QStringList> rows;
    QString caption;
    const auto flush = [&] {
        if (!rows.isEmpty())
            body += SitePage::table(caption,
                                    {QStringLiteral("Place"), QStringLiteral("Athlete"),
                                     QStringLiteral("Mark"), QStringLiteral("Points")},
                                    rows);
        rows.clear();
    };
    bool any = false;
    for (const SiteData::Result& r : m_data.results) {
        if (r.meet != meet.pin)
            continue;
        any = true;
        if (r.division != division) {
            flush();
            division = r.division;
            type = -1;
            body += QStringLiteral("<h2>%1</h2>\n")
                        .arg(SitePage::escape(r.divisionName.trimmed().isEmpty()
                                                  ? QStringLiteral("Results")
                                                  : r.divisionName.trimmed()));
        }
        const bool isRelay = r.mark.type > MeetSheet::Individual;
        if (r.mark.type != type || (isRelay && r.relayTeam != relay)) {
            if (r.mark.type != type) {
                flush();
                caption = MeetSheet::eventName(static_cast<int>(r.mark.type) - 1);
            }
            type = r.mark.type;
            relay = r.relayTeam;
            if (isRelay) {
                // A relay team is one row: its place and mark, its legs together.
                rows << QStringList{SitePage::escape(r.place), m_names.linked(r.runner, root),
                                    SitePage::escape(r.mark.text), SitePage::escape(r.points)};
                continue;
            }
        } else if (isRelay) {
            rows.last()[1] += QStringLiteral(", ") + m_names.linked(r.runner, root);
            continue;
        }
        rows << QStringList{SitePage::escape(r.place), m_names.linked(r.runner, root),
                            SitePage::escape(r.mark.text), SitePage::escape(r.points)};
    }
    flush();
    if (!any)
        body += QStringLiteral("<p>No result has been entered for this meet yet.</p>\n");
    return page(meetTitle(meet), root, body);
}

QString SitePages::lists(const QString& title, const QList<TopMarks::List>& all, bool records,
                         const QString& after) const
{
    QString body = QStringLiteral("<h1>%1</h1>\n").arg(SitePage::escape(title));
    bool known = false;
    for (const TopMarks::List& list : all)
        known = known || !list.gender.isEmpty();
    QString gender = QStringLiteral("-");
    QList<QStringList> recordRows;
    const auto flushRecords = [&] {
        if (!recordRows.isEmpty())
            body += SitePage::table(QString(),
                                    {QStringLiteral("Event"), QStringLiteral("Mark"),
                                     QStringLiteral("Athlete"), QStringLiteral("Date"),
                                     QStringLiteral("Meet")},
                                    recordRows);
        recordRows.clear();
    };
    for (const TopMarks::List& list : all) {
        if (known && list.gender != gender) {
            flushRecords();
            gender = list.gender;
            body += QStringLiteral("<h2>%1</h2>\n").arg(TopMarks::heading(gender));
        }
        const QString event = MeetSheet::eventName(list.type - 1);
        QList<QStringList> rows;
        for (const TopMarks::Entry& e : list.entries) {
            QStringList names;
            for (const qint64 runner : e.runners)
                names << m_names.linked(runner, QString());
            const QStringList row{SitePage::escape(e.mark), names.join(QStringLiteral(", ")),
                                  SitePage::date(e.date), SitePage::escape(e.host)};
            if (records) {
                recordRows << (QStringList{SitePage::escape(event)} + row);
                break;
            }
            rows << (QStringList{QString::number(e.place)} + row);
        }
        if (!records)
            body += SitePage::table(event,
                                    {QStringLiteral("Place"), QStringLiteral("Mark"),
                                     QStringLiteral("Athlete"), QStringLiteral("Date"),
                                     QStringLiteral("Meet")},
                                    rows);
    }
    flushRecords();
    if (all.isEmpty())
        body += QStringLiteral("<p>No mark has been recorded yet.</p>\n");
    return page(title, QString(), body + after);
}

QString SitePages::gradeRecords() const
{
    QString body;
    QList<QStringList> rows;
    QString caption;
    const auto flush = [&] {
        if (!rows.isEmpty())
            body += SitePage::table(caption,
                                    {QStringLiteral("Event"), QStringLiteral("Mark"),
                                     QStringLiteral("Athlete"), QStringLiteral("Date")},
                                    rows);
        rows.clear();
    };
    for (const TopMarks::List& list : m_lists.byGrade) {
        if (list.entries.isEmpty())
            continue;
        const QString group = TopMarks::heading(list.gender) + QStringLiteral(", ") +
                              TopListReport::gradeName(list.grade.value_or(0));
        if (group != caption) {
            flush();
            caption = group;
        }
        const TopMarks::Entry& e = list.entries.first();
        rows << QStringList{SitePage::escape(MeetSheet::eventName(list.type - 1)),
                            SitePage::escape(e.mark), m_names.linked(e.runners.value(0), QString()),
                            SitePage::date(e.date)};
    }
    flush();
    return body.isEmpty() ? QString() : QStringLiteral("<h2>Records by grade</h2>\n") + body;
}

QMap<QString, QByteArray> SitePages::build() const
{
    QMap<QString, QByteArray> files;
    files.insert(QStringLiteral("style.css"), SitePage::styleSheet());
    files.insert(QStringLiteral("index.html"), index().toUtf8());
    files.insert(QStringLiteral("athletes.html"), athletes().toUtf8());
    files.insert(
        QStringLiteral("records.html"),
        lists(QStringLiteral("School records"), m_lists.records, true, gradeRecords()).toUtf8());
    files.insert(QStringLiteral("top-ten.html"),
                 lists(QStringLiteral("Top ten of all time"), m_lists.topTen, false).toUtf8());
    for (auto it = m_lists.leaders.cbegin(); it != m_lists.leaders.cend(); ++it)
        files.insert(QStringLiteral("leaders-%1.html").arg(it.key()),
                     lists(QStringLiteral("Season leaders %1").arg(it.key()), *it, false).toUtf8());
    for (const SiteData::Meet& m : m_data.meets)
        files.insert(meetFile(m.pin), meet(m).toUtf8());
    for (const qint64 runner : m_data.athletes())
        if (!m_names.file(runner).isEmpty())
            files.insert(m_names.file(runner),
                         SiteAthletePage::html(m_data, m_names, runner, m_frame).toUtf8());
    return files;
}
