#pragma once
#include "model/Block.h"

// A block from its six values, in the order of CBlock::Set; flat ground by default.
inline CBlock MakeBlock(int shape, int rotation, int backKind, int backRotation = NoSlope, int frontKind = Grass,
                        int frontRotation = NoSlope)
{
    CBlock block;
    block.Set(shape, rotation, backKind, backRotation, frontKind, frontRotation);
    return block;
}
