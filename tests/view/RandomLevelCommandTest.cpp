#include "common/TestBlocks.h"
#include "random/RandomLevelGenerator.h"
#include "view/EditorWindowFixture.h"

using RandomLevelCommand = EditorWindow;

TEST_F(RandomLevelCommand, ReplacesTheLevelWithoutSnapshotExceptInTestMode)
{
    level.Init(10, 10, "mine", "me");
    level.SetBlock(4, 4, MakeBlock(Solid, 0, Wall));
    level.SetModified(false);
    view.FitCellSize();
    const int undoHead = view.GetUndoHistory().GetHead();

    Key(Qt::Key_R);
    EXPECT_EQ(level.GetWidth(), CRandomLevelGenerator::kLevelSize);
    EXPECT_EQ(level.GetHeight(), CRandomLevelGenerator::kLevelSize);
    EXPECT_EQ(level.GetName(), "");
    EXPECT_TRUE(level.IsModified());
    EXPECT_TRUE(frame->GetDocument().IsModified());
    // Fitted to the new size.
    const int c = std::min((view.width() - 5) / 50, (view.height() - 50) / 50);
    EXPECT_EQ(frame->GetView().GetCellSize(), c);
    EXPECT_EQ(view.GetLevelBitmap().GetWidth(), 50 * c + 1);
    EXPECT_EQ(view.GetUndoHistory().GetHead(), undoHead);
    EXPECT_FALSE(NonEmptyCells(level).empty());

    // In test mode the level stays as it is.
    level.Init(10, 10, "mine", "me");
    view.FitCellSize();
    Key(Qt::Key_T);
    ASSERT_TRUE(view.IsTestMode());
    Key(Qt::Key_R);
    EXPECT_EQ(level.GetWidth(), 10);
    EXPECT_EQ(level.GetName(), "mine");
}
