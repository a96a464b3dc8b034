#include "ResultsSemicolon.h"

#include "records/AthleteMatch.h"
#include "records/EventNames.h"
#include "records/ImportedMark.h"
#include "records/ResultsFile.h"

#include <QHash>
#include <QRegularExpression>

namespace {

struct Record
{
    int line;
    QStringList fields;
    EventNames::Heading heading;
    int eventColumn = -1;
};

QStringList fieldsOf(const QString& line)
{
    QStringList fields = line.split(QLatin1Char(';'));
    for (QString& f : fields) {
        f = f.trimmed();
        if (f.size() >= 2 && f.startsWith(QLatin1Char('"')) && f.endsWith(QLatin1Char('"')))
            f = f.mid(1, f.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    }
    return fields;
}

bool hasLetter(const QString& f)
{
    return std::any_of(f.begin(), f.end(), [](QChar c) { return c.isLetter(); });
}

bool isInteger(const QString& f)
{
    static const QRegularExpression integer(QStringLiteral("^\\d{1,4}$"));
    return integer.match(f).hasMatch();
}

bool isDate(const QString& f)
{
    static const QRegularExpression date(
        QStringLiteral("^(\\d{1,2}/\\d{1,2}/\\d{2,4}|\\d{4}-\\d{2}-\\d{2})$"));
    return date.match(f).hasMatch();
}

// Where the event of a record stands: the first field with letters that names an event and is
// more than a gender.
int eventColumn(const QStringList& fields, EventNames::Heading* heading)
{
    for (int c = 1; c < fields.size(); ++c) {
        if (!hasLetter(fields[c]) || !EventNames::gender(fields[c]).isEmpty())
            continue;
        const EventNames::Heading h = EventNames::read(fields[c]);
        if (h.type >= 0) {
            *heading = h;
            return c;
        }
    }
    return -1;
}

// The columns of one kind of record (a type, individual or relay), found over all its records.
struct Layout
{
    int gender = -1, place = -1, grade = -1, mark = -1, wind = -1, points = -1, heat = -1;
    int letter = -1;
    QList<int> text; // names and school, in order
    QList<int> splits;
    QStringList doubts;
};

Layout layoutOf(const QList<const Record*>& records, bool relay)
{
    Layout l;
    int width = 0;
    for (const Record* r : records)
        width = std::max(width, int(r->fields.size()));
    const int eventAt = records.first()->eventColumn;
    QList<int> marks;
    for (int c = 1; c < width; ++c) {
        if (c == eventAt)
            continue;
        int filled = 0, mark = 0, gender = 0, grade = 0, integer = 0, text = 0, wind = 0,
            letter = 0;
        for (const Record* r : records) {
            const QString f = r->fields.value(c);
            if (f.isEmpty())
                continue;
            ++filled;
            const QString m = ImportedMark::clean(f);
            mark += !m.isEmpty() && !isInteger(f) &&
                            (ImportedMark::fits(r->heading.type, m) ||
                             (relay && !ImportedMark::isStatus(m)))
                        ? 1
                        : 0;
            gender += !EventNames::gender(f).isEmpty() && f.size() <= 5 ? 1 : 0;
            grade += AthleteMatch::isGrade(f) ? 1 : 0;
            integer += isInteger(f) ? 1 : 0;
            wind += ImportedMark::isWind(f) ? 1 : 0;
            letter += f.size() == 1 && f.at(0) >= QLatin1Char('A') && f.at(0) <= QLatin1Char('H');
            text += hasLetter(f) && !ImportedMark::isStatus(f) ? 1 : 0;
        }
        if (filled == 0)
            continue;
        auto most = [filled](int n) {
            return n * 10 >= filled * 8;
        };
        if (most(wind) && l.mark >= 0 && marks.contains(c - 1))
            l.wind = c;
        else if (most(mark))
            marks << c;
        // "F" may be a gender or a relay team's letter: the letter stands after the school.
        else if (relay && most(letter) && l.letter < 0 && !l.text.isEmpty())
            l.letter = c;
        else if (most(gender) && l.gender < 0)
            l.gender = c;
        else if (most(grade) && !most(integer) && l.grade < 0)
            l.grade = c;
        else if (most(integer))
            ; // numbers are told apart below, by where they stand
        else if (most(text))
            l.text << c;
        if (!marks.isEmpty())
            l.mark = marks.last();
    }
    if (marks.size() > 1) {
        if (relay) {
            // The team's time is the longest; the legs' splits are the others.
            auto total = [&](int c) {
                double sum = 0;
                for (const Record* r : records)
                    sum += r->fields.value(c).remove(QLatin1Char(':')).toDouble();
                return sum;
            };
            l.mark = *std::max_element(marks.begin(), marks.end(),
                                       [&](int a, int b) { return total(a) < total(b); });
            for (int c : marks)
                if (c != l.mark)
                    l.splits << c;
        } else {
            l.doubts << QStringLiteral("%1 columns hold marks; the last is read as the result "
                                       "and the others as seed marks")
                            .arg(marks.size());
        }
    }
    // The numbers: a grade among them stands with the names; before the mark, the first number
    // that changes within an event is the place (an event's number does not); after it, the
    // points, then the heat.
    QList<int> before, after;
    for (int c = 1; c < width; ++c) {
        bool numbers = true, any = false;
        for (const Record* r : records) {
            const QString f = r->fields.value(c);
            any = any || !f.isEmpty();
            numbers = numbers &&
                      (f.isEmpty() || isInteger(f) ||
                       (c > l.mark &&
                        QRegularExpression(QStringLiteral("^\\d+\\.\\d+$")).match(f).hasMatch()));
        }
        if (!any || !numbers || c == eventAt || c == l.gender || l.text.contains(c) ||
            c == l.mark || c == l.wind || l.splits.contains(c))
            continue;
        (c < l.mark ? before : after) << c;
    }
    for (int c : before) {
        QHash<int, QString> perEvent;
        bool changes = false;
        for (const Record* r : records) {
            const int key = r->heading.type * 10 + (r->heading.gender == QLatin1String("M"));
            if (perEvent.contains(key) && perEvent.value(key) != r->fields.value(c))
                changes = true;
            perEvent.insert(key, r->fields.value(c));
        }
        bool grades = true;
        for (const Record* r : records)
            grades = grades &&
                     (r->fields.value(c).isEmpty() || AthleteMatch::isGrade(r->fields.value(c)));
        if (grades && l.grade < 0 && !l.text.isEmpty() && c > l.text.first())
            l.grade = c;
        else if (changes && l.place < 0)
            l.place = c;
    }
    if (!after.isEmpty())
        l.points = after.first();
    if (after.size() > 1) {
        l.heat = after[1];
        l.doubts << QStringLiteral("the numbers after the mark are read as points, then heat");
    }
    return l;
}

} // namespace

bool ResultsSemicolon::looksLikeOne(const QString& text)
{
    int lines = 0, records = 0;
    static const QRegularExpression type(QStringLiteral("^\\s*\"?[A-Za-z0-9]{1,4}\"?\\s*;"));
    for (const QString& line : text.left(8192).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty())
            continue;
        ++lines;
        records += line.count(QLatin1Char(';')) >= 4 && type.match(line).hasMatch() ? 1 : 0;
    }
    return lines > 0 && records * 10 >= lines * 6;
}

