#pragma once

// The team's website from a script:
//   cindrel --publish DIR --team N [--season YEAR] [--database FILE]
// with the names as Options › Publishing chose them. Exit 0 published, 1 not published (the
// reason on standard error; the folder as it was), 2 a command line it cannot read.
class PublishCommand
{
public:
    static bool wanted(int argc, char* argv[]);
    static int run(int argc, char* argv[]);
};
