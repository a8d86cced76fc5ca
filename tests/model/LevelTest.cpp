#include "model/Level.h"

#include "common/AllocationMeter.h"
#include "common/TestBlocks.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(Level, NewLevelAndResizeKeepTheOverlap)
{
    CLevel level;
    EXPECT_EQ(level.GetWidth(), 10);
    EXPECT_EQ(level.GetHeight(), 10);
    EXPECT_EQ(NonEmptyCells(level).size(), 0u);
    EXPECT_EQ(level.GetBallX(), 5.0);
    EXPECT_EQ(level.GetBallY(), 5.0);
    EXPECT_FALSE(level.IsModified());

    level.SetBlock(1, 1, MakeBlock(Circle, 0, Grass, 8, Wall));
    level.Resize(3, 4);
    level.Resize(5, 2);
    EXPECT_EQ(level.GetCellShape(1, 1), Circle);
    EXPECT_EQ(level.GetCellShape(1, 2), -1);
    EXPECT_TRUE(level.GetBlock(3, 0).IsEmpty() && level.GetBlock(4, 1).IsEmpty());
    EXPECT_TRUE(level.IsModified());

    CLevel big;
    big.Resize(20, 20);
    EXPECT_EQ(big.GetBallX(), 5.0);
    big.Resize(3, 3);
    EXPECT_DOUBLE_EQ(big.GetBallX(), 2.65);
    EXPECT_DOUBLE_EQ(big.GetBallY(), 2.65);

    CLevel clamped;
    clamped.SetBall(0.1, 9.9);
    EXPECT_DOUBLE_EQ(clamped.GetBallX(), 0.35);
    EXPECT_DOUBLE_EQ(clamped.GetBallY(), 9.65);
}

// At most a million cells, in any shape, and a cell costs bytes: the undo copy of the largest
// level the editor makes takes less than 100 KB.
TEST(Level, AMillionCellsOfAFewBytesEach)
{
    CLevel level;
    level.SetBlock(1, 1, MakeBlock(Circle, 0, Grass, 8, Wall));
    level.SetModified(false);
    for (const auto& [width, height] : {std::pair{1001, 1000}, {1000001, 0}, {INT_MAX, INT_MAX}}) {
        level.Resize(width, height);
        EXPECT_EQ(level.GetWidth(), 10);
    }
    EXPECT_FALSE(level.IsModified());
    level.Resize(2, 500000);
    EXPECT_EQ(level.GetHeight(), 500000);
    EXPECT_EQ(level.GetCellShape(1, 1), Circle);

    level.Resize(99, 99);
    CAllocationMeter meter;
    const CLevel copy(level);
    EXPECT_LT(meter.GetPeakBytes(), 100'000u);
}

TEST(Level, RectanglesAndFramesNeedBothCornersInside)
{
    CLevel level;
    const CBlock wall = MakeBlock(Solid, 0, Wall);
    level.FillRect(5, 5, 12, 7, wall);
    EXPECT_EQ(NonEmptyCells(level).size(), 0u);
    EXPECT_FALSE(level.IsModified());

    level.FillRect(7, 6, 2, 3, wall);
    EXPECT_EQ(NonEmptyCells(level).size(), 6u * 4);
    EXPECT_EQ(level.GetCellBackKind(2, 3), Wall);
    EXPECT_EQ(level.GetCellBackKind(7, 6), Wall);
    EXPECT_EQ(level.GetCellBackKind(8, 6), Grass);

    CLevel framed;
    framed.DrawFrame(2, 2, 2, 2, wall);
    EXPECT_EQ(NonEmptyCells(framed).size(), 1u);
    framed.DrawFrame(1, 1, 5, 4, wall);
    EXPECT_EQ(NonEmptyCells(framed).size(), 2u * 5 + 2 * 2 + 1); // the border plus (2, 2) inside it
    EXPECT_TRUE(framed.GetBlock(3, 3).IsEmpty());
}

TEST(Level, PointQueriesTreatTheOutsideAsWall)
{
    CLevel level;
    level.SetBlock(3, 3, MakeBlock(Triangle, 0, Sand, 8, Water));
    EXPECT_EQ(level.GetKindAt(-0.01, 3.0), -1);
    EXPECT_TRUE(level.IsWallAt(-0.01, 3.0));
    EXPECT_EQ(level.GetKindAt(10.0, 3.0), -1);
    EXPECT_DOUBLE_EQ(level.GetWallFactorAt(10.0, 3.0), 0.19);
    EXPECT_EQ(level.GetFrictionAt(10.0, 3.0), 0.0);
    EXPECT_EQ(level.GetKindAt(3.9, 3.1), Water);
    EXPECT_EQ(level.GetKindAt(3.1, 3.9), Sand);
    EXPECT_DOUBLE_EQ(level.GetFrictionAt(3.1, 3.9), 2.464);
    EXPECT_FALSE(level.IsWallAt(3.5, 3.5));
    EXPECT_EQ(level.GetKindAt(1e300, 1.0), -1);
    EXPECT_EQ(level.GetKindAt(std::nan(""), 1.0), -1);
    EXPECT_EQ(level.GetCellShape(0, 10), -1);
    // The cell's own block, for queries that look at a cell more than once.
    ASSERT_NE(level.FindBlock(3, 3), nullptr);
    EXPECT_EQ(level.FindBlock(3, 3)->GetFrontKind(), Water);
    EXPECT_EQ(level.FindBlock(-1, 3), nullptr);
    EXPECT_EQ(level.FindBlock(3, 10), nullptr);
}

TEST(Level, NamesModifiedFlagAndCopies)
{
    CLevel level;
    level.SetName("a{b}c");
    EXPECT_EQ(level.GetName(), "abc");
    level.SetModified(false);
    level.SetName("abc");
    EXPECT_FALSE(level.IsModified());
    level.SetCreator(level.GetCreator());
    EXPECT_TRUE(level.IsModified());
    level.SetModified(false);
    level.SetId("x{y}");
    EXPECT_EQ(level.GetId(), "x{y}");
    EXPECT_FALSE(level.IsModified());

    level.Resize(3, 7);
    level.SetBlock(2, 6, MakeBlock(HalfDisc, 3, Ice, 2, Wall, 8));
    level.SetBall(1.5, 2.5);
    level.SetCreator("c");
    CLevel target;
    target = level;
    // The text holds every field but the modified flag: identity, names, size, ball, every block.
    EXPECT_EQ(target.WriteText(), level.WriteText());
    EXPECT_EQ(target.IsModified(), level.IsModified());
    target.SetBlock(2, 6, CBlock());
    EXPECT_EQ(level.GetCellShape(2, 6), HalfDisc);
}
