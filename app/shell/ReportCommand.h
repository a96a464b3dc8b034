#pragma once

// A report written as a PDF file from the command line, with no window and no printer, for
// scripts and for mailing to parents:
//   cindrel --report runner|team|meet|event|records --pin N [--team N] [--season YEAR]
//           [--best] --pdf FILE [--database FILE]
//   cindrel --list teams|events | --list runners|meets --team N
// The lists print the Pins that the reports take, one "Pin<tab>name" per line. The database
// is the one the program last had open unless --database names another.
class ReportCommand
{
public:
    // True when the command line asks for a report or a list rather than the program's windows.
    static bool wanted(int argc, char* argv[]);
    // Writes the report; the process's exit code: 0 written, 1 failed (said on standard
    // error), 2 a command line that cannot be read.
    static int run(int argc, char* argv[]);
};
