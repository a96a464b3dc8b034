#include "ResultsImport.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/RecordSet.h"
#include "records/Gender.h"
#include "records/RecordCreator.h"
#include "records/SchoolYear.h"

#include <QHash>

namespace {

// A school's name without the words every school has.
QStringList schoolWords(const QString& name)
{
    static const QStringList common{QStringLiteral("high"),      QStringLiteral("school"),
                                    QStringLiteral("hs"),        QStringLiteral("the"),
                                    QStringLiteral("of"),        QStringLiteral("academy"),
                                    QStringLiteral("secondary"), QStringLiteral("senior")};
    QStringList w = AthleteMatch::words(name);
    w.removeIf([](const QString& word) { return common.contains(word); });
    return w;
}

QString key(const QString& name)
{
    return AthleteMatch::words(name).join(QLatin1Char(' '));
}

} // namespace

QString ResultsImport::bestSchool(const QStringList& schools, const QString& team)
{
    const QStringList wanted = schoolWords(team);
    QString best = schools.value(0);
    double score = 0;
    for (const QString& school : schools) {
        const QStringList w = schoolWords(school);
        int shared = 0;
        for (const QString& word : w)
            shared += wanted.contains(word) ? 1 : 0;
        const double s =
            w.isEmpty() ? 0 : double(shared) / double(std::max(w.size(), wanted.size()));
        if (s > score) {
            score = s;
            best = school;
        }
    }
    return best;
}

QList<AthleteMatch::Runner> ResultsImport::rosterOf(Connection& db, qint64 team, QDate day)
{
    QList<AthleteMatch::Runner> roster;
    for (RecordSet rs(QStringLiteral("SELECT Runners.Pin AS Pin, Runners.Name AS Name, "
                                     "Runners.Gender AS Gender, Runners.Grade AS Grade, "
                                     "Runners.ClassOf AS ClassOf FROM Runners JOIN Runner_to_Team "
                                     "ON Runner_to_Team.Runner_Pin = Runners.Pin WHERE "
                                     "Runner_to_Team.Team_Pin = ? ORDER BY Runners.Pin"),
                      {team}, db);
         !rs.eof(); rs.moveNext()) {
        AthleteMatch::Runner r;
        r.pin = rs.field(QStringLiteral("Pin")).toInt();
        r.name = rs.field(QStringLiteral("Name")).text();
        r.gender = Gender::of(rs.field(QStringLiteral("Gender")).text());
        if (const Field classOf = rs.field(QStringLiteral("ClassOf")); !classOf.isNull())
            r.grade = SchoolYear::grade(int(classOf.toInt()), day);
        else if (const Field grade = rs.field(QStringLiteral("Grade")); !grade.isNull())
            r.grade = int(grade.toInt());
        roster << r;
    }
    return roster;
}

std::optional<qint64> ResultsImport::madeBefore(Connection& db, qint64 team,
                                                const ResultsFile& file)
{
    if (!file.date.isValid() || file.meetName.isEmpty())
        return std::nullopt;
    const RecordSet rs(QStringLiteral("SELECT Meets.Pin AS Pin FROM Meets JOIN Meet_to_Team ON "
                                      "Meet_to_Team.Meet_Pin = Meets.Pin WHERE "
                                      "Meet_to_Team.Team_Pin = ? AND Meets.Place = ? AND "
                                      "substr(Meets.MeetTime, 1, 10) = ? ORDER BY Meets.Pin"),
                       {team, file.meetName, file.date.toString(Qt::ISODate)}, db);
    if (rs.eof())
        return std::nullopt;
    return rs.field(QStringLiteral("Pin")).toInt();
}

ResultsImport ResultsImport::plan(const ResultsFile& file, const QString& school,
                                  const QList<AthleteMatch::Runner>& roster)
{
    ResultsImport import;
    import.file = file;
    import.school = school;
    import.roster = roster;
    auto athlete = [&](const QString& name, const QString& gender, const QString& grade, int line) {
        if (name.trimmed().isEmpty())
            return;
        // The same athlete written another way is one athlete.
        for (Athlete& known : import.athletes) {
            const AthleteMatch::Runner as{1, AthleteMatch::stored(known.name), known.gender, {}};
            if (known.written.contains(name) ||
                (known.gender == gender && AthleteMatch::find({as}, name, gender, {}).matched())) {
                if (!known.written.contains(name))
                    known.written << name;
                return;
            }
        }
        Athlete a;
        a.name = name;
        a.written = {name};
        a.gender = gender;
        a.grade = grade;
        a.line = line;
        a.found = AthleteMatch::find(roster, name, gender, AthleteMatch::gradeOf(grade, file.date));
        if (a.found.matched()) {
            a.choice = Athlete::Choice::Runner;
            a.runner = a.found.runners.first();
        } else {
            a.choice = a.found.runners.isEmpty() ? Athlete::Choice::Add : Athlete::Choice::Skip;
        }
        import.athletes << a;
    };
    for (const ImportedResult& r : file.results) {
        if (r.type < 1 || r.school.compare(school, Qt::CaseInsensitive) != 0)
            continue;
        import.ours << r;
        athlete(r.name, r.gender, r.grade, r.line);
        for (const ImportedLeg& leg : r.legs)
            athlete(leg.name, r.gender, leg.grade, r.line);
    }
    return import;
}

