#include "app/CommandTable.h"
#include "common/EditorWindow.h"
#include "render/DeviceContext.h"

namespace {

struct ViewPainting : EditorWindow {
    void SetUp() override
    {
        // A level with something in a corner, the ball in the middle.
        CLevel corners;
        corners.SetBlock(9, 9, MakeBlock(Solid, 0, Wall, NoSlope, Wall));
        Put(corners);
        SetViewSize(405, 450);
    }

    // Whether the window image holds, in the rectangle, the pixels of the expected image at
    // the same place.
    bool SameIn(const CRasterImage& expected, const CRect& r, int dx = 0, int dy = 0) const
    {
        const CRasterImage& shown = view.GetWindowImage();
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (shown.GetPixel(x, y) != expected.GetPixel(x - dx, y - dy))
                    return false;
        return true;
    }
};

} // namespace

TEST_F(ViewPainting, WindowShowsThePalettesAndTheLevelInTheirPlaces)
{
    const CRasterImage& shown = view.GetWindowImage();

    // Each palette item as it draws itself.
    CRasterImage items(shown.GetWidth(), shown.GetHeight(), MakeRgb(255, 255, 255));
    CDeviceContext dc(items);
    for (const CPaletteItem& item : session.GetPalettes().GetShapes())
        item.Draw(dc);
    for (const CPaletteItem& item : session.GetPalettes().GetMaterials())
        item.Draw(dc);
    for (const auto* palette : {&session.GetPalettes().GetShapes(), &session.GetPalettes().GetMaterials()})
        for (const CPaletteItem& item : *palette)
            EXPECT_TRUE(SameIn(items, item.GetRect()));

    // The level picture at (5, 50), one pixel wider and taller than the level area; the corner
    // cells lie away from the ball.
    const CRasterImage& picture = view.GetLevelBitmap();
    EXPECT_EQ(picture.GetWidth(), 401);
    EXPECT_EQ(picture.GetHeight(), 401);
    EXPECT_TRUE(SameIn(picture, {5, 50, 45, 90}, 5, 50));
    EXPECT_TRUE(SameIn(picture, {365, 410, 405, 450}, 5, 50));
}

TEST_F(ViewPainting, GridFollowsTheSetting)
{
    const bool grid = view.IsGridShown();
    const Colour black = MakeRgb(0, 0, 0);
    // The vertical line between the first two cells, in the grass of the first row.
    auto lineShown = [this, black] {
        QApplication::processEvents();
        return view.GetWindowImage().GetPixel(45, 70) == black;
    };
    EXPECT_EQ(lineShown(), grid);
    Run(CmdShowGrid);
    EXPECT_EQ(lineShown(), !grid);
    EXPECT_EQ(Checked(CmdShowGrid), !grid);
    Run(CmdShowGrid);
    EXPECT_EQ(lineShown(), grid);
}

// A level that would get less than a pixel a block is not shown: the window says why instead.
TEST_F(ViewPainting, ALevelTooLargeToShowIsExplained)
{
    EXPECT_TRUE(view.GetTooLargeMessage().isEmpty());
    CLevel large;
    large.Resize(1000, 1000);
    Put(large);
    EXPECT_EQ(view.GetCellSize(), 0);
    EXPECT_EQ(view.GetTooLargeMessage(),
              "The level is 1000 x 1000 blocks; the window shows at most 400 x 400 blocks at this size");
    const QImage shown = view.grab(QRect(5, 50, 400, 400)).toImage();
    int written = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            written += shown.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(written, 100);
}
