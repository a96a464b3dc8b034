#include "ResultsCsv.h"

#include "records/CsvText.h"
#include "records/EventNames.h"
#include "records/ImportedMark.h"
#include "records/ResultsFile.h"

#include <QHash>

namespace {

// The column each name stands for, by the words files use.
QHash<QString, QString> aliases()
{
    return {{QStringLiteral("event"), QStringLiteral("event")},
            {QStringLiteral("event name"), QStringLiteral("event")},
            {QStringLiteral("gender"), QStringLiteral("gender")},
            {QStringLiteral("sex"), QStringLiteral("gender")},
            {QStringLiteral("division"), QStringLiteral("division")},
            {QStringLiteral("round"), QStringLiteral("round")},
            {QStringLiteral("place"), QStringLiteral("place")},
            {QStringLiteral("pl"), QStringLiteral("place")},
            {QStringLiteral("last"), QStringLiteral("last")},
            {QStringLiteral("last name"), QStringLiteral("last")},
            {QStringLiteral("first"), QStringLiteral("first")},
            {QStringLiteral("first name"), QStringLiteral("first")},
            {QStringLiteral("name"), QStringLiteral("name")},
            {QStringLiteral("athlete"), QStringLiteral("name")},
            {QStringLiteral("grade"), QStringLiteral("grade")},
            {QStringLiteral("year"), QStringLiteral("grade")},
            {QStringLiteral("yr"), QStringLiteral("grade")},
            {QStringLiteral("team"), QStringLiteral("team")},
            {QStringLiteral("school"), QStringLiteral("team")},
            {QStringLiteral("relay team"), QStringLiteral("letter")},
            {QStringLiteral("mark"), QStringLiteral("mark")},
            {QStringLiteral("result"), QStringLiteral("mark")},
            {QStringLiteral("time"), QStringLiteral("mark")},
            {QStringLiteral("wind"), QStringLiteral("wind")},
            {QStringLiteral("points"), QStringLiteral("points")},
            {QStringLiteral("pts"), QStringLiteral("points")},
            {QStringLiteral("heat"), QStringLiteral("heat")}};
}

QHash<QString, int> columnsOf(const QStringList& header)
{
    const QHash<QString, QString> names = aliases();
    QHash<QString, int> columns;
    for (int c = 0; c < header.size(); ++c) {
        const QString title = header[c].simplified().toLower();
        QString key = names.value(title);
        // "Leg 1" ... "Leg 4", "Split 1" ... "Split 4".
        for (const char* kind : {"leg", "split"})
            for (int k = 1; k <= 4; ++k)
                if (title == QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(k) ||
                    title == QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(k))
                    key = QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(k);
        if (!key.isEmpty() && !columns.contains(key))
            columns.insert(key, c);
    }
    return columns;
}

} // namespace

bool ResultsCsv::looksLikeOne(const QString& text)
{
    const CsvText::Table table = CsvText::read(text.left(4096));
    if (table.rows.isEmpty())
        return false;
    const QHash<QString, int> c = columnsOf(table.rows.first().fields);
    return c.contains(QStringLiteral("event")) && c.contains(QStringLiteral("mark")) &&
           (c.contains(QStringLiteral("name")) || c.contains(QStringLiteral("last")) ||
            c.contains(QStringLiteral("team")));
}

void ResultsCsv::read(const QString& text, ResultsFile& into)
{
    into.format = ResultsFile::Format::Csv;
    const CsvText::Table table = CsvText::read(text);
    if (!table.error.isEmpty()) {
        into.error = table.error;
        return;
    }
    const QHash<QString, int> c = columnsOf(table.rows.value(0).fields);
    for (qsizetype i = 1; i < table.rows.size(); ++i) {
        const CsvText::Row& row = table.rows[i];
        auto value = [&](QStringView key) {
            return row.fields.value(c.value(key.toString(), -1)).trimmed();
        };
        ImportedResult r;
        r.line = row.line;
        r.event = value(u"event");
        const EventNames::Heading heading = EventNames::read(r.event);
        if (heading.type < 0) {
            into.problems.append({row.line, QStringLiteral("\"%1\" names no event").arg(r.event)});
            continue;
        }
        if (heading.type == 0) {
            into.skipped.append(
                {row.line, QStringLiteral("%1: an event Cindrel does not keep").arg(r.event)});
            continue;
        }
        r.type = heading.type;
        r.gender = EventNames::gender(value(u"gender"));
        if (r.gender.isEmpty())
            r.gender = heading.gender;
        r.division = value(u"division").isEmpty() ? heading.division : value(u"division");
        r.round = value(u"round").isEmpty() ? heading.round : value(u"round");
        r.place = value(u"place");
        r.grade = value(u"grade");
        r.school = value(u"team");
        r.team = value(u"letter");
        r.wind = value(u"wind");
        r.points = value(u"points");
        r.heat = value(u"heat");
        const QString last = value(u"last"), first = value(u"first");
        r.name = !last.isEmpty() ? (first.isEmpty() ? last : last + QStringLiteral(", ") + first)
                                 : value(u"name");
        r.mark = ImportedMark::clean(value(u"mark"));
        if (!value(u"mark").isEmpty() &&
            (r.mark.isEmpty() || !ImportedMark::fits(r.type, r.mark))) {
            into.problems.append({row.line, QStringLiteral("the mark \"%1\" of the %2 cannot be "
                                                           "read")
                                                .arg(value(u"mark"), r.event)});
            continue;
        }
        if (r.relay()) {
            if (r.team.isEmpty())
                r.team = QStringLiteral("A");
            for (int k = 1; k <= 4; ++k)
                if (const QString leg = value(QStringLiteral("leg%1").arg(k)); !leg.isEmpty())
                    r.legs.append({leg, {}, value(QStringLiteral("split%1").arg(k))});
            // A leg a row: the rows of one team and place make one result.
            if (r.legs.isEmpty() && !r.name.isEmpty()) {
                const ImportedLeg leg{r.name, r.grade, {}};
                r.name.clear();
                r.grade.clear();
                if (!into.results.isEmpty()) {
                    ImportedResult& team = into.results.last();
                    if (team.relay() && team.event == r.event && team.school == r.school &&
                        team.team == r.team && team.place == r.place && team.mark == r.mark) {
                        team.legs << leg;
                        continue;
                    }
                }
                r.legs << leg;
            }
        }
        into.results << r;
    }
}
