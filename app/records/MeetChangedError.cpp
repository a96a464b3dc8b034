#include "MeetChangedError.h"

#include "data/Field.h"

MeetChangedError::MeetChangedError(const QString& by, const QDateTime& at)
    : DatabaseError(
          QStringLiteral("This meet was changed by %1 at %2; reload it?")
              .arg(by.isEmpty() ? QStringLiteral("another user") : by, Field::dateText(at))),
      m_by(by), m_at(at)
{
}
