#include "common/TestBlocks.h"
#include "view/EditingFixture.h"

namespace {

const CBlock kWall = MakeBlock(Solid, 0, Wall);

// Each tool drags on a fresh level; the view records one snapshot per press and marks the level
// modified through the level's own operations.
struct EditingTools : EditingView {
    // The tools paint with a wall, chosen on the material palette.
    EditingTools() { Click({400, 25}); }

    CCellSet DragWith(EditTool tool, std::initializer_list<QPoint> points)
    {
        level = CLevel();
        view.SetTool(tool);
        const int head = UndoHead();
        Drag(points);
        EXPECT_EQ(UndoHead(), (head + 1) % 5);
        EXPECT_TRUE(level.IsModified());
        return NonEmptyCells(level);
    }
};

} // namespace

TEST_F(EditingTools, LineFollowsTheExactPointerPositions)
{
    EXPECT_EQ(DragWith(ToolLine, {{25, 70}, {145, 110}}), (CCellSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    EXPECT_EQ(DragWith(ToolLine, {{25, 70}, {185, 230}}), (CCellSet{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    EXPECT_EQ(DragWith(ToolLine, {{185, 70}, {25, 70}}), (CCellSet{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
    // The first move, not the press, fixes where the line starts.
    level = CLevel();
    Press({385, 430});
    Move({25, 70});
    Move({105, 70});
    Release({105, 70});
    EXPECT_EQ(NonEmptyCells(level), (CCellSet{{0, 0}, {1, 0}, {2, 0}}));
    // A click without a move: the start cell alone.
    EXPECT_EQ(DragWith(ToolLine, {{130, 130}}), (CCellSet{{3, 2}}));
}

TEST_F(EditingTools, RectangleAndFrameCoverTheCellsOfTheDrag)
{
    const QPoint inCell23{100, 180};
    const QPoint inCell51{230, 100};
    CCellSet block;
    for (int x = 2; x <= 5; ++x)
        for (int y = 1; y <= 3; ++y)
            block.emplace(x, y);
    EXPECT_EQ(DragWith(ToolRectangle, {inCell23, inCell51}), block);
    block.erase({3, 2});
    block.erase({4, 2});
    EXPECT_EQ(DragWith(ToolFrame, {inCell23, inCell51}), block);
    // The far corner is taken one pixel inside: the first pixel column of column 3 stays out.
    EXPECT_EQ(DragWith(ToolRectangle, {{50, 95}, {125, 135}}), (CCellSet{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
    // Beyond the level area the drag stays on its edge cells.
    EXPECT_EQ(DragWith(ToolFrame, {{350, 400}, {2000, 2000}}).size(), 4u);
    EXPECT_EQ(level.GetBlock(9, 9), kWall);
}

TEST_F(EditingTools, FillStopsAtARingOfWalls)
{
    view.SetTool(ToolFrame);
    Drag({{100, 140}, {260, 300}}); // walls around columns 3 to 5, rows 3 to 5
    view.SetTool(ToolFill);
    Click({25, 70});
    // Everything but the enclosed 3 x 3 cells became wall.
    EXPECT_EQ(NonEmptyCells(level).size(), 100u - 9u);
    EXPECT_TRUE(level.GetBlock(4, 4).IsEmpty());
    // A fill on the enclosed cells then covers exactly them.
    Click({190, 230});
    EXPECT_EQ(NonEmptyCells(level).size(), 100u);
    EXPECT_EQ(UndoHead(), 3);
}

TEST_F(EditingTools, SetBallRoundsToHalfBlocksWithShiftAndStaysInside)
{
    view.SetTool(ToolSetBall);
    const QPoint point{5 + 52, 50 + 109}; // block position (1.300, 2.725)
    Click(point);
    EXPECT_DOUBLE_EQ(level.GetBallX(), 1.3);
    EXPECT_DOUBLE_EQ(level.GetBallY(), 2.725);
    Press(point);
    Release(point, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(level.GetBallX(), 1.5);
    EXPECT_DOUBLE_EQ(level.GetBallY(), 2.5);
    Click({5, 70});
    EXPECT_DOUBLE_EQ(level.GetBallX(), CLevel::kBallRadius);
    EXPECT_TRUE(level.IsModified());
    EXPECT_EQ(NonEmptyCells(level), CCellSet{});
}

TEST_F(EditingTools, PlotPaintsEachNewCellWhileMoving)
{
    view.SetTool(ToolPlot);
    // A uniform block compares equal to the current block whatever its front material, so the
    // drag leaves it alone; the release rewrites the cell under it even when equal.
    const CBlock wallOverIce = MakeBlock(Solid, 0, Wall, NoSlope, Ice);
    level.SetBlock(2, 0, wallOverIce);
    level.SetBlock(4, 0, wallOverIce);
    level.SetModified(false);
    Drag({{25, 70}, {60, 70}, {100, 70}, {140, 70}, {180, 70}, {185, 75}});
    EXPECT_EQ(NonEmptyCells(level), (CCellSet{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
    EXPECT_EQ(level.GetBlock(2, 0).GetFrontKind(), Ice);
    EXPECT_EQ(level.GetBlock(4, 0).GetFrontKind(), Wall);
    EXPECT_TRUE(level.IsModified());
    EXPECT_EQ(UndoHead(), 1);

    // Dragged past the right edge, the pointer stays on the last column.
    Drag({{300, 300}, {900, 300}});
    EXPECT_EQ(level.GetBlock(9, 6), kWall);
    // Moves without the button paint nothing and record nothing; the cursor is a cross over
    // the level area only.
    for (QPoint point : {QPoint{60, 400}, QPoint{60, 30}}) {
        SendMouse(&view, QEvent::MouseMove, point);
        EXPECT_EQ(view.cursor().shape(), point.y() > 50 ? Qt::CrossCursor : Qt::ArrowCursor);
    }
    EXPECT_TRUE(level.GetBlock(1, 8).IsEmpty());
    EXPECT_EQ(UndoHead(), 2);
}

TEST_F(EditingTools, ReleaseUsesTheToolInEffectThen)
{
    view.SetTool(ToolRectangle);
    Press({25, 70});
    Move({25, 70});
    Move({185, 230});
    view.SetTool(ToolPlot);
    Release({185, 230});
    EXPECT_EQ(NonEmptyCells(level), (CCellSet{{4, 4}}));
    // A press outside the level area starts no drag and records nothing.
    Drag({{2, 2}, {100, 100}});
    EXPECT_EQ(NonEmptyCells(level).size(), 1u);
    EXPECT_EQ(UndoHead(), 1);
}
