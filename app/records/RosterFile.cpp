#include "RosterFile.h"

#include "records/CsvText.h"
#include "records/RunnerName.h"
#include "records/RunnerRecord.h"

#include <QHash>

namespace {

enum class Column
{
    First,
    Last,
    Name,
    Grade,
    ClassOf,
    Gender,
    Phone,
    Address,
};

// A header cell as a column: case, blanks and punctuation do not matter.
std::optional<Column> columnOf(const QString& header)
{
    static const QHash<QString, Column> names{
        {QStringLiteral("first"), Column::First},
        {QStringLiteral("firstname"), Column::First},
        {QStringLiteral("last"), Column::Last},
        {QStringLiteral("lastname"), Column::Last},
        {QStringLiteral("surname"), Column::Last},
        {QStringLiteral("name"), Column::Name},
        {QStringLiteral("grade"), Column::Grade},
        {QStringLiteral("classof"), Column::ClassOf},
        {QStringLiteral("class"), Column::ClassOf},
        {QStringLiteral("graduationyear"), Column::ClassOf},
        {QStringLiteral("gradyear"), Column::ClassOf},
        {QStringLiteral("gender"), Column::Gender},
        {QStringLiteral("sex"), Column::Gender},
        {QStringLiteral("phone"), Column::Phone},
        {QStringLiteral("phonenumber"), Column::Phone},
        {QStringLiteral("telephone"), Column::Phone},
        {QStringLiteral("address"), Column::Address},
    };
    QString key;
    for (const QChar c : header)
        if (c.isLetterOrNumber())
            key += c.toLower();
    const auto found = names.constFind(key);
    return found == names.cend() ? std::nullopt : std::optional<Column>(*found);
}

} // namespace

QStringList RosterFile::header()
{
    return {QStringLiteral("Last"),     QStringLiteral("First"),  QStringLiteral("Grade"),
            QStringLiteral("Class of"), QStringLiteral("Gender"), QStringLiteral("Phone"),
            QStringLiteral("Address")};
}

RosterFile RosterFile::read(const QByteArray& bytes)
{
    RosterFile roster;
    const QString text = CsvText::decode(bytes, &roster.error);
    return roster.error.isEmpty() ? readText(text) : roster;
}

RosterFile RosterFile::readText(const QString& text)
{
    RosterFile roster;
    const CsvText::Table table = CsvText::read(text);
    if (!table.error.isEmpty()) {
        roster.error = table.error;
        return roster;
    }
    // A school's roster is a few hundred runners; a file of many thousands is something else.
    constexpr int MostRows = 5000;
    if (table.rows.size() > MostRows + 1) {
        roster.error = QStringLiteral("The file has %1 rows, but a roster has at most %2 runners: "
                                      "is it the right file?")
                           .arg(table.rows.size() - 1)
                           .arg(MostRows);
        return roster;
    }
    QHash<Column, int> at;
    const QStringList head = table.rows.first().fields;
    for (int i = 0; i < head.size(); ++i)
        if (const std::optional<Column> c = columnOf(head.at(i)); c && !at.contains(*c))
            at.insert(*c, i);
    if (!at.contains(Column::Name) && !(at.contains(Column::First) && at.contains(Column::Last))) {
        roster.error = QStringLiteral("The first line names no column for the runners' names: "
                                      "it needs \"First\" and \"Last\", or \"Name\" (as "
                                      "\"Last, First\").");
        return roster;
    }
    for (const CsvText::Row& row : table.rows.mid(1)) {
        const QString where = QStringLiteral("Line %1: ").arg(row.line);
        if (row.fields.size() > head.size()) {
            roster.problems << where + QStringLiteral("%1 values, but the first line names %2 "
                                                      "columns (a comma outside quotes?).")
                                           .arg(row.fields.size())
                                           .arg(head.size());
            continue;
        }
        auto value = [&](Column c) {
            return at.contains(c) ? row.fields.value(at.value(c)).trimmed() : QString();
        };
        Runner r;
        r.line = row.line;
        r.first = value(Column::First);
        r.last = value(Column::Last);
        if (r.first.isEmpty() && r.last.isEmpty()) {
            const RunnerName name = RunnerName::split(value(Column::Name));
            r.first = name.first.trimmed();
            r.last = name.last.trimmed();
        }
        if (r.first.isEmpty() && r.last.isEmpty()) {
            roster.problems << where + QStringLiteral("no name.");
            continue;
        }
        if (!RunnerRecord::readGrade(value(Column::Grade), &r.grade)) {
            roster.problems << where + QStringLiteral("the grade \"%1\" is not a whole number "
                                                      "from 1 to 12.")
                                           .arg(value(Column::Grade));
            continue;
        }
        if (!RunnerRecord::readClassOf(value(Column::ClassOf), &r.classOf)) {
            roster.problems << where + QStringLiteral("the class year \"%1\" is not a year such "
                                                      "as 2028.")
                                           .arg(value(Column::ClassOf));
            continue;
        }
        r.gender = value(Column::Gender);
        r.phone = value(Column::Phone);
        r.address = value(Column::Address);
        roster.runners << r;
    }
    return roster;
}
