#include "SiteNames.h"

#include "records/PublishedName.h"
#include "reports/SitePage.h"

void SiteNames::add(qint64 runner, const QString& stored, bool unpublished,
                    std::optional<int> grade, bool page)
{
    Runner& r = m_runners[runner];
    r.stored = stored;
    r.unpublished = unpublished;
    r.page = page;
    if (grade)
        r.grade = grade;
}

bool SiteNames::published(qint64 runner) const
{
    const auto it = m_runners.constFind(runner);
    return it != m_runners.cend() && !it->unpublished;
}

QString SiteNames::name(qint64 runner) const
{
    const auto it = m_runners.constFind(runner);
    if (it == m_runners.cend())
        return PublishedName::anonymous();
    return PublishedName::of(it->stored, it->unpublished, it->grade);
}

QString SiteNames::file(qint64 runner) const
{
    if (!published(runner) || !m_runners.value(runner).page)
        return {};
    // The file is named without the grade, so that it stays when the grade changes.
    const Runner& r = m_runners.value(runner);
    return QStringLiteral("athletes/") +
           PublishedName::fileName(PublishedName::of(r.stored, false, std::nullopt), runner);
}

QString SiteNames::linked(qint64 runner, const QString& root) const
{
    const QString page = file(runner);
    return page.isEmpty() ? SitePage::escape(name(runner))
                          : SitePage::link(root + page, name(runner));
}
