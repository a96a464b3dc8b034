#pragma once

#include <QHash>
#include <QString>
#include <optional>

// The names a team's website prints and the pages of its athletes: each runner as Options ›
// Publishing names them, "Athlete" without a page for one kept off the site.
class SiteNames
{
public:
    // A runner's latest grade wins: the site names an athlete as of their last result on it.
    // A runner named on the site without a result on it (in an all-time list) has no page.
    void add(qint64 runner, const QString& stored, bool unpublished, std::optional<int> grade,
             bool page = true);
    bool known(qint64 runner) const { return m_runners.contains(runner); }
    QString name(qint64 runner) const;
    // "athletes/<name>-<pin>.html", or nothing for a runner without a page.
    QString file(qint64 runner) const;
    // The name as HTML: a link to the athlete's page from a page `root` below the site's
    // folder, or the name alone.
    QString linked(qint64 runner, const QString& root) const;
    bool published(qint64 runner) const;

private:
    struct Runner
    {
        QString stored;
        bool unpublished = false;
        std::optional<int> grade;
        bool page = true;
    };
    QHash<qint64, Runner> m_runners;
};
