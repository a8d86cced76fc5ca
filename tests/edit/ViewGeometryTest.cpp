#include "edit/ViewGeometry.h"

#include <gtest/gtest.h>

namespace {

// A 10 x 10 level at (5, 50) with 40-pixel cells: the level area is (5, 50)-(405, 450).
const CViewGeometry kGeometry({5, 50}, 40, 10, 10);

} // namespace

TEST(ViewGeometry, CellSizeIsTheLargestThatFits)
{
    EXPECT_EQ(CViewGeometry::FitCellSize(405, 450, {5, 50}, 10, 10), 40);
    EXPECT_EQ(CViewGeometry::FitCellSize(300, 600, {5, 50}, 10, 10), 29);
    EXPECT_EQ(CViewGeometry::FitCellSize(405, 450, {5, 50}, 20, 10), 20);
    // Too small for the margins, or no cells: no level area, no cell anywhere.
    EXPECT_LE(CViewGeometry::FitCellSize(4, 40, {5, 50}, 10, 10), 0);
    EXPECT_EQ(CViewGeometry::FitCellSize(405, 450, {5, 50}, 0, 10), 0);
    const CViewGeometry none({5, 50}, -1, 10, 10);
    CPoint cell;
    EXPECT_FALSE(none.CellFromPoint({5, 50}, &cell));
}

TEST(ViewGeometry, PixelsMapToCells)
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
    // The first pixel past the level area is past its last cell too.
    EXPECT_EQ(kGeometry.ClampedCellFromPoint({405, 450}), (CPoint{9, 9}));
    // A pointer confined to the level area reaches its last pixel column and row.
    EXPECT_EQ(kGeometry.ClampToLevelArea({-20, 1000}), (CPoint{5, 449}));
    EXPECT_EQ(kGeometry.ClampToLevelArea({404, 60}), (CPoint{404, 60}));

    EXPECT_EQ(kGeometry.CellRect(3, 1, 1, 2), (CRect{45, 90, 165, 170}));
    EXPECT_EQ(kGeometry.CellTopLeft({50, 95}), (CPoint{45, 90}));
    EXPECT_EQ(kGeometry.CellBottomRight({50, 95}), (CPoint{85, 130}));
    EXPECT_DOUBLE_EQ(kGeometry.BlockX(57), 1.3);
    EXPECT_DOUBLE_EQ(kGeometry.BlockY(30), -0.5);
}

TEST(ViewGeometry, RubberBandRectCoversOldAndNewPreviews)
{
    // The pointer moved back towards the start: the old, larger preview must be repainted.
    EXPECT_EQ(kGeometry.GetRubberBandRect({50, 95}, {100, 140}, {300, 300}), (CRect{45, 90, 325, 330}));
    // Moving outward covers the new preview.
    EXPECT_EQ(kGeometry.GetRubberBandRect({300, 300}, {50, 60}, {290, 290}), (CRect{45, 50, 325, 330}));
    EXPECT_EQ(kGeometry.WidenedToCells({130, 100}, {50, 95}), (CRect{45, 90, 165, 130}));
}
