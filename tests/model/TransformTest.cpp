#include "model/Level.h"

#include "common/TestBlocks.h"

#include <gtest/gtest.h>

namespace {

bool SameCells(const CLevel& a, const CLevel& b, bool ignoreSolidAndCircleRotation = false)
{
    if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight())
        return false;
    for (int x = 0; x < a.GetWidth(); ++x)
        for (int y = 0; y < a.GetHeight(); ++y) {
            std::array<int, 6> p = Values(a.GetBlock(x, y));
            const std::array<int, 6> q = Values(b.GetBlock(x, y));
            if (ignoreSolidAndCircleRotation && (p[0] == Solid || p[0] == Circle))
                p[1] = q[1];
            if (p != q)
                return false;
        }
    return a.GetBallX() == b.GetBallX() && a.GetBallY() == b.GetBallY();
}

} // namespace

TEST(Transform, TurnsAndMirrorsMoveBlocksAndBall)
{
    CLevel level;
    level.Resize(3, 2);
    level.SetBlock(0, 0, MakeBlock(Solid, 0, Wall, 8, Grass, 8));
    level.SetBall(0.5, 1.5);
    level.Rotate90();
    EXPECT_EQ(level.GetWidth(), 2);
    EXPECT_EQ(level.GetHeight(), 3);
    EXPECT_EQ(level.GetCellBackKind(1, 0), Wall);
    EXPECT_EQ(level.GetBallX(), 0.5);
    EXPECT_EQ(level.GetBallY(), 0.5);

    CLevel slope;
    slope.SetBlock(0, 0, MakeBlock(Triangle, 0, Grass, 0, Wall, 8));
    CLevel mirrored = slope;
    slope.Rotate90();
    EXPECT_EQ(slope.GetCellShape(9, 0), Triangle);
    EXPECT_EQ(slope.GetBlock(9, 0).GetShapeRotation(), 1);
    EXPECT_EQ(slope.GetCellBackRotation(9, 0), 6);
    mirrored.FlipHorizontal();
    EXPECT_EQ(mirrored.GetBlock(9, 0).GetShapeRotation(), 3);
    EXPECT_EQ(mirrored.GetCellBackRotation(9, 0), 4);

    // An odd width mirrors the middle column in place.
    CLevel odd;
    odd.Resize(5, 2);
    odd.SetBlock(2, 1, MakeBlock(Triangle, 0, Grass, 1, Wall, 8));
    odd.FlipHorizontal();
    EXPECT_EQ(Values(odd.GetBlock(2, 1)), (std::array<int, 6>{Triangle, 3, Grass, 3, Wall, 8}));
}

TEST(Transform, RoundTripsRestoreTheLevel)
{
    for (auto [w, h] : {std::pair{7, 4}, std::pair{5, 5}, std::pair{1, 3}}) {
        const CLevel original = MixedLevel(w, h);
        CLevel turned = original;
        for (int i = 0; i < 4; ++i)
            turned.Rotate90();
        EXPECT_TRUE(SameCells(turned, original)) << w << "x" << h;
        CLevel h2 = original;
        h2.FlipHorizontal();
        EXPECT_FALSE(w > 1 && SameCells(h2, original));
        h2.FlipHorizontal();
        EXPECT_TRUE(SameCells(h2, original));
        CLevel v2 = original;
        v2.FlipVertical();
        v2.FlipVertical();
        EXPECT_TRUE(SameCells(v2, original));

        // Both mirrors equal a half turn, but for the quarter-turn count of Solid and Circle.
        CLevel mirrors = original;
        mirrors.FlipHorizontal();
        mirrors.FlipVertical();
        CLevel halfTurn = original;
        halfTurn.Rotate90();
        halfTurn.Rotate90();
        EXPECT_TRUE(SameCells(mirrors, halfTurn, true));
        EXPECT_FALSE(SameCells(mirrors, halfTurn, false));
    }
}
