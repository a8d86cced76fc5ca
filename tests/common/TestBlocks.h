#pragma once
#include "model/Level.h"

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
