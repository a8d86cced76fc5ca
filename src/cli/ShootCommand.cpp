#include "cli/Commands.h"

#include "sim/Ball.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// The whole text must be one finite number.
bool ParseNumber(const std::string& text, double& value)
{
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end && std::isfinite(value);
}

bool ParseCount(const std::string& text, long long& value)
{
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end && value > 0;
}

struct CShootOptions {
    std::string file;
    double strength = 0.0;
    double angle = 0.0;
    bool trace = false;
    long long maxSteps = 1000000;
};

bool ParseShootArgs(const CliArgs& args, CShootOptions& options)
{
    if (args.size() < 2)
        return false;
    options.file = args[1];
    bool haveStrength = false;
    bool haveAngle = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool hasValue = i + 1 < args.size();
        if (option == "--trace")
            options.trace = true;
        else if (option == "--strength" && hasValue)
            haveStrength = ParseNumber(args[++i], options.strength);
        else if (option == "--angle" && hasValue)
            haveAngle = ParseNumber(args[++i], options.angle);
        else if (option == "--max-steps" && hasValue) {
            if (!ParseCount(args[++i], options.maxSteps))
                return false;
        } else
            return false;
    }
    return haveStrength && haveAngle;
}

} // namespace

int RunShoot(const CliArgs& args)
{
    CShootOptions options;
    if (!ParseShootArgs(args, options))
        return ExitUsage;
    CLoadedLevel loaded;
    if (const int status = LoadLevelFile(options.file, loaded); status != ExitOk)
        return status;

    // Test mode without a window: the ball thread's steps run here, silent.
    CBall ball(0);
    ball.SetSoundOn(false);
    ball.AttachLevel(&loaded.level);
    ball.Launch(options.strength, options.angle, CBall::kNormal);
    long long steps = 0;
    bool moving = true;
    while (moving && steps < options.maxSteps) {
        moving = ball.Advance();
        ++steps;
        if (options.trace)
            std::printf("%lld %.17g %.17g %.17g %.17g %.17g\n", steps, ball.GetX(), ball.GetY(), ball.GetSpeed(),
                        ball.GetAngle(), ball.GetRadius());
    }
    const char* result = moving ? "moving" : ball.IsInCup() ? "cup" : ball.WasPutBack() ? "water" : "rest";
    std::printf("result: %s steps: %lld x: %f y: %f\n", result, steps, ball.GetX(), ball.GetY());
    return ExitOk;
}
