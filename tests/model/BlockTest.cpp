#include "model/Block.h"

#include "common/TestBlocks.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Material, SetIgnoresInvalidValuesAndRotationsFollowTheTurns)
{
    CBlock block = MakeBlock(Triangle, 2, Ice, 3, Sand, 5);
    block.Set(-1, 7, 9, 9, 6, -2);
    EXPECT_EQ(Values(block), (std::array<int, 6>{Triangle, 2, Ice, 3, Sand, 5}));

    for (int r = 0; r < 9; ++r) {
        block.Set(-1, -1, -1, r, -1, -1);
        EXPECT_EQ(block.GetBackRotation(), r);
    }

    const int turn[8] = {6, 7, 0, 1, 2, 3, 4, 5};
    const int mirrorH[8] = {4, 3, 2, 1, 0, 7, 6, 5};
    const int mirrorV[8] = {0, 7, 6, 5, 4, 3, 2, 1};
    for (int r = 0; r < 9; ++r) {
        CMaterial m;
        m.SetRotation(r);
        CMaterial h = m, v = m;
        m.Rotate();
        h.FlipHorizontal();
        v.FlipVertical();
        EXPECT_EQ(m.GetRotation(), r == 8 ? 8 : turn[r]) << r;
        EXPECT_EQ(h.GetRotation(), r == 8 ? 8 : mirrorH[r]) << r;
        EXPECT_EQ(v.GetRotation(), r == 8 ? 8 : mirrorV[r]) << r;
    }
}

TEST(Material, SlopePullAndBrushShading)
{
    const double g = 9.82 * std::sin(40.0 * std::acos(-1.0) / 180.0);
    CMaterial hole;
    hole.SetKind(Hole);
    hole.SetRotation(2);
    EXPECT_NEAR(hole.GetSlopeY(), -g, 1e-12);
    EXPECT_NEAR(hole.GetSlopeX(), 0.0, 1e-12);
    ASSERT_NE(hole.CreateBrush(), nullptr);
    EXPECT_FALSE(hole.IsSloped());
    EXPECT_EQ(hole.GetColour(), MakeRgb(0, 0, 0));

    CMaterial sloped;
    sloped.SetKind(Sand);
    sloped.SetRotation(3);
    sloped.CreateBrush();
    EXPECT_TRUE(sloped.IsSloped());
    EXPECT_EQ(sloped.GetColour(), MakeRgb(214, 149, 52));
    // A copy is the value only: it starts without a brush.
    CMaterial copy(sloped);
    EXPECT_EQ(copy.GetBrush(), nullptr);
    EXPECT_TRUE(copy == sloped);

    EXPECT_EQ(AdjustColour(MakeRgb(250, 5, 128), 22, 22, 22), MakeRgb(255, 27, 150));
    EXPECT_EQ(AdjustColour(MakeRgb(250, 5, 128), -30, -30, -30), MakeRgb(220, 0, 98));
}

TEST(Block, EqualityIsOneSided)
{
    const CBlock uniform = MakeBlock(Triangle, 0, Grass, 8, Grass, 8);
    const CBlock water = MakeBlock(Triangle, 0, Grass, 8, Water, 8);
    EXPECT_TRUE(uniform == water);
    EXPECT_FALSE(water == uniform);
    EXPECT_FALSE(MakeBlock(Triangle, 1, Grass, 8, Grass, 8) == uniform);
    EXPECT_TRUE(MakeBlock(Circle, 0, Ice, 3, Ice, 3).IsUniform());
    EXPECT_TRUE(CBlock().IsEmpty());
    EXPECT_FALSE(MakeBlock(Solid, 0, Grass, 0, Grass, 8).IsEmpty());
}

// Turns and mirrors of whole levels (TransformTest) cover the shapes; here what only a cell sees.
TEST(Block, TurnsWithOrWithoutMaterialsAndHalfDiscMirrors)
{
    CBlock solid = MakeBlock(Solid, 3, Grass, 1, Grass, 8);
    solid.Rotate(false);
    EXPECT_EQ(solid.GetShapeRotation(), 0);
    EXPECT_EQ(solid.GetBackRotation(), 1);
    solid.Rotate(true);
    EXPECT_EQ(solid.GetBackRotation(), 7);
    EXPECT_EQ(solid.GetFrontRotation(), 8);

    CBlock half = MakeBlock(HalfDisc, 1, Grass, 8, Wall, 8);
    half.FlipHorizontal();
    EXPECT_EQ(half.GetShapeRotation(), 1);
    half.FlipVertical();
    EXPECT_EQ(half.GetShapeRotation(), 3);
}

