#pragma once

#include "data/DatabaseError.h"

#include <QDateTime>

// A meet sheet saved by someone else since it was loaded: the save wrote nothing. Who saved
// it and when, as the meet now says.
class MeetChangedError : public DatabaseError
{
public:
    MeetChangedError(const QString& by, const QDateTime& at);

    QString by() const { return m_by; }
    QDateTime at() const { return m_at; }

private:
    QString m_by;
    QDateTime m_at;
};
