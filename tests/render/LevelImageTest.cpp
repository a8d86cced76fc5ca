// The cached level image: size, tile, grid, border; the slope arrow.
#include "model/Level.h"
#include "render/BackgroundTile.h"
#include "render/DeviceContext.h"
#include "render/LevelImage.h"
#include "render/SlopeArrow.h"

#include "common/TestBlocks.h"

#include <gtest/gtest.h>

namespace {

constexpr Colour kBlack = MakeRgb(0, 0, 0);

Colour TileAt(int x, int y) { return GetBackgroundTile()[(y % 8) * 8 + x % 8]; }

TEST(LevelImageTest, GridBorderAndTileOfATenByTenLevel)
{
    CLevel level; // 10 x 10, empty
    level.SetBlock(9, 9, Solid, 0, Water, NoSlope, Grass, NoSlope);
    CRasterImage image;
    ASSERT_TRUE(RenderLevelImage(level, 20, true, image));
    ASSERT_EQ(image.GetWidth(), 201);
    ASSERT_EQ(image.GetHeight(), 201);
    for (int x = 0; x <= 200; ++x) {
        bool line = true;
        for (int y = 0; y < 200; ++y)
            line = line && image.GetPixel(x, y) == kBlack;
        EXPECT_EQ(line, x % 20 == 0) << x;
    }
    for (int y = 0; y <= 200; ++y)
        EXPECT_EQ(image.GetPixel(50, y) == kBlack, y % 20 == 0) << y;
    EXPECT_EQ(image.GetPixel(190, 190), CMaterial::GetBaseColour(Water));
    // Lines end before their end points: the bottom-right corner shows the tile. (Without the grid,
    // MixedLevelMatchesBlocksDrawnOneByOne checks the border and the tile pixel by pixel.)
    EXPECT_EQ(image.GetPixel(200, 200), TileAt(200, 200));
}

TEST(LevelImageTest, MixedLevelMatchesBlocksDrawnOneByOne)
{
    // Every shape, rotation and slope; each block drawn by a fresh device context must give the
    // pixels of one context drawing them all (which replays the figures it has recorded).
    const CLevel level = MixedLevel(13, 11);
    for (int cell : {5, 12, 17}) {
        CRasterImage image;
        ASSERT_TRUE(RenderLevelImage(level, cell, false, image));
        CRasterImage expected(13 * cell + 1, 11 * cell + 1);
        {
            CDeviceContext dc(expected);
            dc.FillRect({0, 0, expected.GetWidth(), expected.GetHeight()}, MakeBackgroundBrush());
        }
        for (int x = 0; x < 13; ++x)
            for (int y = 0; y < 11; ++y) {
                CDeviceContext dc(expected);
                level.GetBlock(x, y).Draw(dc, x * cell, y * cell, cell);
            }
        for (int i = 0; i < expected.GetWidth(); ++i)
            expected.SetPixel(i, 0, kBlack);
        for (int j = 0; j < expected.GetHeight(); ++j)
            expected.SetPixel(0, j, kBlack);
        for (int y = 0; y < image.GetHeight(); ++y)
            for (int x = 0; x < image.GetWidth(); ++x)
                ASSERT_EQ(image.GetPixel(x, y), expected.GetPixel(x, y)) << "cell " << cell << " at " << x << "," << y;
    }
}

TEST(LevelImageTest, SizesAndRefusals)
{
    CLevel level;
    level.Init(3, 2, "", "");
    CRasterImage image;
    ASSERT_TRUE(RenderLevelImage(level, 1, true, image));
    EXPECT_EQ(image.GetWidth(), 4);
    EXPECT_EQ(image.GetHeight(), 3);
    EXPECT_FALSE(RenderLevelImage(level, 0, true, image));
    EXPECT_EQ(image.GetWidth(), 4);

    level.Init(0, 0, "", "");
    ASSERT_TRUE(RenderLevelImage(level, 20, true, image));
    EXPECT_TRUE(image.IsEmpty());

    level.Init(200, 2, "", "");
    EXPECT_FALSE(RenderLevelImage(level, 200, true, image)); // 40001 pixels wide
}

TEST(LevelImageTest, SlopeArrowPointsDownTheSlope)
{
    // The back box of the view, (10, 10)-(23, 23): centre (16, 16), radius 13 / 2.2. The tip is
    // the arrow's extreme pixel in the slope direction; a flat material draws nothing.
    const int kDirections[9][2] = {{1, 0}, {}, {0, -1}, {}, {-1, 0}, {}, {0, 1}, {}, {}};
    for (int rotation : {0, 2, 4, 6, NoSlope}) {
        CRasterImage image(32, 32, MakeRgb(255, 255, 255));
        CDeviceContext dc(image);
        DrawSlopeArrow(dc, 16, 16, 13 / 2.2, rotation);
        const int dx = kDirections[rotation][0];
        const int dy = kDirections[rotation][1];
        int painted = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (image.GetPixel(x, y) == kBlack) {
                    ++painted;
                    ASSERT_LE((x - 16) * dx + (y - 16) * dy, 5) << rotation << " at " << x << "," << y;
                }
        if (rotation == NoSlope) {
            EXPECT_EQ(painted, 0);
        } else {
            EXPECT_EQ(image.GetPixel(16 + 5 * dx, 16 + 5 * dy), kBlack) << rotation;
        }
    }
}

} // namespace
