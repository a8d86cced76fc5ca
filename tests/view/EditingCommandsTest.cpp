#include "app/CommandTable.h"
#include "view/LevelPropertiesDlg.h"
#include "app/MainFrame.h"
#include "common/TestBlocks.h"
#include "view/EditingFixture.h"
#include "view/UndoHistory.h"

#include <QAction>

namespace {

// A level told apart from others by its name.
CLevel Named(const char* name)
{
    CLevel level;
    level.SetName(name);
    return level;
}

// The editor window, its commands run as the menus and keys run them.
struct EditingCommands : ::testing::Test {
    CMainFrame frame;
    CEditorView& view = frame.GetView();
    CEditorDoc& document = frame.GetDocument();
    CLevel& level = document.m_level;

    EditingCommands()
    {
        view.resize(405, 450);
        view.FitCellSize();
    }
    void Run(int id) { frame.GetAction(id)->trigger(); }
    // A level as just opened: that size, named, one wall, not modified.
    void Open(int width, int height, const char* name, int wallX, int wallY)
    {
        level = CLevel();
        level.Init(width, height, name, "me");
        level.SetBlock(wallX, wallY, MakeBlock(Solid, 0, Wall));
        level.SetModified(false);
        view.FitCellSize();
    }
    int UndoHead() const { return view.GetUndoHistory().GetHead(); }
};

} // namespace

TEST(UndoHistory, RingOfFiveSnapshots)
{
    CUndoHistory history;
    for (const char* name : {"p1", "p2", "p3", "p4", "p5", "p6"})
        history.Push(Named(name));
    for (const char* name : {"p6", "p5", "p4", "p3", "p2", "p6"})
        EXPECT_EQ(history.Undo().GetName(), name);
    // A push after an undo writes the slot just returned.
    history.Push(Named("q"));
    EXPECT_EQ(history.Undo().GetName(), "q");
    EXPECT_EQ(history.Undo().GetName(), "p5");

    const CLevel blank = CUndoHistory().Undo();
    EXPECT_EQ(blank.GetWidth(), 10);
    EXPECT_EQ(NonEmptyCells(blank), CCellSet{});
    EXPECT_DOUBLE_EQ(blank.GetBallY(), 5.0);
    EXPECT_FALSE(blank.IsModified());
}

TEST_F(EditingCommands, UndoPutsBackTheLevelAndItsSize)
{
    Open(20, 10, "opened", 3, 3);
    Run(CmdMakeFit);
    EXPECT_EQ(level.GetWidth(), 1);
    EXPECT_EQ(view.GetCellSize(), 400);
    Run(CmdEditUndo);
    EXPECT_EQ(level.GetWidth(), 20);
    EXPECT_EQ(level.GetName(), "opened");
    EXPECT_FALSE(level.IsModified());
    EXPECT_EQ(view.GetCellSize(), 20);
    // Undo records nothing: the next one goes further back, to the blank level of the start.
    Run(CmdEditUndo);
    EXPECT_EQ(level.GetWidth(), 10);
    EXPECT_EQ(level.GetName(), "");
    EXPECT_FALSE(level.IsModified());
    EXPECT_EQ(view.GetCellSize(), 40);
}

TEST_F(EditingCommands, BlockCommandsChangeOnlyTheCurrentBlock)
{
    auto values = [this] {
        const CBlock& b = view.GetCurrentBlock();
        return std::array{b.GetShape(), b.GetShapeRotation(), b.GetBackKind(), b.GetBackRotation(),
                          b.GetFrontKind(), b.GetFrontRotation()};
    };
    Run(CmdRotateBack);
    EXPECT_EQ(values()[3], 7);
    for (int i = 0; i < 8; ++i)
        Run(CmdRotateBack);
    EXPECT_EQ(values()[3], NoSlope);
    Run(CmdRotateBack);
    Run(CmdRotateFront);
    Run(CmdSwapMaterials);
    EXPECT_EQ(values(), (std::array{int(Solid), 0, int(Wall), 7, int(Grass), 7}));
    Run(CmdSwapMaterials);
    Run(CmdResetFrontRotation);
    EXPECT_EQ(values(), (std::array{int(Solid), 0, int(Grass), 7, int(Wall), NoSlope}));
    Run(CmdRotateFront);
    Run(CmdResetBackRotation);
    EXPECT_EQ(values(), (std::array{int(Solid), 0, int(Grass), NoSlope, int(Wall), 7}));
    Run(CmdRotateBack);
    Run(CmdResetRotation);
    EXPECT_EQ(values(), (std::array{int(Solid), 0, int(Grass), NoSlope, int(Wall), NoSlope}));

    // Rotate block reads the live Shift state.
    Run(CmdRotateFront);
    Run(CmdRotateFront);
    Run(CmdRotateBlock);
    EXPECT_EQ(values(), (std::array{int(Solid), 1, int(Grass), NoSlope, int(Wall), 6}));
    QTest::keyPress(&view, Qt::Key_Shift, Qt::ShiftModifier);
    Run(CmdRotateBlock);
    QTest::keyRelease(&view, Qt::Key_Shift);
    EXPECT_EQ(values(), (std::array{int(Solid), 2, int(Grass), NoSlope, int(Wall), 4}));
    EXPECT_FALSE(level.IsModified());
    EXPECT_EQ(UndoHead(), 0);
}

