#pragma once

#include <QString>

class ResultsFile;

// The results listing meet programs print and results pages show, as text or inside an HTML
// page's <pre>: a heading per event, then a line per place ("1 Baptiste, Ana 11 Central High
// 12.41 +1.8 10"); a relay's line names the school and its team ("1 Central High 'A'
// 3:28.41 10"), with its legs on the lines below ("1) Baptiste, Ana 11 47.1  2) Dubois, Lea
// 10"). Columns are found by their content; a line that starts like a result but cannot be
// read is a problem with its line number.
class ResultsListing
{
public:
    static void read(const QString& text, ResultsFile& into);
    // The text of an HTML page's <pre> blocks, entities decoded; the text itself otherwise.
    static QString plainText(const QString& text);
};
