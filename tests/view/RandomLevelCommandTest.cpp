#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "common/TestBlocks.h"
#include "random/RandomLevelGenerator.h"
#include "view/EditingFixture.h"

#include <QAction>

TEST(RandomLevelCommand, ReplacesTheLevelWithoutSnapshotExceptInTestMode)
{
    CMainFrame frame;
    CEditorView& view = frame.GetView();
    CLevel& level = frame.GetDocument().m_level;
    // Ctrl+R as typed: shortcuts reach the commands of the active window.
    frame.show();
    QApplication::setActiveWindow(&frame);
    QApplication::processEvents();
    level.Init(10, 10, "mine", "me");
    level.SetBlock(4, 4, MakeBlock(Solid, 0, Wall));
    level.SetModified(false);
    view.FitCellSize();
    const int undoHead = view.GetUndoHistory().GetHead();

    QTest::keyClick(&frame, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(level.GetWidth(), CRandomLevelGenerator::kLevelSize);
    EXPECT_EQ(level.GetHeight(), CRandomLevelGenerator::kLevelSize);
    EXPECT_EQ(level.GetName(), "");
    EXPECT_TRUE(level.IsModified());
    EXPECT_TRUE(frame.GetDocument().IsModified());
    // Fitted to the new size.
    const int c = std::min((view.width() - 5) / 50, (view.height() - 50) / 50);
    EXPECT_EQ(frame.GetDocument().m_cellSize, c);
    EXPECT_EQ(view.GetLevelBitmap().GetWidth(), 50 * c + 1);
    EXPECT_EQ(view.GetUndoHistory().GetHead(), undoHead);
    EXPECT_FALSE(NonEmptyCells(level).empty());

    // In test mode the level stays as it is.
    level.Init(10, 10, "mine", "me");
    view.FitCellSize();
    QTest::keyClick(&frame, Qt::Key_T, Qt::ControlModifier);
    ASSERT_TRUE(view.IsTestMode());
    QTest::keyClick(&frame, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(level.GetWidth(), 10);
    EXPECT_EQ(level.GetName(), "mine");
}
