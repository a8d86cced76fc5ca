#include "cli/Commands.h"

#include "solve/ShotPlayer.h"

#include <cstdio>
#include <string>

namespace {

struct CShootOptions {
    std::string file;
    double strength = 0.0;
    double angle = 0.0;
    bool trace = false;
    long long maxSteps = 1000000;
};

// Reads FILE and the options; on a usage error prints why and returns ExitUsage.
int ParseShootArgs(const CliArgs& args, CShootOptions& options, CCliIo& io)
{
    if (args.size() < 2)
        return MissingArgument(io, "FILE");
    options.file = args[1];
    bool haveStrength = false;
    bool haveAngle = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--trace") {
            options.trace = true;
            continue;
        }
        if (option != "--strength" && option != "--angle" && option != "--max-steps")
            return UnexpectedArgument(io, option);
        if (i + 1 == args.size())
            return MissingArgument(io, "a value for " + option);
        const std::string& value = args[++i];
        if (option == "--max-steps") {
            if (!ParseExact(value, options.maxSteps) || options.maxSteps <= 0)
                return BadOptionValue(io, option, "a whole number above 0", value);
        } else if (!ParseExact(value, option == "--angle" ? options.angle : options.strength)) {
            return BadOptionValue(io, option, "a finite number", value);
        }
        (option == "--angle" ? haveAngle : haveStrength) = true;
    }
    if (!haveStrength || !haveAngle)
        return PrintError(io, "--strength and --angle are both needed", ExitUsage);
    return ExitOk;
}

} // namespace

std::string FormatTraceLine(long long step, const CBall& ball)
{
    char line[160];
    std::snprintf(line, sizeof line, "%lld %.17g %.17g %.17g %.17g %.17g\n", step, ball.GetX(), ball.GetY(),
                  ball.GetSpeed(), ball.GetAngle(), ball.GetRadius());
    return line;
}

int RunShoot(const CliArgs& args, CCliIo& io)
{
    CShootOptions options;
    if (const int status = ParseShootArgs(args, options, io); status != ExitOk)
        return status;
    CLoadedLevel loaded;
    if (const int status = LoadLevelFile(options.file, loaded, io); status != ExitOk)
        return status;

    // Test mode without a window: the ball thread's steps run here, silent.
    CShotPlayer player(loaded.level);
    player.Place(CShotPlayer::StartState(loaded.level));
    CShotPlayer::StepObserver printStep;
    if (options.trace)
        printStep = [&io](const CBall& ball, long long step) { io.out << FormatTraceLine(step, ball); };
    const CPlayedShot played = player.Shoot({options.strength, options.angle}, options.maxSteps, printStep);
    char last[160];
    std::snprintf(last, sizeof last, "result: %s steps: %lld x: %f y: %f\n", GetShotResultName(played.result),
                  played.steps, played.end.x, played.end.y);
    io.out << last;
    return FinishOutput(io);
}
