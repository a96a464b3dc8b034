#include "ResultsListing.h"

#include "records/AthleteMatch.h"
#include "records/EventNames.h"
#include "records/ImportedMark.h"
#include "records/ResultsFile.h"

#include <QRegularExpression>

namespace {

using RE = QRegularExpression;

struct Word
{
    QString text;
    qsizetype at; // where it starts in the line
};

QList<Word> words(const QString& line)
{
    static const RE word(QStringLiteral("\\S+"));
    QList<Word> found;
    for (auto it = word.globalMatch(line); it.hasNext();) {
        const auto m = it.next();
        found.append({m.captured(), m.capturedStart()});
    }
    return found;
}

QString joined(const QList<Word>& w, qsizetype from, qsizetype to)
{
    QStringList parts;
    for (qsizetype i = from; i < to && i < w.size(); ++i)
        parts << w[i].text;
    return parts.join(QLatin1Char(' '));
}

bool isNumber(const QString& word)
{
    static const RE number(QStringLiteral("^\\d{1,3}(\\.\\d{1,2})?$"));
    return number.match(word).hasMatch();
}

// A relay's legs: "1) Baptiste, Ana 11 47.1   2) Dubois, Lea 10".
QList<ImportedLeg> legsIn(const QString& line)
{
    static const RE leg(QStringLiteral("([1-8])\\)\\s*(.*?)(?=\\s+[1-8]\\)|\\s*$)"));
    QList<ImportedLeg> legs;
    for (auto it = leg.globalMatch(line); it.hasNext();) {
        QList<Word> w = words(it.next().captured(2));
        ImportedLeg l;
        if (!w.isEmpty() && !ImportedMark::clean(w.last().text).isEmpty() &&
            !w.last().text.contains(QLatin1Char('-'))) {
            l.split = ImportedMark::clean(w.last().text);
            w.removeLast();
        }
        if (!w.isEmpty() && AthleteMatch::isGrade(w.last().text) && w.size() > 1) {
            l.grade = w.last().text;
            w.removeLast();
        }
        l.name = joined(w, 0, w.size());
        legs << l;
    }
    return legs;
}

struct Reader
{
    ResultsFile& file;
    EventNames::Heading heading;
    QString event;
    int headingLine = 0;
    // Where the titles "H#" and "Points" end on the line of column titles, when there is one.
    qsizetype heatEnd = -1, pointsEnd = -1;

    void problem(int line, const QString& text) { file.problems.append({line, text}); }

    void titles(const QString& line)
    {
        const QString lower = line.toLower();
        auto end = [&lower](const char* a, const char* b) {
            qsizetype at = lower.indexOf(QLatin1String(a));
            if (at >= 0)
                return at + qsizetype(qstrlen(a));
            at = lower.indexOf(QLatin1String(b));
            return at >= 0 ? at + qsizetype(qstrlen(b)) : qsizetype(-1);
        };
        heatEnd = end("h#", "heat");
        pointsEnd = end("points", "pts");
    }
    // A number after the mark is the heat when it ends nearer the heat's title than the
    // points'; without titles, two numbers are heat and points, one is the points.
    bool isHeat(qsizetype end, qsizetype count, qsizetype index) const
    {
        if (heatEnd >= 0 && pointsEnd >= 0)
            return std::abs(end - heatEnd) < std::abs(end - pointsEnd);
        return count >= 2 && index == 0;
    }

    void result(int lineNumber, const QString& line, const QString& place, qsizetype restAt);
};

void Reader::result(int lineNumber, const QString& line, const QString& place, qsizetype restAt)
{
    const QList<Word> w = words(line.mid(restAt));
    ImportedResult r;
    r.line = lineNumber;
    r.type = heading.type;
    r.event = event;
    r.gender = heading.gender;
    r.division = heading.division;
    r.round = heading.round;
    r.place = place.startsWith(QLatin1Char('-')) || place.startsWith(QLatin1Char('*')) ? QString()
                                                                                       : place;
    qsizetype markAt = -1;
    for (qsizetype i = w.size() - 1; i >= 1 && markAt < 0; --i) {
        const QString mark = ImportedMark::clean(w[i].text);
        if (!mark.isEmpty() && ImportedMark::fits(r.type, mark))
            markAt = i;
    }
    if (markAt < 0) {
        problem(lineNumber, QStringLiteral("no mark of the %1 can be read in \"%2\"")
                                .arg(event, line.simplified()));
        return;
    }
    r.mark = ImportedMark::clean(w[markAt].text);
    QList<Word> numbers;
    for (qsizetype i = markAt + 1; i < w.size(); ++i) {
        if (ImportedMark::isWind(w[i].text))
            r.wind = w[i].text.startsWith(QLatin1String("NW"), Qt::CaseInsensitive) ? QString()
                                                                                    : w[i].text;
        else if (isNumber(w[i].text))
            numbers << w[i];
    }
    for (qsizetype i = 0; i < numbers.size(); ++i)
        (isHeat(restAt + numbers[i].at + numbers[i].text.size(), numbers.size(), i) ? r.heat
                                                                                    : r.points) =
            numbers[i].text;
    // A seed mark before the result stands in its own column.
    qsizetype end = markAt;
    while (end > 1 && (!ImportedMark::clean(w[end - 1].text).isEmpty() ||
                       w[end - 1].text.compare(QLatin1String("NT"), Qt::CaseInsensitive) == 0))
        --end;
    if (r.relay()) {
        static const RE letter(QStringLiteral("^['\"]?([A-H])['\"]?$"));
        r.team = QStringLiteral("A");
        if (const auto m = letter.match(w[end - 1].text); m.hasMatch() && end > 1) {
            r.team = m.captured(1);
            --end;
        }
        r.school = joined(w, 0, end);
        file.results << r;
        return;
    }
    // The name, then a grade or year, then the school.
    qsizetype comma = -1;
    for (qsizetype i = 0; i < end && comma < 0; ++i)
        if (w[i].text.contains(QLatin1Char(',')))
            comma = i;
    qsizetype grade = -1;
    for (qsizetype i = std::max<qsizetype>(1, comma + 2); i < end && grade < 0; ++i)
        if (AthleteMatch::isGrade(w[i].text))
            grade = i + 1 < end && AthleteMatch::isGrade(w[i + 1].text) &&
                            !w[i].text.at(0).isDigit() && w[i + 1].text.at(0).isDigit()
                        ? i + 1
                        : i;
    qsizetype schoolFrom = grade + 1;
    qsizetype nameTo = grade;
    if (grade < 0) {
        // Without a grade, columns stand apart by two blanks or more.
        nameTo = -1;
        for (qsizetype i = std::max<qsizetype>(1, comma + 2); i < end && nameTo < 0; ++i)
            if (w[i].at - (w[i - 1].at + w[i - 1].text.size()) >= 2)
                nameTo = i;
        if (nameTo < 0) {
            nameTo = std::min(end - 1, std::max<qsizetype>(2, comma + 2));
            file.skipped.append(
                {lineNumber, QStringLiteral("the name and the school are not "
                                            "set apart; read as \"%1\" of "
                                            "\"%2\"")
                                 .arg(joined(w, 0, nameTo), joined(w, nameTo, end))});
        }
        schoolFrom = nameTo;
    } else {
        r.grade = w[grade].text;
    }
    r.name = joined(w, 0, nameTo);
    r.school = joined(w, schoolFrom, end);
    if (r.name.isEmpty() || r.school.isEmpty()) {
        problem(lineNumber, QStringLiteral("the athlete and the school cannot be told apart in "
                                           "\"%1\"")
                                .arg(line.simplified()));
        return;
    }
    file.results << r;
}

} // namespace

