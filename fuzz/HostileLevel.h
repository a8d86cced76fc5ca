#pragma once
#include "model/Level.h"

#include <fuzzer/FuzzedDataProvider.h>

// A level of any content a level file can hold, decoded from fuzz input: its width and height
// (2 to maxSide), the ball start as two coordinates from a cell outside the level to one beyond
// it (the level clamps them inside), then three bytes a cell that choose every value of its
// block. Cells the input does not reach stay empty.
CLevel DecodeHostileLevel(FuzzedDataProvider& input, int maxSide);
