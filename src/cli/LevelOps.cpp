#include "cli/LevelOps.h"

#include <string_view>
#include <vector>

namespace {

struct COpSpec {
    const char* name;
    const char* args; // one letter per argument: i integer, d number, c block code, t text
};

constexpr COpSpec kOps[] = {
    {"rotate", ""},    {"flip-h", ""},        {"flip-v", ""},      {"fit", ""},       {"shift", "ii"},
    {"set", "iic"},    {"rect", "iiiic"},     {"frame", "iiiic"},  {"fill", "iic"},   {"resize", "ii"},
    {"ball", "dd"},    {"name", "t"},         {"creator", "t"},
};

// The narrowest side the resize operation accepts: a level narrower or lower than 2 cells is one
// the reader refuses. The most cells are those of any level (CLevel::kMaxCells).
constexpr int kMinSide = 2;

void Apply(const CLevelOp& op, CLevel& level)
{
    const std::vector<int>& n = op.ints;
    if (op.name == "rotate")
        level.Rotate90();
    else if (op.name == "flip-h")
        level.FlipHorizontal();
    else if (op.name == "flip-v")
        level.FlipVertical();
    else if (op.name == "fit")
        level.MakeFit();
    else if (op.name == "shift")
        level.Shift(n[0], n[1]);
    else if (op.name == "set")
        level.SetBlock(n[0], n[1], op.block);
    else if (op.name == "rect")
        level.FillRect(n[0], n[1], n[2], n[3], op.block);
    else if (op.name == "frame")
        level.DrawFrame(n[0], n[1], n[2], n[3], op.block);
    else if (op.name == "fill")
        level.FloodFill(n[0], n[1], op.block);
    else if (op.name == "resize")
        level.Resize(n[0], n[1]);
    else if (op.name == "ball")
        level.SetBall(op.numbers[0], op.numbers[1]);
    else if (op.name == "name")
        level.SetName(op.text);
    else if (op.name == "creator")
        level.SetCreator(op.text);
}

} // namespace

const char* const kOpsHelp =
    "Operations (OP):\n"
    "Cells are column, row from the top-left; CODE is a block code such as $, S0T8, T1G8W8.\n"
    "  rotate | flip-h | flip-v     quarter turn clockwise / left-right / top-bottom mirror\n"
    "  fit                          crop to the used area (ball shifted and clamped)\n"
    "  shift DX DY                  move every block by DX, DY cells (the arrow-key shift)\n"
    "  set X Y CODE                 set one cell\n"
    "  rect X1 Y1 X2 Y2 CODE        fill a rectangle of cells (both corners must be inside)\n"
    "  frame X1 Y1 X2 Y2 CODE       draw a frame of cells\n"
    "  fill X Y CODE                flood fill from a cell\n"
    "  resize W H                   resize (blocks of the overlap kept, ball clamped): sides\n"
    "                               from 2, at most 1000000 cells\n"
    "  ball X Y                     set the ball start in blocks (clamped)\n"
    "  name TEXT | creator TEXT     set the name / creator (braces removed)\n";

bool ParseBlockCode(const std::string& code, CBlock& block)
{
    if (!CBlock::IsWellFormedCode(code))
        return false;
    block.FromCode(code);
    return true;
}

bool ParseOps(const CliArgs& args, std::size_t first, std::vector<CLevelOp>& ops, std::string& error)
{
    for (std::size_t i = first; i < args.size();) {
        const COpSpec* match = nullptr;
        for (const COpSpec& candidate : kOps)
            if (args[i] == candidate.name)
                match = &candidate;
        if (!match) {
            error = "unknown operation '" + args[i] + "'";
            return false;
        }
        const std::string_view kinds = match->args;
        if (args.size() - i - 1 < kinds.size()) {
            error = "operation '" + args[i] + "' needs " + std::to_string(kinds.size()) + " argument(s)";
            return false;
        }
        CLevelOp op;
        op.name = args[i];
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            const std::string& arg = args[i + 1 + k];
            int integer = 0;
            double number = 0;
            bool ok = true;
            switch (kinds[k]) {
            case 'i':
                ok = ParseExact(arg, integer);
                op.ints.push_back(integer);
                break;
            case 'd':
                ok = ParseExact(arg, number);
                op.numbers.push_back(number);
                break;
            case 'c':
                ok = ParseBlockCode(arg, op.block);
                break;
            default:
                op.text = arg;
            }
            if (!ok) {
                error = "bad argument '" + arg + "' for operation '" + op.name + "'";
                return false;
            }
        }
        if (op.name == "resize" &&
            (op.ints[0] < kMinSide || op.ints[1] < kMinSide || !CLevel::IsAllowedSize(op.ints[0], op.ints[1]))) {
            error = "resize takes sides from " + std::to_string(kMinSide) + " and at most " +
                    std::to_string(CLevel::kMaxCells) + " cells, not " + std::to_string(op.ints[0]) + " x " +
                    std::to_string(op.ints[1]);
            return false;
        }
        ops.push_back(std::move(op));
        i += 1 + kinds.size();
    }
    return true;
}

void ApplyOps(const std::vector<CLevelOp>& ops, CLevel& level)
{
    for (const CLevelOp& op : ops)
        Apply(op, level);
}

int LoadLevelWithOps(const CliArgs& args, std::size_t firstOp, CLoadedLevel& loaded, CCliIo& io)
{
    std::string error;
    std::vector<CLevelOp> ops;
    if (!ParseOps(args, firstOp, ops, error))
        return PrintError(io, error, ExitUsage);
    if (const int status = LoadLevelFile(args[1], loaded, io); status != ExitOk)
        return status;
    ApplyOps(ops, loaded.level);
    return ExitOk;
}
