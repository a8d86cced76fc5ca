#include "edit/SessionFixture.h"

namespace {

const CBlock kWall = MakeBlock(Solid, 0, Wall);

// Each tool drags on a fresh level with a wall as the current block; every press in the level
// area records one snapshot, and the level's own operations mark it modified.
struct DrawingTools : EditingSession {
    DrawingTools()
    {
        session.SetBackKind(Wall);
        listener.Take();
    }

    CCellSet DragWith(EditTool tool, std::initializer_list<CPoint> points)
    {
        Open(CLevel());
        session.SetTool(tool);
        const int head = UndoHead();
        Drag(points);
        EXPECT_EQ(UndoHead(), (head + 1) % 5);
        EXPECT_TRUE(Level().IsModified());
        return NonEmptyCells(Level());
    }
};

} // namespace

TEST_F(DrawingTools, LineFollowsTheExactPointerPositions)
{
    EXPECT_EQ(DragWith(ToolLine, {{25, 70}, {145, 110}}), (CCellSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    EXPECT_EQ(DragWith(ToolLine, {{25, 70}, {185, 230}}), (CCellSet{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    EXPECT_EQ(DragWith(ToolLine, {{185, 70}, {25, 70}}), (CCellSet{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
    // The first move, not the press, fixes where the line starts.
    Open(CLevel());
    session.LeftButtonDown({385, 430}, false);
    session.MouseMove({25, 70}, true);
    session.MouseMove({105, 70}, true);
    session.LeftButtonUp({105, 70}, false);
    EXPECT_EQ(NonEmptyCells(Level()), (CCellSet{{0, 0}, {1, 0}, {2, 0}}));
    // A click without a move: the start cell alone.
    Open(CLevel());
    Click({130, 130});
    EXPECT_EQ(NonEmptyCells(Level()), (CCellSet{{3, 2}}));
}

TEST_F(DrawingTools, RectangleAndFrameCoverTheCellsOfTheDrag)
{
    const CPoint inCell23{100, 180};
    const CPoint inCell51{230, 100};
    CCellSet block;
    for (int x = 2; x <= 5; ++x)
        for (int y = 1; y <= 3; ++y)
            block.emplace(x, y);
    EXPECT_EQ(DragWith(ToolRectangle, {inCell23, inCell51}), block);
    // Only the changed cells are reported.
    ASSERT_EQ(listener.changes.size(), 1u);
    EXPECT_EQ(listener.changes[0].kind, CEditChange::CellsChanged);
    EXPECT_EQ(listener.changes[0].cells, (CCellRect{2, 1, 6, 4}));
    block.erase({3, 2});
    block.erase({4, 2});
    EXPECT_EQ(DragWith(ToolFrame, {inCell23, inCell51}), block);
    // The far corner is taken one pixel inside: the first pixel column of column 3 stays out.
    EXPECT_EQ(DragWith(ToolRectangle, {{50, 95}, {125, 135}}), (CCellSet{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
    // Beyond the level area the drag stays on its edge cells.
    EXPECT_EQ(DragWith(ToolFrame, {{350, 400}, {2000, 2000}}).size(), 4u);
    EXPECT_EQ(Level().GetBlock(9, 9), kWall);
}

TEST_F(DrawingTools, SetBallRoundsToHalfBlocksWithShiftAndStaysInside)
{
    session.SetTool(ToolSetBall);
    const CPoint point{5 + 52, 50 + 109}; // block position (1.300, 2.725)
    Click(point);
    EXPECT_DOUBLE_EQ(Level().GetBallX(), 1.3);
    EXPECT_DOUBLE_EQ(Level().GetBallY(), 2.725);
    // Reported as what it is, so that the view drops what the solver found for the old start.
    EXPECT_EQ(listener.Take(), std::vector{CEditChange::BallStartMoved});
    Click(point, true);
    EXPECT_DOUBLE_EQ(Level().GetBallX(), 1.5);
    EXPECT_DOUBLE_EQ(Level().GetBallY(), 2.5);
    Click({5, 70});
    EXPECT_DOUBLE_EQ(Level().GetBallX(), CLevel::kBallRadius);
    EXPECT_TRUE(Level().IsModified());
    EXPECT_EQ(NonEmptyCells(Level()), CCellSet{});
}

TEST_F(DrawingTools, PlotPaintsEachNewCellWhileMoving)
{
    // A uniform block compares equal to the current block whatever its front material, so the
    // drag leaves it alone; the release rewrites the cell under it even when equal.
    CLevel start;
    const CBlock wallOverIce = MakeBlock(Solid, 0, Wall, NoSlope, Ice);
    start.SetBlock(2, 0, wallOverIce);
    start.SetBlock(4, 0, wallOverIce);
    Open(start);
    Drag({{25, 70}, {60, 70}, {100, 70}, {140, 70}, {180, 70}, {185, 75}});
    EXPECT_EQ(NonEmptyCells(Level()), (CCellSet{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
    EXPECT_EQ(Level().GetBlock(2, 0).GetFrontKind(), Ice);
    EXPECT_EQ(Level().GetBlock(4, 0).GetFrontKind(), Wall);
    // One report for each cell written: (0, 0), (1, 0), (3, 0) while moving, (4, 0) at the release.
    EXPECT_EQ(listener.changes.size(), 4u);
    EXPECT_EQ(listener.changes.back().cells, (CCellRect{4, 0, 5, 1}));

    // Dragged past the right edge, the pointer stays on the last column.
    Drag({{300, 300}, {900, 300}});
    EXPECT_EQ(Level().GetBlock(9, 6), kWall);
    // Moves without the button paint nothing and record nothing; the cursor is a cross over
    // the level area only.
    EXPECT_EQ(session.MouseMove({60, 400}, false).cursor, CInputReply::Cursor::Cross);
    EXPECT_EQ(session.MouseMove({60, 30}, false).cursor, CInputReply::Cursor::Arrow);
    EXPECT_TRUE(Level().GetBlock(1, 8).IsEmpty());
    EXPECT_EQ(UndoHead(), 2);
}

TEST_F(DrawingTools, ReleaseUsesTheToolInEffectThen)
{
    session.SetTool(ToolRectangle);
    session.LeftButtonDown({25, 70}, false);
    session.MouseMove({25, 70}, true);
    session.MouseMove({185, 230}, true);
    session.SetTool(ToolPlot);
    session.LeftButtonUp({185, 230}, false);
    EXPECT_EQ(NonEmptyCells(Level()), (CCellSet{{4, 4}}));
    // A press outside the level area starts no drag and records nothing.
    Drag({{2, 2}, {100, 100}});
    EXPECT_EQ(NonEmptyCells(Level()).size(), 1u);
    EXPECT_EQ(UndoHead(), 1);
}
