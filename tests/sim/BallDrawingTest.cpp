#include "sim/Ball.h"

#include "SimFakes.h"
#include "render/DeviceContext.h"
#include "render/RasterImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

constexpr Colour kWhite = MakeRgb(255, 255, 255);

// Draws the ball on white and counts the colours inside its rectangle; outside must stay white.
std::map<Colour, int> DrawAndCount(CBall& ball, bool dimmed)
{
    CRasterImage image(200, 200, kWhite);
    CDeviceContext dc(image);
    const CPen* pen = &dc.GetPen();
    const CBrush* brush = &dc.GetBrush();
    ball.Draw(dc, dimmed);
    // The context's own pen and brush are back in place.
    EXPECT_EQ(&dc.GetPen(), pen);
    EXPECT_EQ(&dc.GetBrush(), brush);
    const CRect rect = ball.GetRect();
    std::map<Colour, int> counts;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
            if (inside)
                ++counts[image.GetPixel(x, y)];
            else
                EXPECT_EQ(image.GetPixel(x, y), kWhite) << x << ", " << y;
        }
    }
    return counts;
}

} // namespace

TEST(BallDrawing, ShadowBodyAndDots)
{
    const CLevel level; // 10 x 10 grass, the border its only wall
    CBall ball(0);
    ball.AttachLevel(&level);
    ball.SetX(5.5);
    ball.SetY(5.5);
    ball.SetCellSize(20);

    const std::map<Colour, int> plain = DrawAndCount(ball, false);
    EXPECT_GT(plain.at(MakeRgb(230, 230, 230)), 100);
    EXPECT_GT(plain.at(MakeRgb(140, 140, 140)), 5);
    // The shadow peeks out by one pixel to the right and below.
    EXPECT_GT(plain.at(0), 14);
    EXPECT_EQ(plain.size(), 4u);

    const std::map<Colour, int> dimmed = DrawAndCount(ball, true);
    EXPECT_EQ(dimmed.at(MakeRgb(140, 140, 140)), plain.at(MakeRgb(230, 230, 230)));
    EXPECT_EQ(dimmed.at(MakeRgb(50, 50, 50)), plain.at(MakeRgb(140, 140, 140)));
    EXPECT_EQ(dimmed.at(0), plain.at(0));
}

TEST(BallDrawing, DotsRollWithTheBallAndTheSunkBallVanishes)
{
    CLevel level;
    SetCell(level, 6, 5, Hole);
    CBall ball(0);
    ball.AttachLevel(&level);
    ball.SetX(3.5);
    ball.SetY(5.5);
    CRasterImage before(300, 300, kWhite);
    CRasterImage after(300, 300, kWhite);
    CDeviceContext beforeDc(before);
    CDeviceContext afterDc(after);
    ball.Draw(beforeDc, false);
    // Rolled on the spot: the same disc with its dots turned.
    ball.Launch(3.0, 0.0, CBall::kNormal);
    ball.Advance();
    ball.SetX(3.5);
    ball.Draw(afterDc, false);
    EXPECT_FALSE(std::equal(before.GetBits(), before.GetBits() + 300 * 300, after.GetBits()));

    // Into the cup: drawn without dots while sinking, not at all once it has gone.
    while (ball.Advance() && !ball.IsInCup()) {
    }
    ASSERT_TRUE(ball.IsInCup());
    const std::map<Colour, int> sinking = DrawAndCount(ball, false);
    EXPECT_EQ(sinking.count(MakeRgb(140, 140, 140)), 0u);
    EXPECT_GT(sinking.at(MakeRgb(230, 230, 230)), 0);
    while (ball.Advance()) {
    }
    EXPECT_EQ(DrawAndCount(ball, false).size(), 1u);
}
