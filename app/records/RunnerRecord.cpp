#include "RunnerRecord.h"

#include "data/Connection.h"
#include "data/NamedStatement.h"
#include "data/RecordSet.h"
#include "records/RunnerName.h"
#include "records/SchoolYear.h"

#include <QDate>

std::optional<RunnerRecord> RunnerRecord::load(Connection& db, qint64 pin)
{
    const QString p = QString::number(pin);
    // The view is named in the filter: SQLite does not know it by its base table's name.
    RecordSet rs(QStringLiteral("SELECT * From Runners_View WHERE Runners_View.Pin = ") + p, db);
    std::optional<qint64> team;
    if (rs.eof()) {
        // A runner without a team link is not in the view; show it all the same.
        rs.open(QStringLiteral("SELECT * From Runners WHERE Pin = ") + p, db);
        if (rs.eof())
            return std::nullopt;
    } else {
        team = rs.field(QStringLiteral("team_pin")).toInt();
    }
    const RunnerName name = RunnerName::split(rs.field(QStringLiteral("Name")).text());
    RunnerRecord runner{pin,
                        name.first,
                        name.last,
                        rs.field(QStringLiteral("PhoneNumber")).text(),
                        rs.field(QStringLiteral("Address")).text(),
                        std::nullopt,
                        team,
                        std::nullopt,
                        {},
                        false};
    const Field grade = rs.field(QStringLiteral("Grade"));
    if (!grade.isNull() && grade.toInt() != 0)
        runner.grade = static_cast<int>(grade.toInt());
    if (const Field classOf = rs.field(QStringLiteral("ClassOf")); !classOf.isNull()) {
        runner.classOf = static_cast<int>(classOf.toInt());
        runner.grade = SchoolYear::grade(*runner.classOf, QDate::currentDate());
    }
    const RecordSet own(QStringLiteral("SELECT Gender, DoNotPublish FROM Runners WHERE Pin = ?"),
                        {pin}, db);
    if (!own.eof()) {
        runner.gender = own.field(QStringLiteral("Gender")).text();
        runner.doNotPublish = own.field(QStringLiteral("DoNotPublish")).toInt() != 0;
    }
    return runner;
}

bool RunnerRecord::readGrade(const QString& typed, std::optional<int>* grade)
{
    const QString text = typed.trimmed();
    if (text.isEmpty()) {
        *grade = std::nullopt;
        return true;
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > 12)
        return false;
    *grade = value;
    return true;
}

bool RunnerRecord::readClassOf(const QString& typed, std::optional<int>* classOf)
{
    const QString text = typed.trimmed();
    if (text.isEmpty()) {
        *classOf = std::nullopt;
        return true;
    }
    bool ok = false;
    const int year = text.toInt(&ok);
    if (!ok || text.size() != 4 || year < 1950 || year > 2100)
        return false;
    *classOf = year;
    return true;
}

void RunnerRecord::save(Connection& db) const
{
    const QString p = QString::number(pin);
    const QString name = RunnerName::join(first, last);
    db.transaction([&] {
        NamedStatement::execute(db, SqlDialect::Statement::RunnerSave,
                                {name, phone, address, grade ? QVariant(*grade) : QVariant(), pin});
        db.execute(QStringLiteral("UPDATE Runners SET ClassOf=") +
                   (classOf ? QString::number(*classOf) : QStringLiteral("NULL")) +
                   QStringLiteral(" WHERE Pin=") + p);
        db.execute(QStringLiteral("UPDATE Runners SET Gender = ?, DoNotPublish = ? WHERE Pin = ?"),
                   {gender, doNotPublish ? 1 : 0, pin});
        if (team) {
            db.execute(QStringLiteral("DELETE From Runner_to_Team where Runner_Pin = ") + p);
            db.execute(QStringLiteral("INSERT INTO Runner_to_Team (Runner_Pin,Team_Pin) VALUES (") +
                       p + QLatin1Char(',') + QString::number(*team) + QLatin1Char(')'));
        }
    });
}

void RunnerRecord::remove(Connection& db, qint64 pin)
{
    const QString p = QString::number(pin);
    db.transaction([&] {
        db.execute(QStringLiteral("DELETE FROM Runner_to_Team where Runner_Pin=") + p);
        db.execute(QStringLiteral("UPDATE Event_to_Runner SET Runner_Pin=0, Place=0, Points=0, "
                                  "feet=0, Inches=0, Minutes=0, Seconds=0 where Runner_Pin=") +
                   p);
        db.execute(QStringLiteral("DELETE FROM Runners where Pin=") + p);
    });
}

bool RunnerRecord::hasResults(Connection& db, qint64 pin)
{
    RecordSet rs(QStringLiteral("SELECT count(*) AS n FROM Event_to_Runner WHERE Runner_Pin=") +
                     QString::number(pin),
                 db);
    return rs.field(QStringLiteral("n")).toInt() > 0;
}

void RunnerRecord::markGraduated(Connection& db, qint64 pin)
{
    const QString last = QString::number(SchoolYear::graduating(QDate::currentDate()) - 1);
    db.execute(QStringLiteral("UPDATE Runners SET ClassOf=") + last +
               QStringLiteral(" WHERE Pin=") + QString::number(pin) +
               QStringLiteral(" AND (ClassOf IS NULL OR ClassOf > ") + last + QLatin1Char(')'));
}
