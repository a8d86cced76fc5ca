#include "app/EditorDoc.h"
#include "app/RecentFileList.h"
#include "view/EditorView.h"
#include "view/QtTestApp.h"

#include <gtest/gtest.h>

namespace {

struct ViewGeometry : ::testing::Test {
    CEditorDoc document;
    CRecentFileList recentFiles;
    CEditorView view{document, recentFiles};

    void SetClientSize(int width, int height)
    {
        view.resize(width, height);
        view.FitCellSize();
    }
};

} // namespace

TEST_F(ViewGeometry, CellSizeIsTheLargestThatFits)
{
    SetClientSize(405, 450);
    EXPECT_EQ(document.m_cellSize, 40);
    EXPECT_EQ(view.GetLevelArea(), (CRect{5, 50, 405, 450}));
    SetClientSize(300, 600);
    EXPECT_EQ(document.m_cellSize, 29);
    document.m_level.Init(20, 10, "", "");
    EXPECT_EQ((view.FitCellSize(), document.m_cellSize), 14);
    // Too small for the margins: no level area, no cell anywhere.
    SetClientSize(4, 40);
    EXPECT_LE(document.m_cellSize, 0);
    CPoint cell;
    EXPECT_FALSE(view.CellFromPoint({5, 50}, &cell));
    EXPECT_EQ(view.ClampedCellFromPoint({100, 100}), (CPoint{19, 9}));
}

TEST_F(ViewGeometry, PixelsMapToCells)
{
    SetClientSize(405, 450);
    CPoint cell{-1, -1};
    EXPECT_TRUE(view.CellFromPoint({5, 50}, &cell));
    EXPECT_EQ(cell, (CPoint{0, 0}));
    EXPECT_TRUE(view.CellFromPoint({404, 449}, &cell));
    EXPECT_EQ(cell, (CPoint{9, 9}));
    EXPECT_FALSE(view.CellFromPoint({405, 100}, &cell));
    EXPECT_FALSE(view.CellFromPoint({100, 450}, &cell));
    EXPECT_FALSE(view.CellFromPoint({4, 100}, &cell));

    EXPECT_EQ(view.ClampedCellFromPoint({0, 0}), (CPoint{0, 0}));
    EXPECT_EQ(view.ClampedCellFromPoint({1000, 1000}), (CPoint{9, 9}));
    EXPECT_EQ(view.ClampedCellFromPoint({130, 1000}), (CPoint{3, 9}));
    EXPECT_EQ(view.ClampedCellFromPoint({-20, 95}), (CPoint{0, 1}));

    EXPECT_EQ(view.CellRect(3, 1, 1, 2), (CRect{45, 90, 165, 170}));
    EXPECT_EQ(view.CellTopLeft({50, 95}), (CPoint{45, 90}));
    EXPECT_EQ(view.CellBottomRight({50, 95}), (CPoint{85, 130}));
}

TEST_F(ViewGeometry, RubberBandRectCoversOldAndNewPreviews)
{
    SetClientSize(405, 450);
    // The pointer moved back towards the start: the old, larger preview must be repainted.
    const CRect r = view.GetRubberBandRect({50, 95}, {100, 140}, {300, 300});
    EXPECT_EQ(r, (CRect{45, 90, 325, 330}));
    // Moving outward covers the new preview.
    EXPECT_EQ(view.GetRubberBandRect({300, 300}, {50, 60}, {290, 290}), (CRect{45, 50, 325, 330}));
}
