#pragma once

#include <QString>
#include <optional>

// What the program's command line asks for before any window opens: a report or a list, a
// server database, the help or the version. A script never waits on a window it did not ask
// for: an option the program does not know is refused.
class CommandLine
{
public:
    // The process's exit code when the command line is a command (done, or refused with exit 2
    // and a usage on standard error); nothing when it asks for the program's windows, with at
    // most the options Qt itself takes ("-style fusion", "-platform offscreen").
    static std::optional<int> run(int argc, char* argv[]);
    // The version, from the one place the build keeps it.
    static const char* version();
    // A Pin or a year as a command line gives it: a whole number above 0, or nothing.
    static std::optional<qint64> positive(const QString& text);
};
