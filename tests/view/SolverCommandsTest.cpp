// Find par, Play solution and Shot map in the editor window, through their actions and keys.
#include "app/CommandTable.h"
#include "render/Colour.h"
#include "solve/ShotSolver.h"
#include "solve/SolveLevels.h"
#include "view/LevelTask.h"
#include "common/EditorWindow.h"

#include <QAction>

namespace {

constexpr Colour kPathColour = MakeRgb(255, 150, 0);
constexpr Colour kRestDotColour = MakeRgb(245, 245, 245);
constexpr Colour kCupDotColour = MakeRgb(255, 230, 0);

// The window on a small walled course, the solver's commands taking the headings given.
struct SolverCommands : EditorWindow {
    void Load(const CLevel& course, int headings, int maxShots = 3)
    {
        Put(course);
        CSolveOptions options;
        options.headings = headings;
        options.maxShots = maxShots;
        view.GetSolveTools().SetOptions(options);
    }
    // An edit: a wall plotted at the cell, the back material chosen on its palette item first.
    void PlotWall(int x, int y)
    {
        const CRect wall = session.GetPalettes().GetMaterials()[Wall].GetRect();
        Click({(wall.left + wall.right) / 2, (wall.top + wall.bottom) / 2});
        Click(CellCentre(x, y));
    }
    QString Status() const { return frame->GetIdleMessage(); }
    bool WaitForSearchEnd() { return WaitFor([&] { return !view.GetSolveTools().IsSearching(); }); }
};

// The cup three cells right of the ball, on its row: par 1.
CLevel MakeStraightLevel()
{
    CLevel level = MakeCourse(10, 5, 2.5, 2.5);
    SetCell(level, 7, 2, Hole);
    return level;
}

// Outside test mode, so that the search runs for long: a cup in a ring of wall on a wide course.
CLevel MakeUnreachableLevel()
{
    CLevel level = MakeCourse(30, 20, 2.5, 2.5);
    level.DrawFrame(20, 10, 22, 12, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    SetCell(level, 21, 11, Hole);
    return level;
}

using SolverCommandsThread = SolverCommands;

} // namespace

TEST(LevelTask, TheSameLevelHasEveryValueOfEveryBlockAndTheBallStart)
{
    CLevel level = MakeStraightLevel();
    level.SetBlock(1, 1, MakeBlock(Triangle, 0, Grass, NoSlope, Grass));
    CLevelTask task;
    ASSERT_TRUE(task.Start(level, [](const CLevel&, const std::atomic<bool>&) {}));
    EXPECT_TRUE(task.IsFor(level));
    // The uniform grass triangle painted grass on water: equal blocks, but not the same level.
    CLevel painted = level;
    painted.SetBlock(1, 1, MakeBlock(Triangle, 0, Grass, NoSlope, Water));
    EXPECT_FALSE(task.IsFor(painted));
    CLevel moved = level;
    moved.SetBall(level.GetBallX(), level.GetBallY() + 1.0);
    EXPECT_FALSE(task.IsFor(moved));
}

TEST_F(SolverCommands, ShotMapAndFindParShowUntilTheNextEdit)
{
    Load(MakeStraightLevel(), 8);
    // The shot map: eight headings, each with the strengths the mouse gives along it (45 shots),
    // each first shot's path and where it ends.
    Key(Qt::Key_F8, Qt::NoModifier);
    EXPECT_TRUE(Checked(CmdShotMap));
    EXPECT_EQ(Status(), "Mapping every first shot");
    ASSERT_TRUE(WaitForSearchEnd());
    EXPECT_TRUE(Status().startsWith("Shot map: ")) << Status().toStdString();
    EXPECT_TRUE(Status().endsWith(" of 45 first shots end in the cup")) << Status().toStdString();
    EXPECT_GT(CountPixels(kRestDotColour), 0);
    EXPECT_GT(CountPixels(kCupDotColour), 0);
    EXPECT_GT(CountPixels(kPathColour), 0);
    Key(Qt::Key_F8, Qt::NoModifier);
    EXPECT_FALSE(Checked(CmdShotMap));
    EXPECT_EQ(Status(), "Ready");
    EXPECT_EQ(CountPixels(kRestDotColour), 0);
    EXPECT_EQ(CountPixels(kPathColour), 0);

    EXPECT_FALSE(Enabled(CmdPlaySolution));
    EXPECT_FALSE(Enabled(CmdStopSearch));
    Run(CmdFindPar);
    // The result comes through the event loop: until then the search runs.
    EXPECT_FALSE(Enabled(CmdFindPar));
    EXPECT_TRUE(Enabled(CmdStopSearch));
    ASSERT_TRUE(WaitForSearchEnd());
    EXPECT_TRUE(Status().startsWith("Par 1, found in ")) << Status().toStdString();
    EXPECT_TRUE(Enabled(CmdFindPar));
    EXPECT_TRUE(Enabled(CmdPlaySolution));
    EXPECT_FALSE(Enabled(CmdStopSearch));
    // The path from the ball to the cup.
    const int path = CountPixels(kPathColour);
    EXPECT_GT(path, 4 * frame->GetView().GetCellSize());

    // Neither a repaint nor the grid is an edit.
    for (int turn = 0; turn < 2; ++turn) {
        Key(Qt::Key_G);
        EXPECT_EQ(CountPixels(kPathColour), path);
        EXPECT_TRUE(Enabled(CmdPlaySolution));
    }

    // A wall plotted away from the path, the map shown: both were for the level before.
    Run(CmdShotMap);
    ASSERT_TRUE(WaitForSearchEnd());
    PlotWall(1, 1);
    EXPECT_EQ(Status(), "Ready");
    EXPECT_FALSE(Enabled(CmdPlaySolution));
    EXPECT_FALSE(Checked(CmdShotMap));
    EXPECT_EQ(CountPixels(kRestDotColour), 0);
    EXPECT_EQ(CountPixels(kPathColour), 0);
    // Undo brings that level back, not what was found for it.
    Key(Qt::Key_Z);
    EXPECT_EQ(CountPixels(kPathColour), 0);
    // A new ball start drops what was found for the old one.
    Run(CmdFindPar);
    ASSERT_TRUE(WaitForSearchEnd());
    ASSERT_TRUE(Enabled(CmdPlaySolution));
    session.SetTool(ToolSetBall);
    Click(CellCentre(2, 1));
    EXPECT_TRUE(WaitFor([&] { return !Enabled(CmdPlaySolution); }));
    EXPECT_EQ(CountPixels(kPathColour), 0);

    // A cup in a ring of wall has no par.
    CLevel walled = MakeCourse(7, 5, 1.5, 2.5);
    walled.DrawFrame(3, 1, 5, 3, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    SetCell(walled, 4, 2, Hole);
    Load(walled, 4, 2);
    Key(Qt::Key_F5, Qt::NoModifier);
    ASSERT_TRUE(WaitForSearchEnd());
    EXPECT_EQ(Status(), "No par within 2 shots");
    EXPECT_FALSE(Enabled(CmdPlaySolution));
}

TEST_F(SolverCommandsThread, PlaySolutionSinksTheBallShotByShot)
{
    // Eight headings need a bank shot first.
    Load(MakeBankLevel(), 8);
    Run(CmdFindPar);
    ASSERT_TRUE(WaitForSearchEnd());
    ASSERT_TRUE(Status().startsWith("Par 2, ")) << Status().toStdString();
    const std::vector<CPlayedShot> solution = view.GetSolveTools().GetSolution();

    // A ball that rolled before keeps its rest count; the solution starts from that of a new one.
    Key(Qt::Key_T);
    Key(Qt::Key_7);
    ASSERT_TRUE(WaitFor([&] {
        Click(CellCentre(3, 4));
        return BallMoving();
    }));
    ASSERT_TRUE(WaitFor([&] { return !BallMoving(); }));
    ASSERT_NE(testMode.GetBall().GetSlowSteps(), 0);

    Key(Qt::Key_F7, Qt::NoModifier);
    EXPECT_TRUE(testMode.IsOn());
    EXPECT_FALSE(Enabled(CmdPlaySolution));
    // The first shot's end, where the ball lies still before the second.
    ASSERT_TRUE(WaitFor([&] {
        return Status() == "Playing the solution: shot 1 of 2" && !BallMoving() &&
               testMode.GetBall().GetX() == solution[0].end.x && testMode.GetBall().GetY() == solution[0].end.y;
    })) << Status().toStdString();
    ASSERT_TRUE(WaitFor([&] { return Status() == "Playing the solution: shot 2 of 2"; }));
    ASSERT_TRUE(WaitFor([&] { return !testMode.IsOn(); }));
    EXPECT_TRUE(testMode.GetBall().IsInCup());
    ASSERT_TRUE(WaitFor([&] { return Enabled(CmdPlaySolution); }));
    EXPECT_TRUE(Status().startsWith("Par 2, "));

    // Stopping the ball leaves the solution's way: playing ends, test mode stays.
    Key(Qt::Key_0);
    Run(CmdPlaySolution);
    ASSERT_TRUE(WaitFor([&] { return BallMoving(); }));
    Key(Qt::Key_Space, Qt::NoModifier);
    ASSERT_TRUE(WaitFor([&] { return Enabled(CmdPlaySolution); }));
    EXPECT_TRUE(testMode.IsOn());
    EXPECT_TRUE(Status().startsWith("Par 2, "));
}

TEST_F(SolverCommandsThread, EscapeOrAnEditCancelsARunningSearch)
{
    Load(MakeUnreachableLevel(), CShotSet::kDefaultHeadings, 6);
    auto searching = [&] { return Status().startsWith("Finding par: ") && !Status().endsWith(" 0 shots played"); };
    Run(CmdFindPar);
    ASSERT_TRUE(WaitFor(searching)) << Status().toStdString();
    Key(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(view.GetSolveTools().IsSearching());
    EXPECT_EQ(Status(), "Par search stopped");
    EXPECT_TRUE(Enabled(CmdFindPar));
    EXPECT_FALSE(Enabled(CmdStopSearch));

    // An edit while the search runs: nothing of it comes back.
    Run(CmdFindPar);
    ASSERT_TRUE(WaitFor(searching));
    PlotWall(1, 1);
    EXPECT_FALSE(view.GetSolveTools().IsSearching());
    EXPECT_EQ(Status(), "Ready");
    // A new search right away, while the cancelled one may still wind down.
    Run(CmdFindPar);
    ASSERT_TRUE(WaitFor(searching));
    QTest::qWait(200);
    EXPECT_TRUE(searching());

    // Escape also stops the mapping; closing the window stops the search and joins its threads.
    Run(CmdShotMap);
    Key(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(Checked(CmdShotMap));
    EXPECT_FALSE(view.GetSolveTools().IsSearching());
    Run(CmdFindPar);
    ASSERT_TRUE(WaitFor(searching));
    // Without the question to save the walls plotted.
    session.SetModified(false);
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(view.GetSolveTools().IsSearching());
    frame.reset();
}
