#include "edit/SessionFixture.h"

namespace {

using SessionCommands = EditingSession;

// A level told apart from others by its name.
CLevel Named(const char* name)
{
    CLevel level;
    level.SetName(name);
    return level;
}

// A level as just opened: that size, named, one wall.
CLevel Sized(int width, int height, const char* name, int wallX, int wallY)
{
    CLevel level;
    level.Init(width, height, name, "me");
    level.SetBlock(wallX, wallY, MakeBlock(Solid, 0, Wall));
    return level;
}

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

    // An empty history gives a new level.
    const CLevel blank = CUndoHistory().Undo();
    EXPECT_EQ(blank.WriteText(), CLevel().WriteText());
    EXPECT_FALSE(blank.IsModified());
}

TEST_F(SessionCommands, UndoPutsBackTheLevelAndItsSize)
{
    Open(Sized(20, 10, "opened", 3, 3));
    session.MakeFit();
    EXPECT_EQ(Level().GetWidth(), 1);
    EXPECT_EQ(session.GetCellSize(), 400);
    EXPECT_TRUE(Level().IsModified());
    EXPECT_EQ(UndoHead(), 1);
    session.Undo();
    EXPECT_EQ(Level().GetWidth(), 20);
    EXPECT_EQ(Level().GetName(), "opened");
    EXPECT_FALSE(Level().IsModified());
    EXPECT_EQ(session.GetCellSize(), 20);
    // Undo records nothing: the next one goes further back, to the blank level of the start.
    session.Undo();
    EXPECT_EQ(Level().GetWidth(), 10);
    EXPECT_EQ(session.GetCellSize(), 40);
    EXPECT_EQ(listener.Take(), (std::vector{CEditChange::LevelReplaced, CEditChange::LevelReplaced,
                                            CEditChange::LevelReplaced}));
    // Nothing to crop: the level stays as it is, nothing is reported, the snapshot is still recorded.
    const int head = UndoHead();
    session.MakeFit();
    EXPECT_EQ(Level().GetWidth(), 10);
    EXPECT_TRUE(listener.Take().empty());
    EXPECT_EQ(UndoHead(), (head + 1) % 5);
}

TEST_F(SessionCommands, BlockCommandsChangeOnlyTheCurrentBlock)
{
    auto run = [this](BlockCommand command, bool shift = false) {
        session.RunBlockCommand(command, shift);
        return Values(session.GetCurrentBlock());
    };
    EXPECT_EQ(run(BlockCommand::RotateBack)[3], 7);
    for (int i = 0; i < 7; ++i)
        run(BlockCommand::RotateBack);
    EXPECT_EQ(run(BlockCommand::RotateBack)[3], NoSlope);
    run(BlockCommand::RotateBack);
    run(BlockCommand::RotateFront);
    EXPECT_EQ(run(BlockCommand::SwapMaterials), (std::array{int(Solid), 0, int(Wall), 7, int(Grass), 7}));
    run(BlockCommand::SwapMaterials);
    EXPECT_EQ(run(BlockCommand::ResetFrontRotation), (std::array{int(Solid), 0, int(Grass), 7, int(Wall), NoSlope}));
    run(BlockCommand::RotateFront);
    EXPECT_EQ(run(BlockCommand::ResetBackRotation), (std::array{int(Solid), 0, int(Grass), NoSlope, int(Wall), 7}));
    run(BlockCommand::RotateBack);
    EXPECT_EQ(run(BlockCommand::ResetRotation), (std::array{int(Solid), 0, int(Grass), NoSlope, int(Wall), NoSlope}));
    run(BlockCommand::RotateFront);
    run(BlockCommand::RotateFront);
    EXPECT_EQ(run(BlockCommand::RotateBlock), (std::array{int(Solid), 1, int(Grass), NoSlope, int(Wall), 6}));
    // With Shift the slopes turn with the block.
    EXPECT_EQ(run(BlockCommand::RotateBlock, true), (std::array{int(Solid), 2, int(Grass), NoSlope, int(Wall), 4}));
    EXPECT_FALSE(Level().IsModified());
    EXPECT_EQ(UndoHead(), 0);
    EXPECT_EQ(listener.warnings, 0);
    for (const CEditChange& change : listener.changes)
        EXPECT_EQ(change.kind, CEditChange::CurrentBlockChanged);
}

