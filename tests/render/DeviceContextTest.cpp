// Pixel rules of the raster device context.
#include "render/DeviceContext.h"
#include "render/SpanPainter.h"

#include <gtest/gtest.h>

namespace {

constexpr Colour kPaper = MakeRgb(255, 255, 255);
constexpr Colour kInk = MakeRgb(10, 20, 30);

// The painted pixels' bounding box and count.
struct CCoverage {
    CRect box{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
    int count = 0;
};

CCoverage Cover(const CRasterImage& image, Colour colour)
{
    CCoverage coverage;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            if (image.GetPixel(x, y) == colour) {
                ++coverage.count;
                coverage.box.left = std::min(coverage.box.left, x);
                coverage.box.top = std::min(coverage.box.top, y);
                coverage.box.right = std::max(coverage.box.right, x + 1);
                coverage.box.bottom = std::max(coverage.box.bottom, y + 1);
            }
    return coverage;
}

// Pixels 0..s - 1 square whose centres lie in the disc of diameter s at (s/2, s/2).
int DiscPixels(int s)
{
    int count = 0;
    for (int y = 0; y < s; ++y)
        for (int x = 0; x < s; ++x)
            count += (2 * x + 1 - s) * (2 * x + 1 - s) + (2 * y + 1 - s) * (2 * y + 1 - s) <= s * s;
    return count;
}

class DeviceContextTest : public ::testing::Test {
protected:
    DeviceContextTest() : m_image(64, 64, kPaper), m_dc(m_image) {}

