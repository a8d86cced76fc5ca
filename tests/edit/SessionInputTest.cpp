#include "edit/SessionFixture.h"

namespace {

using SessionInput = EditingSession;

// Client points of the samples and palette items above the level.
const CPoint kBackBox{15, 15};
const CPoint kFrontBox{15, 30};
const CPoint kBlockBox{45, 25};
const CPoint kTriangleItem{250, 25}; // shape item 3
const CPoint kWaterItem{600, 25};    // material item 5

CPoint CellCentre(int x, int y)
{
    return {5 + 40 * x + 20, 50 + 40 * y + 20};
}

} // namespace

TEST_F(SessionInput, ADragGrabsTheMouseKeepsInsideAndRepaintsItsRubberBand)
{
    session.SetBackKind(Wall);
    session.SetTool(ToolRectangle);
    EXPECT_EQ(session.LeftButtonDown({100, 100}, false).mouse, CInputReply::Mouse::Grab);
    // The first move re-anchors the drag; each move repaints the old and the new preview, whole
    // cells, and the pointer is kept inside the level area.
    EXPECT_EQ(session.MouseMove({130, 100}, true).repaint, (CRect{125, 90, 165, 130}));
    const CInputReply outside = session.MouseMove({1000, 20}, true);
    EXPECT_EQ(session.GetDrag().GetCurrent(), (CPoint{404, 50}));
    EXPECT_EQ(outside.repaint, (CRect{125, 50, 405, 130}));
    const CInputReply release = session.LeftButtonUp({1000, 20}, false);
    EXPECT_EQ(release.mouse, CInputReply::Mouse::Release);
    EXPECT_EQ(release.repaint, (CRect{125, 50, 405, 130}));
    EXPECT_FALSE(session.GetDrag().IsActive());
    EXPECT_EQ(NonEmptyCells(Level()).size(), 14u); // columns 3 to 9 of rows 0 and 1
}

TEST_F(SessionInput, PaletteAndSampleClicksChangeOnlyTheCurrentBlock)
{
    // A new session plots solid grass on wall, the first shape marked.
    EXPECT_EQ(session.GetTool(), ToolPlot);
    EXPECT_EQ(Values(session.GetCurrentBlock()), Values(MakeBlock(Solid, 0, Grass, NoSlope, Wall)));
    EXPECT_TRUE(session.GetPalettes().GetShapes()[0].IsSelected());
    Click(kBackBox); // back slope: none, then 7
    Click(kFrontBox);
    Click(kFrontBox);
    EXPECT_EQ(session.GetCurrentBlock(), MakeBlock(Solid, 0, Grass, 7, Wall, 6));
    Click(kWaterItem);
    session.RightButtonUp(kWaterItem, false, false);
    EXPECT_EQ(session.GetCurrentBlock(), MakeBlock(Solid, 0, Water, 7, Water, 6));
    Click(kTriangleItem);
    EXPECT_TRUE(session.GetPalettes().GetShapes()[3].IsSelected());
    EXPECT_FALSE(session.GetPalettes().GetShapes()[0].IsSelected());
    EXPECT_TRUE(listener.changes.back().shapeMarkMoved);
    Click(kBlockBox);
    EXPECT_EQ(session.GetCurrentBlock(), MakeBlock(Triangle, 1, Water, 7, Water, 6));
    // With Shift held the slopes turn with the block.
    Click(kBlockBox, true);
    EXPECT_EQ(session.GetCurrentBlock(), MakeBlock(Triangle, 2, Water, 5, Water, 4));
    session.RightButtonUp(kBackBox, false, false);
    session.RightButtonUp(kFrontBox, false, false);
    EXPECT_EQ(session.GetCurrentBlock(), MakeBlock(Triangle, 2, Water, NoSlope, Water, NoSlope));
    // Right clicks on the block sample and the shape items do nothing.
    const std::size_t reports = listener.changes.size();
    session.RightButtonUp(kBlockBox, false, false);
    session.RightButtonUp({100, 25}, false, false);
    EXPECT_EQ(listener.changes.size(), reports);
    EXPECT_FALSE(Level().IsModified());
    EXPECT_EQ(UndoHead(), 0);
}

TEST_F(SessionInput, RightButtonPicksOrTurnsACell)
{
    const CBlock quarter = MakeBlock(QuarterDisc, 1, Ice, 3, Sand, 1);
    CLevel level;
    level.SetBlock(2, 3, quarter);
    Open(level);
    session.RightButtonUp(CellCentre(2, 3), false, false);
    EXPECT_EQ(Values(session.GetCurrentBlock()), Values(quarter));
    EXPECT_TRUE(session.GetPalettes().GetShapes()[0].IsSelected());
    EXPECT_FALSE(Level().IsModified());
    EXPECT_EQ(UndoHead(), 0);

    session.RightButtonUp(CellCentre(2, 3), true, false);
    EXPECT_EQ(Values(Level().GetBlock(2, 3)), Values(MakeBlock(QuarterDisc, 2, Ice, 3, Sand, 1)));
    EXPECT_EQ(listener.changes.back().cells, (CCellRect{2, 3, 3, 4}));
    session.RightButtonUp(CellCentre(2, 3), true, true);
    EXPECT_EQ(Values(Level().GetBlock(2, 3)), Values(MakeBlock(QuarterDisc, 3, Ice, 1, Sand, 7)));
    EXPECT_EQ(UndoHead(), 2);
}
