#pragma once
#include "model/Level.h"

#include <array>
#include <set>
#include <utility>

// A block from its six values, in the order of CBlock::Set; flat ground by default.
inline CBlock MakeBlock(int shape, int rotation, int backKind, int backRotation = NoSlope, int frontKind = Grass,
                        int frontRotation = NoSlope)
{
    CBlock block;
    block.Set(shape, rotation, backKind, backRotation, frontKind, frontRotation);
    return block;
}

// A solid cell of one kind and slope.
inline void SetCell(CLevel& level, int x, int y, int kind, int rotation = NoSlope)
{
    level.SetBlock(x, y, Solid, 0, kind, rotation, kind, rotation);
}

// A level whose neighbouring cells all differ, with every shape, turn, material and slope in it and
// the ball off every axis: one on which a wrong turn, a misplaced cell or a lost value shows.
inline CLevel MixedLevel(int width, int height, int seed = 0)
{
    CLevel level;
    level.Resize(width, height);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            level.SetBlock(x, y, (x * 7 + y + seed) % 5, (x + y) % 4, (x + 3 * y + seed) % 6, (x * y) % 9,
                           (2 * x + y) % 6, (x + 2 * y + seed) % 9);
    level.SetBall(1.25, 0.75);
    return level;
}

// Grass inside a wall border, the ball where given: small courses whose shots stay short.
inline CLevel MakeCourse(int width, int height, double ballX, double ballY)
{
    CLevel level;
    level.Init(width, height, "course", "tests");
    level.Clear();
    level.DrawFrame(0, 0, width - 1, height - 1, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    level.SetBall(ballX, ballY);
    return level;
}

using CCellSet = std::set<std::pair<int, int>>;

// The cells of the level whose block is not empty.
inline CCellSet NonEmptyCells(const CLevel& level)
{
    CCellSet cells;
    for (int x = 0; x < level.GetWidth(); ++x)
        for (int y = 0; y < level.GetHeight(); ++y)
            if (!level.GetBlock(x, y).IsEmpty())
                cells.emplace(x, y);
    return cells;
}

// A block's six values, all compared (block equality leaves out the front of a uniform block).
inline std::array<int, 6> Values(const CBlock& b)
{
    return {b.GetShape(), b.GetShapeRotation(), b.GetBackKind(), b.GetBackRotation(), b.GetFrontKind(),
            b.GetFrontRotation()};
}
