#pragma once
#include "render/Brush.h"

// The 8 x 8 tile that shows where no block is drawn: a small green star on
// near-black.
const Tile& GetBackgroundTile();
CBrush MakeBackgroundBrush();
