#include "TopListReport.h"

#include "records/AppContext.h"
#include "records/MeetSheet.h"
#include "records/TopMarks.h"
#include "records/TrackLists.h"
#include "reports/ReportError.h"
#include "reports/ReportText.h"
#include "reports/TeamHeader.h"

#include "data/DatabaseError.h"

namespace {

const QString Line = QStringLiteral("\\line ");

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

// One event's places: the place, the mark, the athlete (a relay's legs on the lines below),
// the date and the meet.
QString rows(const TopMarks::List& list)
{
    QString text = QStringLiteral("{\\b ") + ReportText::rtf(MeetSheet::eventName(list.type - 1)) +
                   QStringLiteral("}") + Line;
    for (const TopMarks::Entry& e : list.entries) {
        // A mark too long for its column ("22.44c (22.2h -0.4)") goes on below its first
        // word, so that the athlete, date and meet stay in theirs.
        QString mark = e.mark, below;
        if (mark.size() > 11 && mark.contains(QLatin1Char(' '))) {
            below = mark.section(QLatin1Char(' '), 1);
            mark = mark.section(QLatin1Char(' '), 0, 0);
        }
        text += ReportText::column(QString::number(e.place) + QLatin1Char('.'), 4) +
                ReportText::column(mark, 12) + ReportText::column(e.names.value(0), 24) +
                ReportText::column(e.heldText, 11) + ReportText::rtf(e.host) + Line;
        const QStringList legs = e.names.mid(1);
        for (qsizetype i = 0; i < std::max<qsizetype>(legs.size(), below.isEmpty() ? 0 : 1); ++i)
            text += blanks(4) + ReportText::column(i == 0 ? below : QString(), 12) +
                    ReportText::rtf(legs.value(i)) + Line;
    }
    return text;
}

} // namespace

QString TopListReport::lists(AppContext& app, qint64 team, std::optional<int> season,
                             const QString& gender)
{
    QList<TopMarks::List> all;
    try {
        all = TopMarks::read(app.connection(), team, season);
    } catch (const DatabaseError& e) {
        throw ReportError(QStringLiteral("The report's data cannot be read: ") + e.message());
    }
    bool known = false;
    for (const TopMarks::List& list : all)
        known = known || !list.gender.isEmpty();
    QString text;
    QString current = QStringLiteral("-");
    for (const TopMarks::List& list : all) {
        if (!gender.isEmpty() && list.gender != gender)
            continue;
        if (known && list.gender != current) {
            // A gender's heading, set apart from the lists before it.
            text += (text.isEmpty() ? QString()
                                    : QStringLiteral("\\par\\pard\\sb360\\plain\\f1\\fs18 ")) +
                    QStringLiteral("{\\f0\\fs22\\b ") +
                    ReportText::rtf(TopMarks::heading(list.gender)) + QStringLiteral("}") + Line;
            current = list.gender;
        }
        text += Line + rows(list);
    }
    if (text.isEmpty())
        text = season ? QStringLiteral("No mark has been recorded in %1.").arg(*season)
                      : QStringLiteral("No mark has been recorded yet.");
    return text;
}

QString TopListReport::gradeName(int grade)
{
    static const char* const names[] = {"Freshman", "Sophomore", "Junior", "Senior"};
    if (grade >= 9 && grade <= 12)
        return QLatin1String(names[grade - 9]);
    return QStringLiteral("Grade %1").arg(grade);
}

QString TopListReport::byGrade(AppContext& app, qint64 team, const QString& gender)
{
    QList<TopMarks::List> all;
    try {
        all = TopMarks::read(app.connection(), team, std::nullopt, 1, true);
    } catch (const DatabaseError& e) {
        throw ReportError(QStringLiteral("The report's data cannot be read: ") + e.message());
    }
    QString text;
    std::pair<QString, int> current{QStringLiteral("-"), 0};
    for (const TopMarks::List& list : all) {
        if ((!gender.isEmpty() && list.gender != gender) || list.entries.isEmpty())
            continue;
        const std::pair<QString, int> group{list.gender, list.grade.value_or(0)};
        if (group != current) {
            text += Line + QStringLiteral("{\\b ") +
                    ReportText::rtf(TopMarks::heading(list.gender) + QStringLiteral(", ") +
                                    gradeName(group.second)) +
                    QStringLiteral("}") + Line;
            current = group;
        }
        // The record alone: a tie stays with the earlier mark.
        const TopMarks::Entry& e = list.entries.first();
        text += ReportText::column(MeetSheet::eventName(list.type - 1), 19) +
                ReportText::column(e.mark, 12) + ReportText::column(e.names.value(0), 24) +
                ReportText::column(e.heldText, 11) + ReportText::rtf(e.host) + Line;
    }
    return text;
}

Report TopListReport::build(AppContext& app, qint64 team, std::optional<int> season, bool leaders,
                            const QString& gender)
{
    if (leaders && !season) {
        try {
            const QList<int> years = TrackLists::seasons(app.connection());
            if (!years.isEmpty())
                season = years.first();
        } catch (const DatabaseError& e) {
            throw ReportError(QStringLiteral("The report's data cannot be read: ") + e.message());
        }
    }
    const QString title = leaders ? QStringLiteral("Season Leaders %1")
                                        .arg(season ? QString::number(*season) : QString())
                                        .trimmed()
                                  : QStringLiteral("Top Ten");
    const QString text = lists(app, team, leaders ? season : std::nullopt, gender);
    const TeamHeader header = TeamHeader::read(app.connection(), team);
    return Report(
        QStringLiteral("top.rtf"),
        QList<Report::Replacement>{{QStringLiteral("<USERNAME>"), ReportText::rtf(app.userName())},
                                   {QStringLiteral("<USERSCHOOL>"), ReportText::rtf(app.school())},
                                   {QStringLiteral("<TITLE>"), ReportText::rtf(title)}} +
            header.replacements() + QList<Report::Replacement>{{QStringLiteral("<LISTS>"), text}});
}