// Where Make fit crops, LevelEdits checks; here the command around the crop.
TEST_F(EditingCommands, MakeFitRefitsTheCellsAndAlwaysRecordsASnapshot)
{
    const CBlock wall = MakeBlock(Solid, 0, Wall);
    level.FillRect(3, 2, 7, 5, wall);
    Run(CmdMakeFit);
    EXPECT_EQ(level.GetWidth(), 5);
    EXPECT_EQ(level.GetHeight(), 4);
    EXPECT_EQ(NonEmptyCells(level).size(), 20u);
    EXPECT_EQ(view.GetCellSize(), 80);
    EXPECT_TRUE(level.IsModified());
    EXPECT_EQ(UndoHead(), 1);

    // Nothing to crop: the level stays as it is, the snapshot is still recorded.
    for (bool corners : {false, true}) {
        level = CLevel();
        if (corners)
            for (int xy : {0, 9})
                level.SetBlock(xy, 9 - xy, wall);
        level.SetModified(false);
        Run(CmdMakeFit);
        EXPECT_EQ(level.GetWidth(), 10);
        EXPECT_FALSE(level.IsModified());
    }
    EXPECT_EQ(UndoHead(), 3);
}

TEST_F(EditingCommands, PropertiesResizeWithoutSnapshot)
{
    Open(10, 10, "", 2, 2);
    Run(CmdRotateLevel); // the snapshot before the dialog: (2, 2) still unturned, at (2, 2)
    level.FillRect(0, 0, 9, 9, MakeBlock(Solid, 0, Sand));
    const CModalHandler resize([](QWidget* modal) {
        auto* dialog = qobject_cast<CLevelPropertiesDlg*>(modal);
        dialog->SetLevelSize(5, 5);
        dialog->SetName(QStringLiteral("small"));
        dialog->accept();
    });
    Run(CmdProperties);
    EXPECT_EQ(level.GetWidth(), 5);
    EXPECT_EQ(level.GetName(), "small");
    EXPECT_EQ(NonEmptyCells(level).size(), 25u);
    EXPECT_EQ(view.GetCellSize(), 80);
    EXPECT_EQ(UndoHead(), 1);
    Run(CmdEditUndo);
    EXPECT_EQ(NonEmptyCells(level), (CCellSet{{2, 2}}));

    // Confirmed unchanged, the dialog still marks the level modified.
    level.SetModified(false);
    const CModalHandler confirm([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
    Run(CmdProperties);
    EXPECT_EQ(level.GetWidth(), 10);
    EXPECT_TRUE(level.IsModified());
}

TEST_F(EditingCommands, RotateAndFlipTheWholeLevel)
{
    Open(10, 20, "", 0, 0);
    EXPECT_EQ(view.GetCellSize(), 20);
    Run(CmdRotateLevel);
    EXPECT_EQ(level.GetWidth(), 20);
    EXPECT_EQ(level.GetHeight(), 10);
    EXPECT_EQ(NonEmptyCells(level), (CCellSet{{19, 0}}));
    EXPECT_EQ(view.GetCellSize(), 20);
    EXPECT_TRUE(level.IsModified());
    Run(CmdFlipHorizontal);
    EXPECT_EQ(NonEmptyCells(level), (CCellSet{{0, 0}}));
    Run(CmdFlipVertical);
    EXPECT_EQ(NonEmptyCells(level), (CCellSet{{0, 9}}));
    EXPECT_EQ(UndoHead(), 3);
    Run(CmdEditUndo);
    Run(CmdEditUndo);
    Run(CmdEditUndo);
    EXPECT_EQ(level.GetWidth(), 10);
    EXPECT_EQ(NonEmptyCells(level), (CCellSet{{0, 0}}));
    EXPECT_EQ(view.GetCellSize(), 20);
}
