#include "cli/Commands.h"

#include "cli/SolveArgs.h"
#include "file/NumberText.h"
#include "solve/ShotSolver.h"

int RunSolve(const CliArgs& args, CCliIo& io)
{
    std::string file;
    CSolveOptions options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        bool taken = false;
        const unsigned accepted = ArgMaxShots | ArgHeadings | ArgJobs | ArgTimeLimit | ArgMerge;
        if (const int status = TakeSolveArg(args, i, accepted, options, taken, io); status != ExitOk)
            return status;
        if (taken)
            continue;
        if (args[i] == "--no-aim") {
            options.aim = false;
            continue;
        }
        if (!file.empty() || (args[i] != "-" && args[i].starts_with("-")))
            return UnexpectedArgument(io, args[i]);
        file = args[i];
    }
    if (file.empty())
        return MissingArgument(io, "FILE");
    CLoadedLevel loaded;
    if (const int status = LoadLevelFile(file, loaded, io); status != ExitOk)
        return status;

    CShotSolver solver(loaded.level);
    const CSolveResult result = solver.Solve(options);
    if (result.status == SolveFound) {
        int number = 0;
        for (const CPlayedShot& played : result.shots) {
            io.out << "shot " << ++number << ": strength " << FormatExact(played.shot.strength) << " angle "
                   << FormatExact(played.shot.angle) << " -> " << GetShotResultName(played.result);
            if (played.result != ShotCup)
                io.out << " x: " << FormatFixed(played.end.x) << " y: " << FormatFixed(played.end.y);
            io.out << '\n';
        }
        io.out << "par: " << result.shots.size() << '\n';
    } else if (result.status == SolveNone) {
        io.out << "par: none within " << options.maxShots << " shots\n";
    } else {
        io.out << "par: none found in " << FormatShortest(options.timeLimit) << " s\n";
    }
    return FinishOutput(io);
}
