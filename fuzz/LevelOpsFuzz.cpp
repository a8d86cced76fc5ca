// The level operations of quorvale-level's cat and save: the input is the argument list, one
// argument a line, parsed from the first OP on and applied to a level with content.
#include "FuzzCheck.h"
#include "cli/LevelOps.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Resizes up to 1000 x 1000 are legal, but one such level costs seconds per run under the
// sanitizers; larger sizes are parsed and checked, and applied only up to this side.
constexpr int kLargestAppliedSide = 120;

CliArgs SplitLines(std::string_view input)
{
    CliArgs args{"save", "in.lev", "out.lev"};
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        args.emplace_back(input.substr(0, end));
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    }
    return args;
}

CLevel MakeLevel()
{
    CLevel level;
    level.Init(9, 6, "ops", "fuzz");
    level.FillRect(1, 1, 4, 3, CBlock());
    level.DrawFrame(0, 0, 8, 5, Solid, 0, Wall, NoSlope, Grass, NoSlope);
    level.SetBlock(6, 2, Triangle, 1, Grass, NoSlope, Water, NoSlope);
    level.SetBlock(2, 4, Solid, 0, Hole, NoSlope, Grass, NoSlope);
    level.SetModified(false);
    return level;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const CliArgs args = SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<CLevelOp> ops;
    std::string error;
    const bool parsed = ParseOps(args, 3, ops, error);
    FuzzCheck(parsed == error.empty(), "a refused operation list says why, an accepted one does not");
    if (!parsed)
        return 0;
    for (const CLevelOp& op : ops)
        if (op.name == "resize" && (op.ints[0] > kLargestAppliedSide || op.ints[1] > kLargestAppliedSide))
            return 0;

    CLevel level = MakeLevel();
    ApplyOps(ops, level);
    FuzzCheck(level.GetWidth() >= 0 && level.GetHeight() >= 0, "a level never has a negative size");
    if (level.GetWidth() > 0 && level.GetHeight() > 0) {
        // A mirror or turn after the last clamp moves the ball by a subtraction from the width or
        // height and clamps nothing: 6 - 5.65 leaves it at 0.34999999999999964.
        const double r = CLevel::kBallRadius - 1e-9;
        FuzzCheck(level.GetBallX() >= r && level.GetBallY() >= r, "the ball start is clamped into the level");
    }
    const std::string text = level.WriteText();
    if (level.GetWidth() >= 2 && level.GetHeight() >= 2) {
        CLevel again;
        FuzzCheck(again.ReadText(text) && again.WriteText() == text, "the result reads back as written");
    }
    return 0;
}
