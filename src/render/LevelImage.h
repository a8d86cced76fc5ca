#pragma once

class CLevel;
class CRasterImage;

// Renders the level as the editor caches it for painting: (W c + 1) x (H c + 1) pixels for a
// W x H level at c pixels a cell, pixel (0, 0) at the level's top-left corner. The background
// tile, every block, the grid when asked for, and a black line along the top and left edges.
// The right column and bottom row show the tile wherever the grid does not cover them.
// A level without cells gives an empty image. False, with the image left as it was, when the
// cell size is below 1 or the image would exceed the limits of CRasterImage.
bool RenderLevelImage(const CLevel& level, int cell, bool grid, CRasterImage& image);
