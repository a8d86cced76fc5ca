#include "cli/Commands.h"

#include "cli/SolveArgs.h"
#include "random/BiteSet.h"
#include "random/RandomLevelGenerator.h"
#include "solve/CupDistance.h"
#include "solve/ShotSolver.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <limits>

namespace {

constexpr int kMaxPlayable = 100;
// How many seeds --playable tries before it gives up, unless --seeds says otherwise.
constexpr unsigned kDefaultSeeds = 1000;
constexpr unsigned kMaxSeeds = 1000000;

} // namespace

int RunRandom(const CliArgs& args, CCliIo& io)
{
    std::string out;
    std::string folder;
    bool seeded = false;
    unsigned seed = 0;
    unsigned seeds = kDefaultSeeds;
    // With --playable N the solver's options, N its most shots; 0 when any level will do.
    CSolveOptions playable;
    playable.maxShots = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        bool taken = false;
        if (const int status = TakeSolveArg(args, i, ArgHeadings | ArgJobs | ArgTimeLimit, playable, taken, io);
            status != ExitOk)
            return status;
        if (taken)
            continue;
        const std::string& arg = args[i];
        if ((arg == "--seed" || arg == "--bites" || arg == "--playable" || arg == "--seeds") && i + 1 == args.size())
            return MissingArgument(io, "a value for " + arg);
        if (arg == "--seeds") {
            if (!ParseExact(args[++i], seeds) || seeds < 1 || seeds > kMaxSeeds)
                return BadOptionValue(io, arg, "a whole number from 1 to " + std::to_string(kMaxSeeds), args[i]);
        } else if (arg == "--playable") {
            if (!ParseExact(args[++i], playable.maxShots) || playable.maxShots < 1 || playable.maxShots > kMaxPlayable)
                return BadOptionValue(io, arg, "a whole number from 1 to " + std::to_string(kMaxPlayable), args[i]);
        } else if (arg == "--seed") {
            if (!ParseExact(args[++i], seed))
                return BadOptionValue(io, arg, "a whole number from 0 to 4294967295", args[i]);
            seeded = true;
        } else if (arg == "--bites") {
            folder = args[++i];
        } else if (out.empty() && (arg == "-" || !arg.starts_with("-"))) {
            out = arg;
        } else {
            return UnexpectedArgument(io, arg);
        }
    }
    if (out.empty())
        return MissingArgument(io, "OUT");
    if (playable.maxShots > 0) {
        if (const int status = CheckJobs(playable, io); status != ExitOk)
            return status;
    }
    if (!seeded)
        seed = static_cast<unsigned>(std::time(nullptr));

    CRandomLevelGenerator generator;
    if (folder.empty())
        folder = GetBiteFolder();
    generator.SetBiteFolder(folder);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        PrintWarning(io, "bite folder " + folder + " does not exist; missing bites leave empty squares");

    std::size_t par = 0;
    bool proven = true;
    const unsigned firstSeed = seed;
    for (unsigned tried = 1;; ++tried) {
        std::srand(seed);
        generator.Generate();
        if (playable.maxShots == 0)
            break;
        // Without a cup no seed will do: these bites cannot make one.
        if (!CCupDistance(generator.GetLevel()).HasCup())
            return PrintError(io, "seed " + std::to_string(seed) + " makes a level without a cup; the bites in " + folder +
                                      " cannot make a playable one",
                              ExitFileError);
        CShotSolver solver(generator.GetLevel());
        const CSolveResult result = solver.Solve(playable);
        // A solution of at most N shots makes the level playable, proven par or not.
        if (result.ending == SolvePar || result.ending == SolveAtMost) {
            par = result.shots.size();
            proven = result.ending == SolvePar;
            break;
        }
        io.err << "seed " << seed << ": ";
        if (result.ending == SolveUnreachable)
            io.err << "the cup cannot be reached\n";
        else
            io.err << "no par within " << playable.maxShots << (playable.maxShots == 1 ? " shot" : " shots")
                   << (result.ending == SolveNoneFound ? " found in the time limit" : "") << '\n';
        if (tried == seeds || seed == std::numeric_limits<unsigned>::max())
            return PrintError(io, "no seed from " + std::to_string(firstSeed) + " to " + std::to_string(seed) +
                                      " gives a playable level (--seeds sets how many are tried)",
                              ExitFileError);
        ++seed;
    }
    CLevel level = generator.GetLevel();
    if (const int status = SaveLevelFile(level, out, io); status != ExitOk)
        return status;
    // With the level on standard output, the seed and the par go with the messages.
    std::ostream& report = out == "-" ? io.err : io.out;
    report << "seed: " << seed << '\n';
    if (par > 0)
        report << "par: " << (proven ? "" : "at most ") << par << '\n';
    return FinishOutput(io);
}
