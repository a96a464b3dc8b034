#include "SlotWrites.h"

#include "data/Connection.h"
#include "data/RowsStatement.h"
#include "records/RelaySplit.h"
#include "records/SheetNumber.h"
#include "records/SlotNotesStore.h"

namespace {

QString slotStatement(qint64 runner, const SheetNumbers& n, qint64 join)
{
    const QString mark1 = *SheetNumber::sqlLiteral(n.mark1);
    const QString mark2 = *SheetNumber::sqlLiteral(n.mark2);
    return QStringLiteral("UPDATE Event_to_Runner Set Runner_Pin = ") + QString::number(runner) +
           QStringLiteral(",feet=") + mark1 + QStringLiteral(",Inches=") + mark2 +
           QStringLiteral(",Minutes=") + mark1 + QStringLiteral(",Seconds=") + mark2 +
           QStringLiteral(",Points=") + *SheetNumber::sqlLiteral(n.points) +
           QStringLiteral(",Place=") + *SheetNumber::sqlLiteral(n.place) +
           QStringLiteral(" WHERE Pin=") + QString::number(join);
}

QVariant numberOrNull(std::optional<double> value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

} // namespace

SlotWrites::SlotWrites(Connection& db) : m_db(db) {}

void SlotWrites::add(qint64 join, qint64 runner, const SheetNumbers& numbers, const QString& split)
{
    if (m_db.onServer()) {
        m_waiting << Slot{join, runner, numbers, split};
        return;
    }
    m_db.execute(slotStatement(runner, numbers, join));
    SlotNotesStore::write(m_db, join, numbers.notes);
    SlotNotesStore::writeSplit(m_db, join, split);
}

void SlotWrites::flush()
{
    QList<QVariantList> rows;
    for (const Slot& slot : std::as_const(m_waiting)) {
        const SheetNumbers& n = slot.numbers;
        rows << QVariantList{slot.join,
                             slot.runner,
                             SheetNumber::value(n.mark1),
                             SheetNumber::value(n.mark2),
                             SheetNumber::value(n.points),
                             SheetNumber::value(n.place),
                             n.notes.hand ? QStringLiteral("h") : QString(),
                             numberOrNull(n.notes.wind),
                             n.notes.aided() ? 1 : 0,
                             numberOrNull(RelaySplit::seconds(slot.split))};
    }
    m_waiting.clear();
    RowsStatement::run(m_db,
                       QStringLiteral("UPDATE Event_to_Runner AS s SET Runner_Pin = v.runner, "
                                      "feet = v.mark1, Inches = v.mark2, Minutes = v.mark1, "
                                      "Seconds = v.mark2, Points = v.points, Place = v.place, "
                                      "Timing = v.timing, Wind = v.wind, Aided = v.aided, Split = "
                                      "v.split FROM (VALUES "),
                       QStringLiteral("(?::integer, ?::integer, ?::float8, ?::float8, ?::float8, "
                                      "?::float8, ?::text, ?::float8, ?::integer, ?::float8)"),
                       rows,
                       QStringLiteral(") AS v(pin, runner, mark1, mark2, points, place, timing, "
                                      "wind, aided, split) WHERE s.Pin = v.pin"));
}
