#include "render/BackgroundTile.h"

namespace {

Tile BuildTile()
{
    static const char* const kRows[8] = {
        "........", ".G.G.G..", "..GGG...", ".GGGGG..", "..GGG...", ".G.G.G..", "........", "........",
    };
    const Colour dark = MakeRgb(4, 4, 4);
    const Colour green = MakeRgb(0, 102, 51);
    Tile tile{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile[y * 8 + x] = kRows[y][x] == 'G' ? green : dark;
    return tile;
}

} // namespace

const Tile& GetBackgroundTile()
{
    static const Tile tile = BuildTile();
    return tile;
}

CBrush MakeBackgroundBrush() { return CBrush::MakePattern(GetBackgroundTile()); }
