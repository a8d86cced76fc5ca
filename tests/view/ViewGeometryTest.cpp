#include "view/EditingFixture.h"
#include "view/ViewGeometry.h"

namespace {

// A 10 x 10 level at (5, 50) with 40-pixel cells: the level area is (5, 50)-(405, 450).
const CViewGeometry kGeometry({5, 50}, 40, 10, 10);

using ViewGeometry = EditingView;

} // namespace

TEST_F(ViewGeometry, CellSizeIsTheLargestThatFits)
{
    auto fit = [&](int width, int height) {
        view.resize(width, height);
        view.FitCellSize();
        return view.GetCellSize();
    };
    EXPECT_EQ(fit(405, 450), 40);
    EXPECT_EQ(view.GetGeometry().GetLevelArea(), (CRect{5, 50, 405, 450}));
    EXPECT_EQ(fit(300, 600), 29);
    document.m_level.Init(20, 10, "", "");
    EXPECT_EQ((view.FitCellSize(), view.GetCellSize()), 14);
    // Too small for the margins: no level area, no cell anywhere.
    EXPECT_LE(fit(4, 40), 0);
    CPoint cell;
    EXPECT_FALSE(view.GetGeometry().CellFromPoint({5, 50}, &cell));
    EXPECT_EQ(view.GetGeometry().ClampedCellFromPoint({100, 100}), (CPoint{19, 9}));
    EXPECT_EQ(CViewGeometry::FitCellSize(405, 450, {5, 50}, 0, 10), 0);
}

TEST_F(ViewGeometry, PixelsMapToCells)
{
    CPoint cell{-1, -1};
    EXPECT_TRUE(kGeometry.CellFromPoint({5, 50}, &cell));
    EXPECT_EQ(cell, (CPoint{0, 0}));
    EXPECT_TRUE(kGeometry.CellFromPoint({404, 449}, &cell));
    EXPECT_EQ(cell, (CPoint{9, 9}));
    EXPECT_FALSE(kGeometry.CellFromPoint({405, 100}, &cell));
    EXPECT_FALSE(kGeometry.CellFromPoint({100, 450}, &cell));
    EXPECT_FALSE(kGeometry.CellFromPoint({4, 100}, &cell));

    EXPECT_EQ(kGeometry.ClampedCellFromPoint({0, 0}), (CPoint{0, 0}));
    EXPECT_EQ(kGeometry.ClampedCellFromPoint({1000, 1000}), (CPoint{9, 9}));
    EXPECT_EQ(kGeometry.ClampedCellFromPoint({130, 1000}), (CPoint{3, 9}));
    EXPECT_EQ(kGeometry.ClampedCellFromPoint({-20, 95}), (CPoint{0, 1}));
    // A pointer confined to the level area reaches its last pixel column and row.
    EXPECT_EQ(kGeometry.ClampToLevelArea({-20, 1000}), (CPoint{5, 449}));
    EXPECT_EQ(kGeometry.ClampToLevelArea({404, 60}), (CPoint{404, 60}));

    EXPECT_EQ(kGeometry.CellRect(3, 1, 1, 2), (CRect{45, 90, 165, 170}));
    EXPECT_EQ(kGeometry.CellTopLeft({50, 95}), (CPoint{45, 90}));
    EXPECT_EQ(kGeometry.CellBottomRight({50, 95}), (CPoint{85, 130}));
    EXPECT_DOUBLE_EQ(kGeometry.BlockX(57), 1.3);
    EXPECT_DOUBLE_EQ(kGeometry.BlockY(30), -0.5);
}

TEST_F(ViewGeometry, RubberBandRectCoversOldAndNewPreviews)
{
    // The pointer moved back towards the start: the old, larger preview must be repainted.
    EXPECT_EQ(kGeometry.GetRubberBandRect({50, 95}, {100, 140}, {300, 300}), (CRect{45, 90, 325, 330}));
    // Moving outward covers the new preview.
    EXPECT_EQ(kGeometry.GetRubberBandRect({300, 300}, {50, 60}, {290, 290}), (CRect{45, 50, 325, 330}));
    EXPECT_EQ(kGeometry.WidenedToCells({130, 100}, {50, 95}), (CRect{45, 90, 165, 130}));
}
