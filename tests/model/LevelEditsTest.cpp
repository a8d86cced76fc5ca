#include "model/Level.h"

#include "common/TestBlocks.h"

#include <gtest/gtest.h>

namespace {

int CountKind(const CLevel& level, int kind)
{
    int count = 0;
    for (int x = 0; x < level.GetWidth(); ++x)
        for (int y = 0; y < level.GetHeight(); ++y)
            count += level.GetCellBackKind(x, y) == kind ? 1 : 0;
    return count;
}

} // namespace

TEST(FloodFill, FillsTheConnectedRegionOnly)
{
    CLevel level;
    level.FloodFill(4, 7, MakeBlock(Solid, 0, Water));
    EXPECT_EQ(CountKind(level, Water), 100);

    CLevel ring;
    ring.DrawFrame(2, 2, 6, 6, MakeBlock(Solid, 0, Wall));
    ring.SetBlock(7, 7, MakeBlock(Solid, 0, Sand)); // touches the ring only by a corner
    ring.SetModified(false);
    ring.FloodFill(0, 0, MakeBlock(Solid, 0, Water));
    EXPECT_EQ(CountKind(ring, Wall), 16);
    EXPECT_EQ(CountKind(ring, Water), 100 - 25 - 1);
    EXPECT_TRUE(ring.IsModified());

    // A corridor one cell high, filled from its east end.
    CLevel corridor;
    corridor.FillRect(0, 0, 9, 9, MakeBlock(Solid, 0, Wall));
    corridor.FillRect(0, 5, 9, 5, CBlock());
    corridor.FloodFill(9, 5, MakeBlock(Solid, 0, Water));
    EXPECT_EQ(CountKind(corridor, Water), 10);

    CLevel same;
    same.SetModified(false);
    same.FloodFill(1, 1, CBlock());
    same.FloodFill(-1, 3, MakeBlock(Solid, 0, Wall));
    EXPECT_FALSE(same.IsModified());
    EXPECT_EQ(CountKind(same, Wall), 0);
}

TEST(FloodFill, RegionFollowsOneSidedEqualityAndEnds)
{
    CLevel level;
    level.SetBlock(5, 5, MakeBlock(Triangle, 0, Sand, 8, Water));
    level.SetBlock(6, 5, MakeBlock(Triangle, 0, Sand, 8, Sand));  // uniform: equal to the start
    level.SetBlock(4, 5, MakeBlock(Triangle, 0, Sand, 8, Ice));   // not equal
    level.FloodFill(5, 5, MakeBlock(Solid, 0, Wall));
    EXPECT_EQ(level.GetCellBackKind(5, 5), Wall);
    EXPECT_EQ(level.GetCellBackKind(6, 5), Wall);
    EXPECT_EQ(level.GetCellBackKind(4, 5), Sand);

    // The uniform fill equals the non-uniform start only with the fill on the left, so every
    // filled cell still matches the start block: without a visit mark this would never end.
    CLevel triangles;
    triangles.FillRect(0, 0, 9, 9, MakeBlock(Triangle, 1, Grass, 8, Water));
    triangles.FloodFill(0, 0, MakeBlock(Triangle, 1, Grass, 8, Grass));
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            ASSERT_EQ(triangles.GetCellFrontKind(x, y), Grass);
}

TEST(LevelEdits, ShiftMovesBlocksButNotTheBall)
{
    CLevel level;
    level.FillRect(0, 0, 0, 9, MakeBlock(Solid, 0, Sand));
    level.FillRect(9, 0, 9, 9, MakeBlock(Solid, 0, Wall));
    level.Shift(1, 1);
    EXPECT_EQ(CountKind(level, Wall), 0);
    EXPECT_EQ(CountKind(level, Sand), 9);
    EXPECT_EQ(level.GetCellBackKind(1, 9), Sand);
    EXPECT_EQ(level.GetCellBackKind(1, 0), Grass);
    EXPECT_EQ(level.GetBallX(), 5.0);
    level.Shift(2147483647, -2147483647 - 1);
    EXPECT_EQ(CountKind(level, Sand), 0);
}

TEST(LevelEdits, MakeFitCropsToTheUsedArea)
{
    CLevel level;
    level.SetName("kept");
    level.SetCreator("me");
    level.SetId("old id");
    level.FillRect(3, 2, 7, 5, MakeBlock(Solid, 0, Ice));
    level.SetBall(5.0, 4.0);
    EXPECT_TRUE(level.MakeFit());
    EXPECT_EQ(level.GetWidth(), 5);
    EXPECT_EQ(level.GetHeight(), 4);
    EXPECT_EQ(level.GetCellBackKind(0, 0), Ice);
    EXPECT_EQ(level.GetBallX(), 2.0);
    EXPECT_EQ(level.GetBallY(), 2.0);
    EXPECT_EQ(level.GetName(), "kept");
    EXPECT_EQ(level.GetCreator(), "me");
    EXPECT_EQ(level.GetId(), "");
    EXPECT_TRUE(level.IsModified());

    CLevel spread;
    spread.FillRect(3, 3, 7, 7, MakeBlock(Solid, 0, Ice));
    spread.SetBlock(9, 0, MakeBlock(Solid, 0, Wall));
    spread.MakeFit();
    EXPECT_EQ(spread.GetWidth(), 7);
    EXPECT_EQ(spread.GetHeight(), 8);
    EXPECT_EQ(spread.GetCellBackKind(6, 0), Wall);

    CLevel single;
    single.SetBlock(4, 6, MakeBlock(Solid, 0, Hole));
    single.MakeFit();
    EXPECT_EQ(single.GetWidth(), 1);
    EXPECT_DOUBLE_EQ(single.GetBallX(), 0.65);
    EXPECT_DOUBLE_EQ(single.GetBallY(), 0.35);

    CLevel empty;
    empty.SetModified(false);
    EXPECT_EQ(empty.GetUsedArea(), (CCellRect{0, 0, 10, 10}));
    EXPECT_FALSE(empty.MakeFit());
    EXPECT_FALSE(empty.IsModified());
    CLevel corners;
    for (auto [x, y] : {std::pair{0, 0}, std::pair{9, 0}, std::pair{0, 9}, std::pair{9, 9}})
        corners.SetBlock(x, y, MakeBlock(Solid, 0, Wall));
    EXPECT_FALSE(corners.MakeFit());
    EXPECT_EQ(corners.GetWidth(), 10);
}
