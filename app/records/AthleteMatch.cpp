#include "AthleteMatch.h"

#include "records/RunnerName.h"
#include "records/SchoolYear.h"

#include <QRegularExpression>

namespace {

struct Parts
{
    QStringList last, first;
};

bool isSuffix(const QString& word)
{
    static const QStringList suffixes{QStringLiteral("jr"), QStringLiteral("sr"),
                                      QStringLiteral("ii"), QStringLiteral("iii"),
                                      QStringLiteral("iv")};
    return suffixes.contains(word);
}

// The ways a written name may be read: "Last, First" one way; "First Last" (or "Last First")
// at each place it may be split.
QList<Parts> readings(const QString& name)
{
    if (name.contains(QLatin1Char(','))) {
        const RunnerName n = RunnerName::split(name);
        return {{AthleteMatch::words(n.last), AthleteMatch::words(n.first)}};
    }
    const QStringList w = AthleteMatch::words(name);
    QList<Parts> found;
    for (qsizetype i = 1; i < w.size(); ++i) {
        found.append({w.mid(i), w.mid(0, i)});
        found.append({w.mid(0, i), w.mid(i)});
    }
    if (w.size() == 1)
        found.append({w, {}});
    return found;
}

// How closely a reading names a runner: 3 the same first name, 2 an initial or a shortened
// first name, 1 the last name alone; 0 not at all.
int closeness(const Parts& written, const Parts& runner)
{
    if (written.last.join(QString()) != runner.last.join(QString()) || runner.last.isEmpty())
        return 0;
    if (written.first.isEmpty() || runner.first.isEmpty())
        return 1;
    const QString a = written.first.first(), b = runner.first.first();
    if (a == b || written.first.join(QString()) == runner.first.join(QString()))
        return 3;
    const QString& shorter = a.size() < b.size() ? a : b;
    const QString& longer = a.size() < b.size() ? b : a;
    if (longer.startsWith(shorter) && (shorter.size() == 1 || shorter.size() >= 3))
        return 2;
    return 0;
}

} // namespace

QStringList AthleteMatch::words(const QString& text)
{
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c.isLetterOrNumber())
            folded += c.toCaseFolded();
        else if (c == QLatin1Char('\'') || c == QChar(0x2019) || c == QLatin1Char('.'))
            continue; // O'Brien is OBrien; "J." is "J"
        else
            folded += QLatin1Char(' ');
    }
    QStringList w = folded.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    w.removeIf(isSuffix);
    return w;
}

AthleteMatch::Found AthleteMatch::find(const QList<Runner>& roster, const QString& name,
                                       const QString& gender, std::optional<int> grade)
{
    const QList<Parts> ways = readings(name);
    int best = 1;
    QList<const Runner*> closest;
    for (const Runner& r : roster) {
        const RunnerName stored = RunnerName::split(r.name);
        const Parts runner{words(stored.last), words(stored.first)};
        int level = 0;
        for (const Parts& way : ways)
            level = std::max(level, closeness(way, runner));
        // A last name alone matches only a runner whose first name is not known either.
        if (level < best || (level == 1 && !runner.first.isEmpty()))
            continue;
        if (level > best)
            closest.clear();
        best = level;
        closest << &r;
    }
    // Among as close matches, the file's gender and then its grade choose.
    auto narrowed = [&closest](auto keep) {
        QList<const Runner*> kept;
        for (const Runner* r : closest)
            if (keep(*r))
                kept << r;
        if (!kept.isEmpty())
            closest = kept;
    };
    if (closest.size() > 1 && !gender.isEmpty())
        narrowed([&gender](const Runner& r) { return r.gender == gender; });
    if (closest.size() > 1 && grade)
        narrowed([&grade](const Runner& r) { return r.grade == grade; });
    Found found;
    for (const Runner* r : closest)
        found.runners << r->pin;
    return found;
}

bool AthleteMatch::isGrade(const QString& word)
{
    static const QRegularExpression grade(QStringLiteral("^(7|8|9|10|11|12|FR|SO|JR|SR|20\\d\\d)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    return grade.match(word).hasMatch();
}

std::optional<int> AthleteMatch::gradeOf(const QString& written, QDate day)
{
    const QString w = written.trimmed().toUpper().remove(QLatin1Char('.'));
    const QStringList years{QStringLiteral("FR"), QStringLiteral("SO"), QStringLiteral("JR"),
                            QStringLiteral("SR")};
    if (years.contains(w))
        return 9 + int(years.indexOf(w));
    bool ok = false;
    const int n = w.toInt(&ok);
    if (!ok)
        return std::nullopt;
    if (n >= 1 && n <= 12)
        return n;
    if (n >= 1990 && n <= 2100 && day.isValid())
        return SchoolYear::grade(n, day);
    return std::nullopt;
}

QString AthleteMatch::stored(const QString& written)
{
    if (written.contains(QLatin1Char(','))) {
        const RunnerName n = RunnerName::split(written);
        return RunnerName::join(n.first, n.last);
    }
    const QStringList w = written.simplified().split(QLatin1Char(' '));
    // "First Last": the last word is the last name, or the last two where the last is a
    // suffix ("Jr.").
    qsizetype at = w.size() - 1;
    if (at > 1 && isSuffix(w.last().toCaseFolded().remove(QLatin1Char('.'))))
        --at;
    return RunnerName::join(w.mid(0, at).join(QLatin1Char(' ')), w.mid(at).join(QLatin1Char(' ')));
}