TEST(Block, FrontRegionBoundaries)
{
    struct CCase {
        int shape, rotation;
        double u, v;
        bool back;
    };
    const CCase cases[] = {
        {Triangle, 0, 0.5, 0.5, true},     {Triangle, 1, 0.5, 0.5, false},    {Triangle, 2, 0.5, 0.5, false},
        {Triangle, 3, 0.5, 0.5, true},     {Triangle, 0, 0.9, 0.1, false},    {Triangle, 0, 0.0, 1.0, true},
        {QuarterDisc, 1, 1.0, 0.0, false}, {QuarterDisc, 1, 1.0, 0.01, true}, {HalfDisc, 3, 0.5, 0.5, false},
        {HalfDisc, 3, 0.5, 0.51, true},    {Circle, 2, 0.5, 0.0, false},      {Circle, 0, 0.01, 0.01, true},
        {Solid, 0, 0.5, 0.5, true},
    };
    for (const CCase& c : cases)
        EXPECT_EQ(MakeBlock(c.shape, c.rotation, Grass, 8, Wall, 8).IsBackAt(c.u, c.v), c.back)
            << "shape " << c.shape << " rotation " << c.rotation << " at " << c.u << "," << c.v;
    // A uniform circle is back material everywhere.
    EXPECT_TRUE(MakeBlock(Circle, 0, Ice, 3, Ice, 3).IsBackAt(0.5, 0.5));
    EXPECT_EQ(MakeBlock(Circle, 0, Grass, 8, Water, 8).GetKindAt(0.5, 0.5), Water);
}

TEST(Block, DistanceToFrontEdgeBoundsTheDistanceToEitherSide)
{
    // On a grid of the cell: a point at d > 0 is at least d from every point of the front region,
    // one at d < 0 at least -d from every point outside it, and the sign agrees with the region.
    constexpr int kSteps = 20;
    int violations = 0;
    for (const int shape : {Circle, Triangle, QuarterDisc, HalfDisc})
        for (int rotation = 0; rotation < 4; ++rotation)
            for (int p = 0; p <= kSteps * kSteps + kSteps; ++p) {
                const double pu = static_cast<double>(p % (kSteps + 1)) / kSteps;
                const double pv = static_cast<double>(p / (kSteps + 1)) / kSteps;
                const double d = CBlock::DistanceToFrontEdge(shape, rotation, pu, pv);
                const bool front = CBlock::IsInFrontRegion(shape, rotation, pu, pv);
                violations += (d > 1e-12 && front) || (d < -1e-12 && !front);
                for (int q = 0; q <= kSteps * kSteps + kSteps; ++q) {
                    const double qu = static_cast<double>(q % (kSteps + 1)) / kSteps;
                    const double qv = static_cast<double>(q / (kSteps + 1)) / kSteps;
                    const double apart = std::hypot(pu - qu, pv - qv);
                    const bool qFront = CBlock::IsInFrontRegion(shape, rotation, qu, qv);
                    violations += (d > 0 && qFront && apart < d - 1e-12) || (d < 0 && !qFront && apart < -d - 1e-12);
                }
            }
    EXPECT_EQ(violations, 0);
    EXPECT_DOUBLE_EQ(CBlock::DistanceToFrontEdge(Circle, 0, 0.5, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(CBlock::DistanceToFrontEdge(QuarterDisc, 1, 1.0, 1.0), std::sqrt(2.0) - 1.0);
    EXPECT_DOUBLE_EQ(CBlock::DistanceToFrontEdge(Triangle, 0, 0.0, 1.0), std::sqrt(0.5));
    EXPECT_EQ(CBlock::DistanceToFrontEdge(Solid, 0, 0.5, 0.5), INFINITY);
}
