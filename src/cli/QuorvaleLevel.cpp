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
     "    A failed save leaves no partial OUT and an existing OUT intact. Unlike the editor's\n"
     "    Save, it keeps no earlier version of OUT (see 'versions').\n",
     true},
    {"render", RunRender,
     "render FILE OUT.png [--cell N] [--no-grid]\n"
     "    Loads FILE and writes the level image as the editor caches it to OUT.png (RGB):\n"
     "    (W N + 1) x (H N + 1) pixels at N pixels a cell (1 to 200, default 20), with the grid\n"
     "    unless --no-grid. OUT must end in .png, or be - for standard output.\n"},
    {"random", RunRandom,
     "random OUT [--seed N] [--bites DIR] [--playable N [--seeds M] [--headings N] [--jobs N] [--time-limit S]]\n"
     "    Seeds the C library's rand() with N (default: the clock), builds one random level from\n"
     "    the bites in DIR (default: RBites beside the program) and saves it to OUT as Save does.\n"
     "    Prints the seed used (on standard error when OUT is -). A missing bite folder only\n"
     "    gives a warning. With --playable N it tries that seed, the next and so on until 'solve'\n"
     "    finds a par of at most N shots (with the options given; --time-limit for each seed),\n"
     "    saves that level and prints its par too. It gives up after M seeds (default 1000), and\n"
     "    at once when a level has no cup.\n"},
    {"shoot", RunShoot,
     "shoot FILE --strength S --angle A [--trace] [--max-steps N]\n"
     "    Test mode without a window: shoots the ball from the level's start with speed S\n"
     "    (blocks per time unit) and heading A (radians, y down), sound off, and steps it as the\n"
     "    ball thread does until it stops. --trace prints one line per step: step x y speed angle\n"
     "    radius. The last line is 'result: cup|rest|water steps: N x: X y: Y'; a ball still\n"
     "    rolling after N steps (default 1000000) ends the run with 'result: moving'.\n"},
    {"solve", RunSolve,
     "solve FILE [--max-shots N] [--headings N] [--jobs N] [--time-limit SECONDS] [--merge M] [--min-forgiveness P] [--no-tunnel] [--no-aim] [--quiet]\n"
     "    Finds par: the fewest shots that take the ball from its start into the cup as test\n"
     "    mode plays them. A shot has one of N headings i 2 pi / N (default 720) and a strength\n"
     "    the mouse gives along it (3 x the whole blocks from the ball to the corner of a cell\n"
     "    the pointer can be over on that heading, clamped onto the grid); each starts where\n"
     "    the one before left the ball. It looks ahead for a solution first (a beam search\n"
     "    toward the cup, widened round by round, each round after a shorter one), then proves\n"
     "    the best: all solutions of 1 shot, of 2 and so on, up to one shot less than the best\n"
     "    found or --max-shots (default 6). Runs on --jobs threads (default:\n"
     "    one per processor; a search that is not stopped gives the same result for any\n"
     "    number); --time-limit stops it, keeping what it found. A position within the same\n"
     "    1/M block square as one reached before counts as that one (--merge, default 16; 0\n"
     "    keeps every position): this can miss a shorter solution. Positions nearest the cup\n"
     "    and headings toward it are tried first; --no-aim tries them as reached and from\n"
     "    heading 0. A strong shot can pass through a wall, as in the game; --no-tunnel leaves\n"
     "    out every shot during which the ball's centre lies on wall ground. --min-forgiveness P\n"
     "    takes only shots at least P % forgiving. On a terminal the search shows its progress\n"
     "    on standard error, unless --quiet.\n"
     "    Prints 'shot K: strength S angle A -> rest x: X y: Y forgiveness: P%' for every shot\n"
     "    of the solution ('-> cup forgiveness: P%' for the last; A exact, for 'play'), ending in\n"
     "    ' through a wall' when the ball's centre lay on wall ground during the shot. The\n"
     "    forgiveness is the share of the 41 headings A + k pi / 3600, k = -20 to 20 (a degree\n"
     "    either way), whose shot ends the same way: in the cup, or at rest within half a\n"
     "    block. The last line is one of these answers, each with exit status 0 (\"shot\" for 1):\n"
     "      par: N  (a solution of N shots and none shorter)\n"
     "      par: at most N, none of D shots or fewer (stopped after T s)\n"
     "      par: none within M shots\n"
     "      par: none, the cup cannot be reached  (no cup, or walls no ball here can pass)\n"
     "      par: none found in T s, none of D shots or fewer\n"},
    {"play", RunPlay,
     "play FILE SHOT... [--trace]\n"
     "    Plays the shots (STRENGTH@ANGLE, e.g. 12@0.78539816339744828) one after the other from\n"
     "    the ball start as test mode does and prints for each 'shot K: result: cup|rest|water\n"
     "    steps: N x: X y: Y' (after water the ball lies where that shot started), after its\n"
     "    steps as 'shoot --trace' prints them with --trace. Stops after the cup, or after a\n"
     "    shot still rolling at 200000 steps ('result: moving').\n"},
    {"shotmap", RunShotmap,
     "shotmap FILE OUT.png [--cell N] [--headings N] [--jobs N]\n"
     "    Plays every first shot that 'solve' tries and draws their outcomes over the image of\n"
     "    'render': a dot where each came to rest (white), went into water (cyan) or sank\n"
     "    (yellow), and the paths of the shots into the cup. Prints the counts of the outcomes\n"
     "    (on standard error when OUT is -).\n"},
    {"versions", RunVersions,
     "versions FILE\n"
     "    Lists the earlier versions of FILE that the editor kept when its saves replaced the\n"
     "    file (this program's 'save' keeps none), newest first, one a line: 'TIME SIZE PATH',\n"
     "    TIME when the version was kept, in local time (2024-03-05T14:07:09+01:00), SIZE in\n"
     "    bytes and PATH the kept copy, a level file (the rest of the line, spaces and all).\n"
     "    Prints nothing when none is kept. FILE need not exist any more. The copies lie in\n"
     "    $XDG_STATE_HOME/quorvale-editor/versions (~/.local/state/quorvale-editor/versions\n"
     "    when XDG_STATE_HOME is not set).\n"},
};

void PrintHelp(std::ostream& out)
{
    out << "Usage: " << kProgramName << " COMMAND [ARGS]\n"
        << "       " << kProgramName << " COMMAND --help\n"
        << "       " << kProgramName << " --help | --version\n"
        << "Reads, edits, renders, test-shoots and solves Quorvale level files without a window.\n"
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

int RunQuorvaleLevel(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                     bool errIsTerminal)
{
    CCliIo io{in, out, err, errIsTerminal};
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
