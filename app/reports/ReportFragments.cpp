#include "ReportFragments.h"

#include "reports/ReportText.h"

namespace {

const QString Line = QStringLiteral("\\line ");
const QString Tab = QStringLiteral("\t");

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

} // namespace

QString ReportFragments::eventHistory(const QList<EventRow>& rows)
{
    // The date column holds the longest short date ("12/31/2026") and a blank.
    QString text = QLatin1String("Measure/Time") + blanks(8) + QLatin1String("Name") + blanks(21) +
                   QLatin1String("Date") + blanks(7) + QLatin1String("Meet") + Line;
    qint64 lastEvent = -1;
    qint64 lastRunner = -1;
    for (const EventRow& r : rows) {
        if (r.eventPin != lastEvent || r.runnerPin != lastRunner) {
            text += ReportText::column(r.measureTime, 20) + ReportText::column(r.runnerName, 25) +
                    ReportText::column(r.meetTime, 11) + ReportText::rtf(r.host) + Line;
            lastEvent = r.eventPin;
            lastRunner = r.runnerPin;
        } else {
            text += blanks(20) + ReportText::column(r.runnerName, 25) + Line;
        }
    }
    return text;
}

QString ReportFragments::runnerHistory(const QList<RunnerRow>& rows,
                                       const QHash<qint64, QList<BestRow>>& bests,
                                       const QHash<qint64, QString>& charts)
{
    QString text = Tab + QLatin1String("Event") + blanks(15) + QLatin1String("Time") + Tab + Tab +
                   QLatin1String("T/M") + Tab + Tab + QLatin1String("Pl") + Tab +
                   QLatin1String("Pts") + Line + Line;
    qint64 lastType = -1;
    for (const RunnerRow& r : rows) {
        if (r.type != lastType) {
            lastType = r.type;
            text += QLatin1String("\r\n");
            // A group with bests stands apart, its bests on top.
            if (bests.contains(r.type) && &r != &rows.first())
                text += Line;
            if (const QString chart = charts.value(r.type); !chart.isEmpty())
                text += chart + Line;
            for (const BestRow& b : bests.value(r.type))
                text += Tab + ReportText::column(b.label, 20) + ReportText::rtf(b.meetTime) + Tab +
                        ReportText::rtf(b.measureTime) + Line;
        }
        text += Tab + ReportText::column(r.eventName, 20) + ReportText::rtf(r.meetTime) + Tab +
                ReportText::rtf(r.measureTime) + Tab + Tab + ReportText::rtf(r.place) + Tab +
                ReportText::rtf(r.points) + Line;
        if (!r.split.isEmpty())
            text += Tab + ReportText::column(QStringLiteral("  Leg split"), 20) +
                    ReportText::rtf(r.meetTime) + Tab + ReportText::rtf(r.split) + Line;
    }
    return text;
}

QString ReportFragments::teamRoster(const QList<RosterRow>& rows)
{
    QString text = QLatin1String("Grade") + Tab + Tab + QLatin1String("Name") + blanks(16) +
                   QLatin1String("Phone") + Line;
    for (const RosterRow& r : rows)
        text += ReportText::rtf(r.grade) + Tab + Tab + ReportText::column(r.name, 20) +
                ReportText::rtf(r.phone) + Line;
    return text;
}

QString ReportFragments::teamSchedule(const QList<ScheduleRow>& rows)
{
    QString text = QLatin1String("Date") + blanks(8) + QLatin1String("Host") + blanks(21) +
                   QLatin1String("Place") + Line;
    for (const ScheduleRow& r : rows)
        text += ReportText::column(r.meetTime, 12) + ReportText::column(r.host, 25) +
                ReportText::rtf(r.place) + Line;
    return text;
}

QString ReportFragments::records(const QList<RecordRow>& rows)
{
    QString text = QLatin1String("Event") + blanks(14) + QLatin1String("Mark") + blanks(8) +
                   QLatin1String("Athlete") + blanks(17) + QLatin1String("Date") + blanks(7) +
                   QLatin1String("Meet") + Line;
    for (const RecordRow& r : rows) {
        text += ReportText::column(r.eventName, 19);
        if (r.names.isEmpty()) {
            text += QLatin1String("(no mark yet)") + Line;
            continue;
        }
        // A mark too long for its column ("22.44c (22.2h -0.4)") goes on below its first word,
        // so that the athlete, date and meet stay in theirs.
        QString mark = r.measureTime, below;
        if (mark.size() > 11 && mark.contains(QLatin1Char(' '))) {
            below = mark.section(QLatin1Char(' '), 1);
            mark = mark.section(QLatin1Char(' '), 0, 0);
        }
        text += ReportText::column(mark, 12) + ReportText::column(r.names.first(), 24) +
                ReportText::column(r.meetTime, 11) + ReportText::rtf(r.host) + Line;
        if (!below.isEmpty())
            text += blanks(19) + ReportText::column(below, 12) + ReportText::rtf(r.names.value(1)) +
                    Line;
        for (const QString& leg : r.names.mid(below.isEmpty() ? 1 : 2))
            text += blanks(31) + ReportText::rtf(leg) + Line;
    }
    return text;
}
