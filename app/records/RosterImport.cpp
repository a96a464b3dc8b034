#include "RosterImport.h"

#include "data/Connection.h"
#include "data/RecordSet.h"
#include "data/RowsStatement.h"
#include "records/CsvText.h"
#include "records/RunnerName.h"

#include <QSet>

namespace {

// Names compare as the lists show them, whatever their case or spacing.
QString key(const QString& stored)
{
    return stored.simplified().toCaseFolded();
}

QVariant number(const std::optional<int>& n)
{
    return n ? QVariant(*n) : QVariant(QMetaType(QMetaType::Int));
}

QVariantList valuesOf(const RosterFile::Runner& r)
{
    return {RunnerName::join(r.first, r.last),
            r.phone,
            r.address,
            number(r.grade),
            number(r.classOf),
            r.gender};
}

// A server gives out the new runners' keys first, and is then sent them a few hundred a
// statement: three round trips for a roster instead of two a runner.
void addOnServer(Connection& db, qint64 team, const QList<RosterFile::Runner>& added)
{
    QList<QVariantList> runners, links;
    for (RecordSet rs(QStringLiteral("SELECT nextval(pg_get_serial_sequence('runners', 'pin')) "
                                     "AS pin FROM generate_series(1, ?)"),
                      {added.size()}, db);
         !rs.eof(); rs.moveNext()) {
        const qint64 pin = rs.field(QStringLiteral("pin")).toInt();
        runners << (QVariantList{pin} << valuesOf(added[runners.size()]));
        links << QVariantList{pin, team};
    }
    RowsStatement::run(db,
                       QStringLiteral("INSERT INTO Runners (Pin, Name, PhoneNumber, Address, "
                                      "Grade, ClassOf, Gender) VALUES "),
                       QStringLiteral("(?::integer, ?, ?, ?, ?::integer, ?::integer, ?)"), runners);
    RowsStatement::run(db,
                       QStringLiteral("INSERT INTO Runner_to_Team (Runner_Pin, Team_Pin) VALUES "),
                       QStringLiteral("(?::integer, ?::integer)"), links);
}

} // namespace

RosterImport RosterImport::plan(Connection& db, qint64 team, const RosterFile& roster)
{
    QSet<QString> names;
    for (RecordSet rs(QStringLiteral("SELECT Name FROM Runners_View WHERE Team_Pin = ") +
                          QString::number(team),
                      db);
         !rs.eof(); rs.moveNext())
        names.insert(key(rs.field(QStringLiteral("Name")).text()));
    RosterImport import;
    for (const RosterFile::Runner& r : roster.runners) {
        const QString name = key(RunnerName::join(r.first, r.last));
        if (names.contains(name)) {
            import.present << r;
        } else {
            names.insert(name);
            import.added << r;
        }
    }
    return import;
}

void RosterImport::apply(Connection& db, qint64 team) const
{
    db.transaction([&] {
        if (db.onServer()) {
            addOnServer(db, team, added);
            return;
        }
        for (const RosterFile::Runner& r : added) {
            const qint64 pin = db.insert(QStringLiteral("INSERT INTO Runners (Name, PhoneNumber, "
                                                        "Address, Grade, ClassOf, Gender) VALUES "
                                                        "(?, ?, ?, ?, ?, ?)"),
                                         valuesOf(r));
            db.execute(QStringLiteral("INSERT INTO Runner_to_Team (Runner_Pin, Team_Pin) VALUES "
                                      "(?, ?)"),
                       {pin, team});
        }
    });
}

QString RosterImport::exportTeam(Connection& db, qint64 team)
{
    QString csv = CsvText::line(RosterFile::header());
    for (RecordSet rs(SqlDialect::text(SqlDialect::Statement::RosterExport, db.engine()).arg(team),
                      db);
         !rs.eof(); rs.moveNext()) {
        const RunnerName name = RunnerName::split(rs.field(QStringLiteral("Name")).text());
        const Field grade = rs.field(QStringLiteral("Grade"));
        const Field classOf = rs.field(QStringLiteral("ClassOf"));
        csv += CsvText::line({name.last.trimmed(), name.first.trimmed(),
                              grade.isNull() || grade.toInt() == 0 ? QString() : grade.text(),
                              classOf.isNull() ? QString() : classOf.text(),
                              rs.field(QStringLiteral("Gender")).text(),
                              rs.field(QStringLiteral("PhoneNumber")).text(),
                              rs.field(QStringLiteral("Address")).text()});
    }
    return csv;
}
