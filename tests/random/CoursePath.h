#pragma once
#include "model/Level.h"

// Whether a ball can roll from the level's ball start to a cup. The level is sampled four times
// per block each way; a sample is open when the ground there is neither wall nor water and the
// level goes on around it. The ball (0.7 blocks across) fits where a sample and its eight
// neighbours are open; the course is playable when such samples join the ball start's sample
// to a Hole sample through shared sides.
bool IsPlayable(const CLevel& level);
