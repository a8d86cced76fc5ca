// quorvale-level: the editor's headless companion for level files.
#include "cli/Commands.h"
#include "cli/LevelOps.h"

#include <cstring>
#include <iostream>
#include <string_view>

namespace {

struct CCommand {
    const char* name;
    int (*run)(const CliArgs& args);
    const char* usage;
};

// The command table: one row per command, in the order of the help text.
constexpr CCommand kCommands[] = {
    {"info", RunInfo,
     "info FILE\n"
     "    Loads FILE as the editor's Open does and prints its format, id, name, creator,\n"
     "    size, ball start and the number of non-empty cells.\n"},
    {"cat", RunCat,
     "cat FILE [OP ...]\n"
     "    Loads FILE, applies the OPs in order and writes the level text to standard output\n"
     "    (the identity is the one read).\n"},
    {"save", RunSave,
     "save FILE OUT [OP ...]\n"
     "    Loads FILE, applies the OPs and saves OUT as the editor's Save does (identity rebuilt).\n"
     "    A failed save leaves no partial OUT and an existing OUT intact.\n"},
    {"render", RunRender,
     "render FILE OUT.png [--cell N] [--no-grid]\n"
     "    Loads FILE and writes the level image as the editor caches it to OUT.png (RGB):\n"
     "    (W N + 1) x (H N + 1) pixels at N pixels a cell (1 to 200, default 20), with the grid\n"
     "    unless --no-grid.\n"},
    {"random", RunRandom,
     "random OUT [--seed N] [--bites DIR]\n"
     "    Seeds the C library's rand() with N (default: the clock), builds one random level from\n"
     "    the bites in DIR (default: RBites beside the program) and saves it to OUT as Save does.\n"
     "    Prints the seed used. A missing bite folder only gives a warning.\n"},
    {"shoot", RunShoot,
     "shoot FILE --strength S --angle A [--trace] [--max-steps N]\n"
     "    Test mode without a window: shoots the ball from the level's start with speed S\n"
     "    (blocks per time unit) and heading A (radians, y down), sound off, and steps it as the\n"
     "    ball thread does until it stops. --trace prints one line per step: step x y speed angle\n"
     "    radius. The last line is 'result: cup|rest|water steps: N x: X y: Y'; a ball still\n"
     "    rolling after N steps (default 1000000) ends the run with 'result: moving'.\n"},
};

void PrintHelp(std::ostream& out)
{
    out << "Usage: quorvale-level COMMAND [ARGS]\n\nCommands:\n";
    for (const CCommand& command : kCommands)
        out << "  " << command.usage;
    out << '\n' << kOpsHelp
        << "\nExit status: 0 success; 1 a file cannot be opened, read or written; 2 the level text\n"
           "was rejected (header, size or missing cell field); 64 bad usage.\n";
}

} // namespace

int main(int argc, char** argv)
{
    const CliArgs args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        PrintHelp(std::cout);
        return ExitOk;
    }
    for (const CCommand& command : kCommands) {
        if (args.empty() || args[0] != command.name)
            continue;
        const int status = command.run(args);
        if (status == ExitUsage)
            std::cerr << "usage: quorvale-level " << command.usage;
        return status;
    }
    PrintHelp(std::cerr);
    return ExitUsage;
}