    CRasterImage m_image;
    CDeviceContext m_dc;
    CBrush m_ink = CBrush::MakeSolid(kInk);
};

TEST_F(DeviceContextTest, FillRectExcludesRightAndBottomAndClips)
{
    m_dc.FillRect({3, 4, 10, 9}, m_ink);
    EXPECT_EQ(Cover(m_image, kInk).count, 7 * 5);
    m_dc.FillRect({10, 10, 10, 20}, m_ink); // empty
    m_dc.FillRect({12, 10, 8, 20}, m_ink);  // inverted: nothing, as the platform does
    EXPECT_EQ(Cover(m_image, kInk).box, (CRect{3, 4, 10, 9}));
    m_image.Fill(kPaper);
    m_dc.FillRect({-5, 60, 100, 100}, m_ink);
    EXPECT_EQ(Cover(m_image, kInk).box, (CRect{0, 60, 64, 64}));
}

TEST_F(DeviceContextTest, FiguresWithTheNullPenLeaveOutRightColumnAndBottomRow)
{
    m_dc.SelectPen(&CPen::Null());
    m_dc.SelectBrush(&m_ink);
    for (int s : {1, 2, 7, 20, 33}) {
        m_image.Fill(kPaper);
        m_dc.Ellipse(5, 6, 5 + s + 1, 6 + s + 1);
        const CCoverage ellipse = Cover(m_image, kInk);
        EXPECT_EQ(ellipse.box, (CRect{5, 6, 5 + s, 6 + s})) << "s = " << s;
        EXPECT_EQ(ellipse.count, DiscPixels(s)) << "s = " << s;
        m_image.Fill(kPaper);
        m_dc.Rectangle(5, 6, 5 + s + 1, 6 + s + 1);
        EXPECT_EQ(Cover(m_image, kInk).count, s * s);
    }
    // A pie through the same radial point twice is the whole ellipse; a half turn is half of it.
    m_image.Fill(kPaper);
    m_dc.Pie(0, 0, 21, 21, 30, 10, 30, 10);
    EXPECT_EQ(Cover(m_image, kInk).count, DiscPixels(20));
    m_image.Fill(kPaper);
    m_dc.Pie(0, 0, 21, 21, 10, 30, 10, -30); // south, counter-clockwise to north: the east half
    EXPECT_EQ(Cover(m_image, kInk).box, (CRect{10, 0, 20, 20}));
    EXPECT_EQ(Cover(m_image, kInk).count, DiscPixels(20) / 2);
}

TEST_F(DeviceContextTest, TrianglesSharingADiagonalTileTheSquare)
{
    m_dc.SelectPen(&CPen::Null());
    const int s = 12;
    const CBrush first = CBrush::MakeSolid(MakeRgb(1, 0, 0));
    const CBrush second = CBrush::MakeSolid(MakeRgb(2, 0, 0));
    // Upper-right (0, 0), (s, 0), (s, s) and lower-left (0, 0), (0, s), (s, s): the diagonal
    // pixels go to the lower-left one, whose side of the edge lies below it.
    const CPoint upper[3] = {{0, 0}, {s, 0}, {s, s}};
    const CPoint lower[3] = {{0, 0}, {0, s}, {s, s}};
    m_dc.SelectBrush(&first);
    m_dc.Polygon(upper, 3);
    EXPECT_EQ(Cover(m_image, MakeRgb(1, 0, 0)).count, s * (s - 1) / 2);
    m_dc.SelectBrush(&second);
    m_dc.Polygon(lower, 3);
    EXPECT_EQ(Cover(m_image, MakeRgb(1, 0, 0)).count, s * (s - 1) / 2);
    EXPECT_EQ(Cover(m_image, MakeRgb(2, 0, 0)).count, s * (s + 1) / 2);
    for (int i = 0; i < s; ++i)
        EXPECT_EQ(m_image.GetPixel(i, i), MakeRgb(2, 0, 0));
    // On the anti-diagonal the lower-right triangle takes the pixels, the upper-left does not.
    m_image.Fill(kPaper);
    const CPoint upperLeft[3] = {{0, 0}, {s, 0}, {0, s}};
    m_dc.SelectBrush(&first);
    m_dc.Polygon(upperLeft, 3);
    EXPECT_EQ(m_image.GetPixel(s - 1, 0), kPaper);
    EXPECT_EQ(m_image.GetPixel(s - 2, 0), MakeRgb(1, 0, 0));
}

TEST_F(DeviceContextTest, PenOutlinesAndLinesExcludeTheirEndPoint)
{
    const CPen pen = CPen::MakeSolid(kInk);
    m_dc.SelectPen(&pen);
    m_dc.SelectBrush(&CBrush::Null());
    m_dc.Rectangle(2, 3, 12, 9);
    const CCoverage frame = Cover(m_image, kInk);
    EXPECT_EQ(frame.box, (CRect{2, 3, 12, 9}));
    EXPECT_EQ(frame.count, 2 * 10 + 2 * 4);

    m_image.Fill(kPaper);
    m_dc.MoveTo(5, 5);
    m_dc.LineTo(15, 5);
    EXPECT_EQ(Cover(m_image, kInk).box, (CRect{5, 5, 15, 6}));
    m_dc.LineTo(15, 0); // upward: (15, 5) down to (15, 1)
    EXPECT_EQ(Cover(m_image, kInk).count, 10 + 5);
    EXPECT_EQ(m_image.GetPixel(15, 0), kPaper);

    m_image.Fill(kPaper);
    m_dc.MoveTo(0, 0);
    m_dc.LineTo(4, 2); // x-major: y = round(t / 2), halves upward
    for (const CPoint& p : {CPoint{0, 0}, CPoint{1, 1}, CPoint{2, 1}, CPoint{3, 2}})
        EXPECT_EQ(m_image.GetPixel(p.x, p.y), kInk) << p.x;
    EXPECT_EQ(Cover(m_image, kInk).count, 4);

    m_image.Fill(kPaper);
    m_dc.SelectPen(&CPen::Null());
    m_dc.MoveTo(0, 0);
    m_dc.LineTo(30, 30);
    EXPECT_EQ(Cover(m_image, kInk).count, 0);
    EXPECT_EQ(m_dc.GetCurrentPosition(), (CPoint{30, 30}));
    // Far outside the image: clipped, no time spent on the invisible part.
    m_dc.SelectPen(&pen);
    m_dc.MoveTo(-2000000000, 10);
    m_dc.LineTo(2000000000, 10);
    EXPECT_EQ(Cover(m_image, kInk).box, (CRect{0, 10, 64, 11}));
}

TEST_F(DeviceContextTest, HatchesAndTilesRepeatFromTheImageOrigin)
{
    const Colour line = MakeRgb(200, 0, 0);
    const Colour gap = MakeRgb(0, 0, 200);
    m_dc.SetBkColour(gap);
    for (int hatch : {HatchHorizontal, HatchVertical, HatchForwardDiagonal, HatchBackwardDiagonal}) {
        m_dc.FillRect({3, 5, 40, 30}, CBrush::MakeHatched(hatch, line));
        const auto masks = CSpanPainter::GetHatchMasks(hatch);
        for (int y = 5; y < 30; ++y)
            for (int x = 3; x < 40; ++x)
                ASSERT_EQ(m_image.GetPixel(x, y), (masks[y % 8] >> (7 - x % 8)) & 1 ? line : gap)
                    << "hatch " << hatch << " at " << x << "," << y;
    }

    Tile tile{};
    for (int i = 0; i < 64; ++i)
        tile[i] = MakeRgb(i, 255 - i, 7);
    m_dc.SelectPen(&CPen::Null());
    const CBrush pattern = CBrush::MakePattern(tile);
    m_dc.SelectBrush(&pattern);
    m_dc.Ellipse(-20, -20, 80, 80); // covers the whole image
    for (int y = 0; y < 64; y += 5)
        for (int x = 0; x < 64; x += 3)
            ASSERT_EQ(m_image.GetPixel(x, y), tile[(y % 8) * 8 + x % 8]);
}

TEST_F(DeviceContextTest, BitBltClipsAgainstBothImages)
{
    CRasterImage source(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            source.SetPixel(x, y, MakeRgb(x, y, 1));
    m_dc.BitBlt(60, -3, 10, 10, source, 0, 0);
    EXPECT_EQ(m_image.GetPixel(60, 0), MakeRgb(0, 3, 1));
    EXPECT_EQ(m_image.GetPixel(63, 6), MakeRgb(3, 9, 1));
    EXPECT_EQ(m_image.GetPixel(59, 0), kPaper);
    m_dc.BitBlt(0, 0, 100, 100, source, -2, 4); // source clipped on the left and the bottom
    EXPECT_EQ(m_image.GetPixel(2, 0), MakeRgb(0, 4, 1));
    EXPECT_EQ(m_image.GetPixel(9, 5), MakeRgb(7, 9, 1));
    EXPECT_EQ(m_image.GetPixel(1, 0), kPaper);
    EXPECT_EQ(m_image.GetPixel(2, 6), kPaper);
    m_dc.SetPixel(-1, 5, kInk);
    m_dc.SetPixel(64, 5, kInk);
    m_dc.SetPixel(63, 63, kInk);
    EXPECT_EQ(Cover(m_image, kInk).count, 1);
}

} // namespace
