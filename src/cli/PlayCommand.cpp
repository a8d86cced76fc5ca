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
    std::vector<std::string> words;
    bool trace = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--trace")
            trace = true;
        else
            words.push_back(args[i]);
    }
    if (words.size() < 2)
        return MissingArgument(io, words.empty() ? "FILE and SHOT" : "SHOT");
    std::vector<CShot> shots(words.size() - 1);
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (!ParseShot(words[i], shots[i - 1]))
            return PrintError(io, "a shot is STRENGTH@ANGLE, two finite numbers, not '" + words[i] + "'", ExitUsage);
    }
    CLoadedLevel loaded;
    if (const int status = LoadLevelFile(words[0], loaded, io); status != ExitOk)
        return status;

    // The shots one after the other on one ball, as test mode plays them after it was entered.
    CShotPlayer player(loaded.level);
    player.Place(CShotPlayer::StartState(loaded.level));
    CShotPlayer::StepObserver printStep;
    if (trace)
        printStep = [&io](const CBall& ball, long long step) { io.out << FormatTraceLine(step, ball); };
    for (std::size_t i = 0; i < shots.size(); ++i) {
        const CPlayedShot played = player.Shoot(shots[i], CShotPlayer::kStepLimit, printStep);
        io.out << "shot " << i + 1 << ": result: " << GetShotResultName(played.result) << " steps: " << played.steps
               << " x: " << FormatFixed(played.end.x) << " y: " << FormatFixed(played.end.y) << '\n';
        if (played.result == ShotCup || played.result == ShotMoving)
            break;
    }
    return FinishOutput(io);
}