TEST_F(SessionCommands, PropertiesAndRandomLevelReplaceTheLevelWithoutSnapshot)
{
    Open(Sized(10, 10, "", 2, 2));
    session.RotateLevel(); // the snapshot before the dialog: (2, 2) still unturned, at (2, 2)
    session.SetProperties(5, 5, "me", "small");
    EXPECT_EQ(Level().GetWidth(), 5);
    EXPECT_EQ(Level().GetName(), "small");
    EXPECT_EQ(session.GetCellSize(), 80);
    listener.Take();
    session.CreateRandomLevel();
    EXPECT_EQ(Level().GetWidth(), 50);
    EXPECT_EQ(session.GetCellSize(), 8);
    EXPECT_EQ(listener.Take(), std::vector{CEditChange::LevelReplaced});
    EXPECT_EQ(UndoHead(), 1);
    session.Undo();
    EXPECT_EQ(NonEmptyCells(Level()), (CCellSet{{2, 2}}));

    // Confirmed unchanged, the dialog still marks the level modified.
    Open(Level());
    session.SetProperties(10, 10, "me", "");
    EXPECT_TRUE(Level().IsModified());
}

TEST_F(SessionCommands, RotateFlipAndShiftTheWholeLevel)
{
    Open(Sized(10, 20, "", 0, 0));
    session.SetClientSize(805, 450);
    EXPECT_EQ(session.GetCellSize(), 20);
    session.RotateLevel();
    EXPECT_EQ(Level().GetWidth(), 20);
    EXPECT_EQ(Level().GetHeight(), 10);
    EXPECT_EQ(NonEmptyCells(Level()), (CCellSet{{19, 0}}));
    EXPECT_EQ(session.GetCellSize(), 40);
    EXPECT_TRUE(Level().IsModified());
    session.FlipHorizontal();
    EXPECT_EQ(NonEmptyCells(Level()), (CCellSet{{0, 0}}));
    session.FlipVertical();
    EXPECT_EQ(NonEmptyCells(Level()), (CCellSet{{0, 9}}));
    EXPECT_EQ(UndoHead(), 3);
    session.Undo();
    session.Undo();
    session.Undo();
    EXPECT_EQ(Level().GetWidth(), 10);
    EXPECT_EQ(NonEmptyCells(Level()), (CCellSet{{0, 0}}));
    EXPECT_EQ(session.GetCellSize(), 20);
    // What a shift does to the blocks is the level's (LevelEditsTest); the arrow keys' shift
    // reaches it as asked and records one snapshot a shift.
    const int head = UndoHead();
    session.ShiftLevel(2, 0);
    session.ShiftLevel(0, 1);
    EXPECT_EQ(NonEmptyCells(Level()), (CCellSet{{2, 1}}));
    EXPECT_EQ(UndoHead(), head + 2);
}

TEST_F(SessionCommands, TestModeKeepsTheMouseAndSomeCommandsOffTheLevel)
{
    Open(Sized(10, 10, "", 0, 0));
    session.SetTestMode(true);
    session.RotateLevel();
    session.FlipHorizontal();
    session.FlipVertical();
    session.CreateRandomLevel();
    // The release shoots; presses, moves and right clicks do nothing.
    EXPECT_EQ(session.LeftButtonDown({100, 100}, false).mouse, CInputReply::Mouse::Keep);
    EXPECT_EQ(session.MouseMove({120, 100}, true).cursor, CInputReply::Cursor::Keep);
    EXPECT_TRUE(session.LeftButtonUp({120, 100}, false).shoot);
    session.RightButtonUp({25, 70}, true, false);
    EXPECT_EQ(NonEmptyCells(Level()), (CCellSet{{0, 0}}));
    EXPECT_EQ(UndoHead(), 0);
    EXPECT_TRUE(listener.Take().empty());

    // Make fit, Properties, Undo and the arrow keys act, and warn first: the ball must stop.
    session.ShiftLevel(1, 0);
    session.MakeFit();
    session.Undo();
    session.SetProperties(12, 12, "", "");
    EXPECT_EQ(listener.warnings, 4);
    EXPECT_EQ(listener.Take(), (std::vector{CEditChange::CellsChanged, CEditChange::LevelReplaced,
                                            CEditChange::LevelReplaced, CEditChange::LevelReplaced}));
}