void ResultsSemicolon::read(const QString& text, ResultsFile& into)
{
    into.format = ResultsFile::Format::Semicolon;
    QList<Record> records;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        Record r{i + 1, fieldsOf(lines[i]), {}, -1};
        r.eventColumn = eventColumn(r.fields, &r.heading);
        if (r.eventColumn >= 0) {
            records << r;
            continue;
        }
        // The header: the meet's name, its dates, and the host where one is named.
        for (const QString& f : r.fields.mid(1)) {
            if (isDate(f) && !into.date.isValid())
                into.date = ResultsFile::dateIn(f);
            else if (hasLetter(f) && !isDate(f) && into.date.isValid() == false &&
                     into.meetName.isEmpty())
                into.meetName = f;
            else if (hasLetter(f) && !into.meetName.isEmpty() && into.host.isEmpty() &&
                     f != into.meetName && into.date.isValid())
                into.host = f;
        }
    }
    // One layout for each type of record, individual and relay apart.
    QHash<QString, QList<const Record*>> kinds;
    QStringList order;
    for (const Record& r : records) {
        if (r.heading.type == 0) {
            into.skipped.append({r.line, QStringLiteral("%1: an event Cindrel does not keep")
                                             .arg(r.fields[r.eventColumn])});
            continue;
        }
        const QString key =
            r.fields.value(0) + (r.heading.type >= 14 ? QStringLiteral(" relay") : QString());
        if (!kinds.contains(key))
            order << key;
        kinds[key] << &r;
    }
    QHash<const Record*, ImportedResult> read;
    for (const QString& key : order) {
        const QList<const Record*>& kind = kinds[key];
        const bool relay = key.endsWith(QLatin1String(" relay"));
        const Layout l = layoutOf(kind, relay);
        for (const QString& doubt : l.doubts)
            into.skipped.append(
                {kind.first()->line,
                 QStringLiteral("records \"%1\": %2").arg(kind.first()->fields[0], doubt)});
        for (const Record* r : kind) {
            auto at = [r](int c) {
                return c >= 0 ? r->fields.value(c) : QString();
            };
            ImportedResult x;
            x.line = r->line;
            x.type = r->heading.type;
            x.event = r->fields[r->eventColumn];
            x.gender = l.gender >= 0 ? EventNames::gender(at(l.gender)) : r->heading.gender;
            x.division = r->heading.division;
            x.round = r->heading.round;
            x.place = at(l.place);
            x.grade = at(l.grade);
            x.mark = ImportedMark::clean(at(l.mark));
            x.wind = at(l.wind);
            x.points = at(l.points);
            x.heat = at(l.heat);
            if (x.mark.isEmpty() || !ImportedMark::fits(x.type, x.mark)) {
                into.problems.append({r->line, QStringLiteral("the mark \"%1\" of the %2 cannot "
                                                              "be read")
                                                   .arg(at(l.mark), x.event)});
                continue;
            }
            QStringList texts;
            for (int c : l.text)
                texts << at(c);
            if (relay) {
                x.team =
                    l.letter >= 0 && !at(l.letter).isEmpty() ? at(l.letter) : QStringLiteral("A");
                x.school = texts.value(0);
                const QStringList legs = texts.mid(1);
                const bool paired = std::none_of(legs.begin(), legs.end(), [](const QString& n) {
                    return n.contains(QLatin1Char(','));
                });
                for (int k = 0; k < legs.size(); k += paired ? 2 : 1) {
                    const QString name = paired && k + 1 < legs.size() && !legs[k + 1].isEmpty()
                                             ? legs[k] + QStringLiteral(", ") + legs[k + 1]
                                             : legs[k];
                    if (!name.isEmpty())
                        x.legs.append(
                            {name,
                             {},
                             ImportedMark::clean(at(l.splits.value(int(x.legs.size()), -1)))});
                }
            } else if (texts.size() >= 3 && !texts[0].contains(QLatin1Char(','))) {
                x.name = texts[0] + QStringLiteral(", ") + texts[1];
                x.school = texts[2];
            } else {
                x.name = texts.value(0);
                x.school = texts.value(1);
            }
            into.results << x;
        }
    }
}