QString ResultsListing::plainText(const QString& text)
{
    static const RE pre(QStringLiteral("<pre[^>]*>(.*?)</pre>"),
                        RE::CaseInsensitiveOption | RE::DotMatchesEverythingOption);
    QStringList blocks;
    for (auto it = pre.globalMatch(text); it.hasNext();)
        blocks << it.next().captured(1);
    if (blocks.isEmpty())
        return text;
    QString plain = blocks.join(QLatin1Char('\n'));
    plain.remove(RE(QStringLiteral("<[^>]*>")));
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"},   {"&gt;", ">"},   {"&quot;", "\""}, {"&#39;", "'"},
        {"&#039;", "'"}, {"&apos;", "'"}, {"&nbsp;", " "},  {"&amp;", "&"}};
    for (const auto& [entity, character] : entities)
        plain.replace(QLatin1String(entity), QLatin1String(character));
    return plain;
}

void ResultsListing::read(const QString& text, ResultsFile& into)
{
    into.format = ResultsFile::Format::Listing;
    static const RE placed(QStringLiteral("^\\s*(\\d{1,3}|-{1,3}|\\*{1,2})[.)]?\\s+(?=\\S)"));
    static const RE legLine(QStringLiteral("^\\s*[1-8]\\)\\s*\\S"));
    static const RE feetInches(QStringLiteral("(\\d)'\\s+(\\d)"));
    Reader reader{into, {}, {}, 0, -1, -1};
    const QStringList lines = plainText(text).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        line.replace(feetInches, QStringLiteral("\\1'\\2"));
        line.remove(QLatin1Char('\r'));
        const int number = i + 1;
        if (line.trimmed().isEmpty())
            continue;
        const QList<Word> w = words(line);
        bool marked = false;
        for (const Word& word : w)
            marked = marked || !ImportedMark::clean(word.text).isEmpty();
        const auto place = placed.match(line);
        if (legLine.match(line).hasMatch() && !into.results.isEmpty() &&
            into.results.last().relay() && reader.heading.type > 0) {
            into.results.last().legs << legsIn(line);
            continue;
        }
        if (!marked || !place.hasMatch()) {
            const EventNames::Heading heading = EventNames::read(line);
            if (heading.type >= 0) {
                reader.heading = heading;
                reader.event = line.simplified();
                reader.headingLine = number;
                reader.heatEnd = reader.pointsEnd = -1;
                if (heading.type == 0)
                    into.skipped.append({number, QStringLiteral("%1: an event Cindrel does not "
                                                                "keep")
                                                     .arg(reader.event)});
                continue;
            }
        }
        if (reader.headingLine == 0) {
            if (!into.date.isValid())
                into.date = ResultsFile::dateIn(line);
            const QString lower = line.toLower();
            if (into.meetName.isEmpty() && !lower.contains(QLatin1String("licensed")) &&
                !lower.contains(QLatin1String("page ")) &&
                lower.trimmed() != QLatin1String("results"))
                into.meetName = line.simplified()
                                    .remove(RE(QStringLiteral("\\s*[-–]?\\s*\\d{1,2}/\\d{1,2}/"
                                                              "\\d{2,4}.*$")))
                                    .trimmed();
            continue;
        }
        // A placed line under an event is a result, whether or not its mark can be read.
        if (place.hasMatch() &&
            (marked || line.mid(place.capturedEnd())
                           .contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))))) {
            if (reader.heading.type > 0)
                reader.result(number, line, place.captured(1), place.capturedEnd());
            continue;
        }
        const QString lower = line.toLower();
        if (lower.contains(QLatin1String("name")) &&
            (lower.contains(QLatin1String("school")) || lower.contains(QLatin1String("team"))))
            reader.titles(line);
    }
}
