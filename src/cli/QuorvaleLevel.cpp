#include "cli/QuorvaleLevel.h"

#include "QuorvaleVersion.h"
#include "cli/Commands.h"
#include "cli/LevelOps.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace {

struct CCommand {
    const char* name;
    int (*run)(const CliArgs& args, CCliIo& io);
    // The synopsis after the program's name, then the description indented by four spaces.
    const char* usage;
    // Whether the command takes the level operations (OP); their list follows its usage.
    bool takesOps = false;
};

// The command table: one row per command, in the order of the help text. The help, the manual
// page and the shell completion are all made from it.
constexpr CCommand kCommands[] = {
    {"info", RunInfo,
     "info FILE\n"
     "    Loads FILE as the editor's Open does and prints its format, id, name, creator,\n"
     "    size, ball start and the number of non-empty cells.\n"},
    {"cat", RunCat,
     "cat FILE [OP ...]\n"
     "    Loads FILE, applies the OPs in order and writes the level text to standard output\n"
     "    (the identity is the one read).\n",
     true},
    {"save", RunSave,
     "save FILE OUT [OP ...]\n"
     "    Loads FILE, applies the OPs and saves OUT as the editor's Save does (identity rebuilt).\n"
     "    A failed save leaves no partial OUT and an existing OUT intact.\n",
     true},
    {"render", RunRender,
     "render FILE OUT.png [--cell N] [--no-grid]\n"
     "    Loads FILE and writes the level image as the editor caches it to OUT.png (RGB):\n"
     "    (W N + 1) x (H N + 1) pixels at N pixels a cell (1 to 200, default 20), with the grid\n"
     "    unless --no-grid. OUT must end in .png, or be - for standard output.\n"},
    {"random", RunRandom,
     "random OUT [--seed N] [--bites DIR]\n"
     "    Seeds the C library's rand() with N (default: the clock), builds one random level from\n"
     "    the bites in DIR (default: RBites beside the program) and saves it to OUT as Save does.\n"
     "    Prints the seed used (on standard error when OUT is -). A missing bite folder only\n"
     "    gives a warning.\n"},
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
    out << "Usage: " << kProgramName << " COMMAND [ARGS]\n"
        << "       " << kProgramName << " COMMAND --help\n"
        << "       " << kProgramName << " --help | --version\n"
        << "Reads, edits, renders and test-shoots Quorvale level files without a window.\n"
           "\n"
           "A FILE of - is standard input, an OUT of - standard output.\n"
           "\n"
           "Commands:\n";
    for (const CCommand& command : kCommands)
        out << "  " << command.usage;
    out << '\n'
        << kOpsHelp
        << "\n"
           "Exit status:\n"
           "  0     success\n"
           "  1     a file cannot be opened, read or written\n"
           "  2     the level text was rejected (header, size or missing cell field)\n"
           "  64    bad usage\n";
}

void PrintCommandHelp(const CCommand& command, std::ostream& out)
{
    out << "Usage: " << kProgramName << ' ' << command.usage;
    if (command.takesOps)
        out << '\n' << kOpsHelp;
}

int RunCommand(const CCommand& command, const CliArgs& args, CCliIo& io)
{
    if (std::any_of(args.begin() + 1, args.end(), [](const std::string& arg) { return arg == "--help" || arg == "-h"; })) {
        PrintCommandHelp(command, io.out);
        return FinishOutput(io);
    }
    const int status = command.run(args, io);
    if (status == ExitUsage)
        io.err << "usage: " << kProgramName << ' ' << command.usage;
    return status;
}

} // namespace

int RunQuorvaleLevel(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    CCliIo io{in, out, err};
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        PrintHelp(out);
        return FinishOutput(io);
    }
    if (args.size() == 1 && (args[0] == "--version" || args[0] == "-V")) {
        out << kProgramName << ' ' << kQuorvaleVersion << '\n';
        return FinishOutput(io);
    }
    if (!args.empty())
        for (const CCommand& command : kCommands)
            if (args[0] == command.name)
                return RunCommand(command, args, io);
    err << kProgramName << ": " << (args.empty() ? "missing command" : "unknown command '" + args[0] + "'") << "\n\n";
    PrintHelp(err);
    return ExitUsage;
}
