#pragma once

#include "records/ImportedResult.h"
#include "records/MeetSheet.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

// Results of a file put onto a meet's sheet: each into the division of its gender (and named
// division), into the entry its runner already has in the event, else the first free one,
// else a further one; a relay into its team's letter. What is already there and differs is
// named, so that nothing typed is replaced unasked.
class ResultPlacement
{
public:
    struct Who
    {
        qint64 runner = 0;
        QString name; // as the sheet shows it
    };
    // The runner a name of the file stands for; nothing for an athlete who is skipped.
    using Resolve = std::function<std::optional<Who>(const QString& written)>;

    // A result as it will stand on the sheet.
    struct Row
    {
        int line = 0;
        QString where;    // "Girls Varsity, 100 Meter Dash, first entry"
        QString who;      // the runner, or a relay's legs
        QString result;   // "1st, 10 points, 12.41 +1.8"
        QString replaces; // what the entry held that differs; empty when nothing
        bool changes = true;
    };

    // Places every result; the rows say what happens to each, `left` what is not written
    // and why.
    static QList<Row> place(MeetSheet& sheet, const QList<ImportedResult>& results,
                            const Resolve& who, QList<ImportProblem>* left);
    // "1st, 10 points, 12.41 +1.8"; "no mark" where there is none.
    static QString describe(int event, const SheetNumbers& n);
};
