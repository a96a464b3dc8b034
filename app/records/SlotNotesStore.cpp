#include "SlotNotesStore.h"

#include "data/Connection.h"
#include "data/RecordSet.h"
#include "records/RelaySplit.h"

MarkNotes SlotNotesStore::notesOf(const RecordSet& row)
{
    MarkNotes notes;
    notes.hand = row.field(QStringLiteral("Timing")).text() == QLatin1String("h");
    if (!row.field(QStringLiteral("Wind")).isNull())
        notes.wind = row.field(QStringLiteral("Wind")).toDouble();
    notes.markedAided = row.field(QStringLiteral("Aided")).toInt() != 0 && !notes.aided();
    return notes;
}

QString SlotNotesStore::splitOf(const RecordSet& row)
{
    const auto split = row.field(QStringLiteral("Split"));
    return split.isNull() ? QString() : RelaySplit::text(split.toDouble());
}

void SlotNotesStore::clear(Connection& db, qint64 division)
{
    db.execute(QStringLiteral("UPDATE Event_to_Runner SET Timing = '', Wind = NULL, Aided = 0, "
                              "Split = NULL WHERE Event_Pin IN (SELECT Pin FROM Events WHERE "
                              "Division_Pin = ?) AND (Timing <> '' OR Wind IS NOT NULL OR Aided "
                              "<> 0 OR Split IS NOT NULL)"),
               {division});
}

void SlotNotesStore::write(Connection& db, qint64 join, const MarkNotes& notes)
{
    if (notes.isEmpty())
        return;
    db.execute(QStringLiteral("UPDATE Event_to_Runner SET Timing = ?, Wind = ?, Aided = ? "
                              "WHERE Pin = ?"),
               {notes.hand ? QStringLiteral("h") : QString(),
                notes.wind ? QVariant(*notes.wind) : QVariant(QMetaType(QMetaType::Double)),
                notes.aided() ? 1 : 0, join});
}

void SlotNotesStore::writeSplit(Connection& db, qint64 join, const QString& split)
{
    if (const std::optional<double> seconds = RelaySplit::seconds(split))
        db.execute(QStringLiteral("UPDATE Event_to_Runner SET Split = ? WHERE Pin = ?"),
                   {*seconds, join});
}
