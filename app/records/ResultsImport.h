#pragma once

#include "records/AthleteMatch.h"
#include "records/ResultPlacement.h"
#include "records/ResultsFile.h"

#include <optional>

class Connection;

// A results file brought into one team's meet: the school's results picked out of the file,
// its athletes matched to the roster (each one the coach may add, match or skip), the sheet as
// it will be, and then one transaction that adds the new runners and saves the sheet. A file
// imported twice writes nothing the second time.
class ResultsImport
{
public:
    struct Athlete
    {
        enum class Choice
        {
            Runner, // the runner in `runner`
            Add,    // a new runner of the team, with the file's grade and gender
            Skip,
        };
        QString name; // as the file first writes it
        // Every way the file writes the same athlete ("Nguyen, Thi", "Thi Nguyen").
        QStringList written;
        QString gender;
        QString grade;
        int line = 0; // where it first stands
        AthleteMatch::Found found;
        Choice choice = Choice::Skip;
        qint64 runner = 0;
    };

    struct Preview
    {
        MeetSheet sheet;
        QList<ResultPlacement::Row> rows;
        // The school's results that are not written, and why.
        QList<ImportProblem> left;
        int changes = 0;  // rows that change the sheet
        int replaced = 0; // rows that replace what the sheet held
    };

    ResultsFile file;
    QString school;
    QList<AthleteMatch::Runner> roster;
    QList<Athlete> athletes;
    // The school's results in the events the sheet keeps.
    QList<ImportedResult> ours;

    // The school of the file that best matches the team's school name; the first when none
    // does.
    static QString bestSchool(const QStringList& schools, const QString& team);
    static QList<AthleteMatch::Runner> rosterOf(Connection& db, qint64 team, QDate day);
    // The team's meet that an earlier import of the file made: on the file's date, named as
    // the file names the meet. Importing the file again goes there, not into another new meet.
    static std::optional<qint64> madeBefore(Connection& db, qint64 team, const ResultsFile& file);
    // The school's results and athletes: a runner where one matches, else added where none
    // does, skipped where several do.
    static ResultsImport plan(const ResultsFile& file, const QString& school,
                              const QList<AthleteMatch::Runner>& roster);

    // The sheet with the results on it, or that of a new meet made from the file; nothing is
    // written.
    Preview preview(const std::optional<MeetSheet>& sheet) const;
    // What the coach is asked before anything is written, one line each: the athletes to be
    // added to the roster or skipped, and the results that replace what the sheet holds.
    QStringList questions(const Preview& preview) const;
    // Adds the runners to be added, makes the meet when there is none, and saves the results
    // onto its sheet, in one transaction; throws DatabaseError (or MeetChangedError), having
    // written nothing. The meet's Pin, and whether anything changed.
    std::pair<qint64, bool> write(Connection& db, qint64 team, std::optional<qint64> meet,
                                  const QString& by) const;

private:
    // The sheet of a new meet: no divisions yet, the file's date and name.
    MeetSheet newSheet() const;
    Preview place(MeetSheet sheet, const QHash<int, qint64>& added) const;
};
