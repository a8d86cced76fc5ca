#include "cli/Commands.h"

#include "file/NumberText.h"
#include "solve/ShotPlayer.h"

namespace {

// STRENGTH@ANGLE, both finite numbers.
bool ParseShot(const std::string& text, CShot& shot)
{
    const std::size_t at = text.find('@');
    return at != std::string::npos && ParseExact(text.substr(0, at), shot.strength) &&
           ParseExact(text.substr(at + 1), shot.angle);
}

} // namespace

int RunPlay(const CliArgs& args, CCliIo& io)
{
    if (args.size() < 3)
        return MissingArgument(io, args.size() < 2 ? "FILE and SHOT" : "SHOT");
    std::vector<CShot> shots(args.size() - 2);
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (!ParseShot(args[i], shots[i - 2]))
            return PrintError(io, "a shot is STRENGTH@ANGLE, two finite numbers, not '" + args[i] + "'", ExitUsage);
    }
    CLoadedLevel loaded;
    if (const int status = LoadLevelFile(args[1], loaded, io); status != ExitOk)
        return status;

    CShotPlayer player(loaded.level);
    int number = 0;
    for (const CPlayedShot& played : player.PlaySequence(shots)) {
        io.out << "shot " << ++number << ": result: " << GetShotResultName(played.result) << " steps: " << played.steps
               << " x: " << FormatFixed(played.end.x) << " y: " << FormatFixed(played.end.y) << '\n';
    }
    return FinishOutput(io);
}
