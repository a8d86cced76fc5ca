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
