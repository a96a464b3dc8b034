#pragma once

#include "records/SiteData.h"
#include "records/TopMarks.h"
#include "reports/SiteNames.h"
#include "reports/SitePage.h"

#include <QByteArray>
#include <QMap>

// Every page of a team's website, by its path in the site's folder: the index (the team, its
// seasons and meets, the latest meet), one page a meet with its results division by division,
// the athletes, one page an athlete, the records, the top ten and each season's leaders.
class SitePages
{
public:
    struct Lists
    {
        QList<TopMarks::List> records, topTen;
        QList<TopMarks::List> byGrade;            // the records of each grade
        QMap<int, QList<TopMarks::List>> leaders; // by season
    };
    SitePages(const SiteData& data, const Lists& lists, QDate made);

    QMap<QString, QByteArray> build() const;

private:
    QString index() const;
    QString athletes() const;
    QString meet(const SiteData::Meet& meet) const;
    // Top lists, or the records (the first of each list only).
    QString lists(const QString& title, const QList<TopMarks::List>& lists, bool records,
                  const QString& after = {}) const;
    // The records of each grade, a table a gender and grade.
    QString gradeRecords() const;
    QString meetTitle(const SiteData::Meet& meet) const;
    static QString meetFile(qint64 meet);
    QString page(const QString& title, const QString& root, const QString& body) const;

    const SiteData& m_data;
    const Lists& m_lists;
    SitePage::Frame m_frame;
    SiteNames m_names;
};
