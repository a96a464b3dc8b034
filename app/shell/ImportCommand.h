#pragma once

// Results brought in from the command line, for scripts:
//   cindrel --import-results FILE --team N (--meet N | --new-meet) [--database FILE] [--yes]
// It prints what it would write. Where it must ask (athletes to add to the roster or to skip,
// results that replace what the sheet holds) it writes nothing unless --yes answers yes.
class ImportCommand
{
public:
    static bool wanted(int argc, char* argv[]);
    // The exit code: 0 imported (or nothing to import), 1 not imported (said on standard
    // error), 2 a command line that cannot be read.
    static int run(int argc, char* argv[]);
};
