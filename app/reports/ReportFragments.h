#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The tables of the reports, built row by row from the rows of their queries. Values go in as
// text, never as RTF; the fragments' own "\line " and tabs align the columns.
class ReportFragments
{
public:
    struct EventRow
    {
        qint64 eventPin;
        qint64 runnerPin;
        QString measureTime, runnerName, meetTime, host;
    };
    struct RunnerRow
    {
        qint64 type;
        QString eventName, meetTime, measureTime, place, points;
        // A relay leg's own split, on a line of its own under the team's result.
        QString split = {};
    };
    struct RosterRow
    {
        QString grade, name, phone;
    };
    struct ScheduleRow
    {
        QString meetTime, host, place;
    };
    // An event's record: no mark when the team has none.
    struct RecordRow
    {
        QString eventName, measureTime;
        QStringList names;
        QString meetTime, host;
    };

    // The event ranking: one full row per result, a continuation row (the name alone) for
    // a row of the same event and runner as the one before.
    static QString eventHistory(const QList<EventRow>& rows);
    // A runner's bests at the head of an event type's group: the PR, then each season's best,
    // with the meet date and the mark in the columns of the results.
    struct BestRow
    {
        QString label, meetTime, measureTime;
    };
    // A runner's results, a line break in the file's text before each event type's group,
    // which its bests head.
    // A chart (RTF) heads its event type's group, above the bests.
    static QString runnerHistory(const QList<RunnerRow>& rows,
                                 const QHash<qint64, QList<BestRow>>& bests = {},
                                 const QHash<qint64, QString>& charts = {});
    static QString teamRoster(const QList<RosterRow>& rows);
    static QString teamSchedule(const QList<ScheduleRow>& rows);
    // One event a row; a relay's other legs on the rows below, under the first.
    static QString records(const QList<RecordRow>& rows);
};
