#include "solve/CupReach.h"

#include "model/Level.h"
#include "solve/ShotSet.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Steps per time unit and the ball's radius, as the ball has them.
constexpr double kStepsPerUnit = 200.0;
constexpr double kRadius = 0.35;
// The least friction of any ground (ice).
constexpr double kLeastFriction = 0.42;

bool HasCup(const CBlock& block)
{
    return block.GetBackKind() == Hole || (!block.IsUniform() && block.GetFrontKind() == Hole);
}

} // namespace

CCupReach::Verdict CCupReach::Judge(const CLevel& level)
{
    const int width = level.GetWidth();
    const int height = level.GetHeight();
    bool anyCup = false;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            anyCup = anyCup || HasCup(*level.FindBlock(x, y));
    }
    if (!anyCup)
        return NoCup;

    const double ballX = level.GetBallX();
    const double ballY = level.GetBallY();
    if (!(ballX >= 0 && ballY >= 0 && ballX < width && ballY < height))
        return Reachable;
    const auto isSolidWall = [&](int x, int y) {
        return !level.IsInside(x, y) || level.FindBlock(x, y)->GetWallCover() == WallCover::All;
    };
    const int startX = static_cast<int>(ballX);
    const int startY = static_cast<int>(ballY);
    if (isSolidWall(startX, startY))
        return Reachable;

    // Every cell the ball's centre could get to without passing solid wall, also diagonally
    // between two wall cells that meet at a corner.
    std::vector<bool> region(static_cast<std::size_t>(width) * height);
    std::vector<int> pending{startY * width + startX};
    region[pending.front()] = true;
    int strongest = 0;
    bool sloped = false;
    while (!pending.empty()) {
        const int cell = pending.back();
        pending.pop_back();
        const int x = cell % width;
        const int y = cell / width;
        const CBlock& block = *level.FindBlock(x, y);
        if (HasCup(block))
            return Reachable;
        strongest = std::max(strongest, CShotSet::GetStrongestStep(level, x, y, x + 1.0, y + 1.0));
        sloped = sloped || block.GetBackRotation() != NoSlope || block.GetFrontRotation() != NoSlope;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (isSolidWall(x + dx, y + dy)) {
                    // Where slanted or rounded wall meets the solid wall, sharper corners.
                    if (block.GetWallCover() != WallCover::None)
                        return Reachable;
                    continue;
                }
                const int next = (y + dy) * width + x + dx;
                if (!region[next]) {
                    region[next] = true;
                    pending.push_back(next);
                }
            }
        }
    }
    double fastest = CShotSet::GetStrength(strongest);
    if (sloped)
        fastest = std::max(fastest, CMaterial::GetSlopeMagnitude() / kLeastFriction);
    return std::numbers::sqrt2 * fastest / kStepsPerUnit < kRadius ? CutOff : Reachable;
}