MeetSheet ResultsImport::newSheet() const
{
    MeetSheet sheet;
    sheet.date = file.date.isValid() ? file.date : QDate::currentDate();
    sheet.place = file.meetName;
    return sheet;
}

ResultsImport::Preview ResultsImport::place(MeetSheet sheet, const QHash<int, qint64>& added) const
{
    QHash<QString, int> byName;
    for (int i = 0; i < athletes.size(); ++i)
        for (const QString& name : athletes[i].written)
            byName.insert(key(name), i);
    QHash<qint64, QString> names;
    for (const AthleteMatch::Runner& r : roster)
        names.insert(r.pin, r.name);
    Preview p;
    const auto who = [&](const QString& written) -> std::optional<ResultPlacement::Who> {
        const int i = byName.value(key(written), -1);
        if (i < 0)
            return std::nullopt;
        const Athlete& a = athletes[i];
        switch (a.choice) {
        case Athlete::Choice::Runner:
            return ResultPlacement::Who{a.runner, names.value(a.runner)};
        case Athlete::Choice::Add:
            return ResultPlacement::Who{added.value(i, -1 - i), AthleteMatch::stored(a.name)};
        case Athlete::Choice::Skip:
            break;
        }
        p.left.append({a.line, QStringLiteral("%1 is skipped").arg(a.name)});
        return std::nullopt;
    };
    p.rows = ResultPlacement::place(sheet, ours, who, &p.left);
    for (const ResultPlacement::Row& row : p.rows) {
        p.changes += row.changes ? 1 : 0;
        p.replaced += row.replaces.isEmpty() ? 0 : 1;
    }
    p.sheet = std::move(sheet);
    return p;
}

ResultsImport::Preview ResultsImport::preview(const std::optional<MeetSheet>& sheet) const
{
    return place(sheet ? *sheet : newSheet(), {});
}

QStringList ResultsImport::questions(const Preview& preview) const
{
    QStringList asked;
    for (const Athlete& a : athletes) {
        if (a.choice == Athlete::Choice::Add)
            asked << QStringLiteral("%1 (line %2) matches no runner of the team: added to the "
                                    "roster")
                         .arg(a.name)
                         .arg(a.line);
        else if (a.choice == Athlete::Choice::Skip)
            asked << QStringLiteral("%1 (line %2) %3: skipped")
                         .arg(a.name)
                         .arg(a.line)
                         .arg(a.found.runners.size() > 1
                                  ? QStringLiteral("matches %1 runners of the team")
                                        .arg(a.found.runners.size())
                                  : QStringLiteral("is not imported"));
    }
    for (const ResultPlacement::Row& row : preview.rows)
        if (!row.replaces.isEmpty())
            asked << QStringLiteral("%1: %2 replaces %3 (line %4)")
                         .arg(row.where, row.result, row.replaces)
                         .arg(row.line);
    return asked;
}

std::pair<qint64, bool> ResultsImport::write(Connection& db, qint64 team,
                                             std::optional<qint64> meet, const QString& by) const
{
    qint64 pin = meet.value_or(0);
    bool changed = false;
    db.transaction([&] {
        std::optional<MeetSheet> sheet;
        if (pin != 0) {
            sheet = MeetSheet::load(db, pin);
            if (!sheet)
                throw DatabaseError(QStringLiteral("The meet is no longer in the database."));
        }
        // Grades are as of the meet's day.
        const QDate day = sheet ? sheet->date : newSheet().date;
        QHash<int, qint64> added;
        for (int i = 0; i < athletes.size(); ++i) {
            const Athlete& a = athletes[i];
            if (a.choice != Athlete::Choice::Add)
                continue;
            const std::optional<int> grade = AthleteMatch::gradeOf(a.grade, day);
            const qint64 runner = db.insert(
                QStringLiteral("INSERT INTO Runners (Name, PhoneNumber, Address, Grade, ClassOf, "
                               "Gender) VALUES (?, '', '', ?, ?, ?)"),
                {AthleteMatch::stored(a.name),
                 grade ? QVariant(*grade) : QVariant(QMetaType(QMetaType::Int)),
                 grade ? QVariant(SchoolYear::classOf(*grade, day))
                       : QVariant(QMetaType(QMetaType::Int)),
                 a.gender});
            db.execute(QStringLiteral("INSERT INTO Runner_to_Team (Runner_Pin, Team_Pin) VALUES "
                                      "(?, ?)"),
                       {runner, team});
            added.insert(i, runner);
        }
        if (pin == 0) {
            // A new meet gets the divisions the results need, named as the preview names them.
            QList<std::pair<QString, QString>> divisions;
            for (const Division& d : place(newSheet(), added).sheet.divisions)
                divisions.append({d.name, d.gender});
            pin = RecordCreator(db).addMeet(team, divisions);
            sheet = MeetSheet::load(db, pin);
            if (sheet) {
                const MeetSheet made = newSheet();
                sheet->date = made.date;
                sheet->place = made.place;
                // The file tells no weather: the new meet's placeholder would print as one.
                sheet->weather.clear();
            }
        }
        if (!sheet)
            throw DatabaseError(QStringLiteral("The meet is no longer in the database."));
        Preview p = place(*sheet, added);
        changed = p.changes > 0 || !added.isEmpty() || !meet;
        if (!changed)
            return;
        if (const std::optional<MeetSheet::Problem> problem = p.sheet.check())
            throw DatabaseError(problem->message);
        p.sheet.save(db, by);
    });
    return {pin, changed};
}
