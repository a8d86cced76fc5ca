#include "common/TestBlocks.h"
#include "view/EditingFixture.h"

#include <QKeyEvent>

namespace {

// Client points of the samples and palette items above the level.
const QPoint kBackBox{15, 15};
const QPoint kFrontBox{15, 30};
const QPoint kBlockBox{45, 25};
const QPoint kTriangleItem{250, 25}; // shape item 3
const QPoint kWaterItem{600, 25};    // material item 5

QPoint CellCentre(int x, int y)
{
    return {5 + 40 * x + 20, 50 + 40 * y + 20};
}

} // namespace

TEST_F(EditingView, PaletteAndSampleClicksChangeOnlyTheCurrentBlock)
{
    view.resize(700, 450);
    Click(kBackBox); // back slope: none, then 7
    Click(kFrontBox);
    Click(kFrontBox);
    EXPECT_EQ(view.GetCurrentBlock(), MakeBlock(Solid, 0, Grass, 7, Wall, 6));
    Click(kWaterItem);
    RightClick(kWaterItem);
    EXPECT_EQ(view.GetCurrentBlock(), MakeBlock(Solid, 0, Water, 7, Water, 6));
    Click(kTriangleItem);
    EXPECT_TRUE(view.GetShapePalette()[3].IsSelected());
    EXPECT_FALSE(view.GetShapePalette()[0].IsSelected());
    Click(kBlockBox);
    EXPECT_EQ(view.GetCurrentBlock(), MakeBlock(Triangle, 1, Water, 7, Water, 6));
    // With Shift held the slopes turn with the block.
    Click(kBlockBox, Qt::ShiftModifier);
    EXPECT_EQ(view.GetCurrentBlock(), MakeBlock(Triangle, 2, Water, 5, Water, 4));
    RightClick(kBackBox);
    RightClick(kFrontBox);
    EXPECT_EQ(view.GetCurrentBlock(), MakeBlock(Triangle, 2, Water, NoSlope, Water, NoSlope));
    // Right clicks on the block sample and the shape items do nothing.
    RightClick(kBlockBox);
    RightClick({100, 25});
    EXPECT_EQ(view.GetCurrentBlock().GetShape(), Triangle);
    EXPECT_FALSE(level.IsModified());
    EXPECT_EQ(UndoHead(), 0);
}

TEST_F(EditingView, RightButtonPicksOrTurnsACell)
{
    const CBlock quarter = MakeBlock(QuarterDisc, 1, Ice, 3, Sand, 1);
    level.SetBlock(2, 3, quarter);
    level.SetModified(false);
    RightClick(CellCentre(2, 3));
    EXPECT_EQ(view.GetCurrentBlock(), quarter);
    EXPECT_EQ(view.GetCurrentBlock().GetFrontRotation(), 1);
    EXPECT_TRUE(view.GetShapePalette()[0].IsSelected());
    EXPECT_FALSE(level.IsModified());
    EXPECT_EQ(UndoHead(), 0);

    RightClick(CellCentre(2, 3), Qt::ControlModifier);
    EXPECT_EQ(level.GetBlock(2, 3), MakeBlock(QuarterDisc, 2, Ice, 3, Sand, 1));
    EXPECT_TRUE(level.IsModified());
    EXPECT_EQ(UndoHead(), 1);
    RightClick(CellCentre(2, 3), Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(level.GetBlock(2, 3), MakeBlock(QuarterDisc, 3, Ice, 1, Sand, 7));
    EXPECT_EQ(UndoHead(), 2);
}

TEST_F(EditingView, ArrowKeysShiftTheLevelOncePerRelease)
{
    for (int y = 0; y < 10; ++y) {
        level.SetBlock(0, y, MakeBlock(Solid, 0, Wall));
        level.SetBlock(9, y, MakeBlock(Solid, 0, Sand));
    }
    level.SetModified(false);
    QTest::keyClick(&view, Qt::Key_Right);
    for (int y = 0; y < 10; ++y) {
        EXPECT_TRUE(level.GetBlock(0, y).IsEmpty());
        EXPECT_EQ(level.GetCellBackKind(1, y), Wall);
        EXPECT_TRUE(level.GetBlock(9, y).IsEmpty());
    }
    EXPECT_DOUBLE_EQ(level.GetBallX(), 5.0);
    EXPECT_TRUE(level.IsModified());
    EXPECT_EQ(UndoHead(), 1);

    // Releases sent by auto-repeat do nothing; other keys neither.
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&view, &repeated);
    QTest::keyClick(&view, Qt::Key_X);
    EXPECT_EQ(level.GetCellBackKind(1, 0), Wall);
    EXPECT_EQ(UndoHead(), 1);
    QTest::keyClick(&view, Qt::Key_Up);
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_EQ(level.GetCellBackKind(0, 9), Grass);
    EXPECT_EQ(level.GetCellBackKind(0, 8), Wall);
    EXPECT_EQ(UndoHead(), 3);
}
