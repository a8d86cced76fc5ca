// Find par, Play solution and Shot map in the editor window, through their actions and keys.
#include "app/CommandTable.h"
#include "render/Colour.h"
#include "solve/ShotSolver.h"
#include "solve/SolveLevels.h"
#include "view/LevelTask.h"
#include "view/ParSearch.h"
#include "common/EditorWindow.h"

#include <QAction>
#include <QRegularExpression>

namespace {

constexpr Colour kPathColour = MakeRgb(255, 150, 0);
constexpr Colour kRestDotColour = MakeRgb(245, 245, 245);

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
    std::string Status() const { return frame->GetIdleMessage().toStdString(); }
    bool StatusStartsWith(const char* start) const { return frame->GetIdleMessage().startsWith(QString::fromUtf8(start)); }
    bool WaitForSearchEnd() { return WaitFor([&] { return !view.GetSolveTools().IsSearching(); }); }
    // For a search under the sanitizers, many times slower: up to a minute.
    bool WaitForStatus(const char* start)
    {
        for (int i = 0; i < 12 && !StatusStartsWith(start); ++i)
            WaitFor([&] { return StatusStartsWith(start); });
        return StatusStartsWith(start);
    }
};

// The cup three cells right of the ball, on its row: par 1.
CLevel MakeStraightLevel()
{
    CLevel level = MakeCourse(10, 5, 2.5, 2.5);
    SetCell(level, 7, 2, Hole);
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

TEST(ParStatus, SaysWhatTheSearchHasFoundAndRuledOut)
{
    const auto progress = [](int best, int depthProved, double seconds) {
        CSolveProgress p;
        p.best = best;
        p.depthProved = depthProved;
        p.seconds = seconds;
        return CParSearch::DescribeProgress(p, 6).toStdString();
    };
    EXPECT_EQ(progress(0, 1, 12.7), "Finding par within 6 shots: none of 1 shot or fewer… 12 s");
    EXPECT_EQ(progress(4, 2, 12.7), "Par at most 4, proving… 12 s");
    EXPECT_EQ(CParSearch::DescribeProgress(CSolveProgress{}, 1).toStdString(), "Finding par within 1 shot… 0 s");

    const auto ending = [](int how, int shots, int depthProved, bool noCup = false) {
        CSolveResult result;
        result.ending = how;
        result.shots.resize(shots);
        result.depthProved = depthProved;
        result.noCup = noCup;
        result.seconds = 12.34;
        return CParSearch::DescribeEnding(result, 6).toStdString();
    };
    EXPECT_EQ(ending(SolvePar, 4, 3), "Par 4, found in 12.3 s");
    EXPECT_EQ(ending(SolveAtMost, 4, 2), "Par at most 4, none of 2 shots or fewer (stopped after 12.3 s)");
    EXPECT_EQ(ending(SolveAtMost, 4, 0), "Par at most 4 (stopped after 12.3 s)");
    EXPECT_EQ(ending(SolveNoneWithin, 0, 6), "No par within 6 shots");
    EXPECT_EQ(ending(SolveUnreachable, 0, 0), "The cup cannot be reached");
    EXPECT_EQ(ending(SolveUnreachable, 0, 0, true), "This level has no cup");
    EXPECT_EQ(ending(SolveNoneFound, 0, 2), "No par found, none of 2 shots or fewer (stopped after 12.3 s)");
    EXPECT_EQ(ending(SolveNoneFound, 0, 0), "No par found (stopped after 12.3 s)");
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
    EXPECT_TRUE(StatusStartsWith("Shot map: ")) << Status();
    EXPECT_TRUE(frame->GetIdleMessage().endsWith(" of 45 first shots end in the cup")) << Status();
    Key(Qt::Key_F8, Qt::NoModifier);
    EXPECT_FALSE(Checked(CmdShotMap));
    EXPECT_EQ(Status(), "Ready");

    EXPECT_FALSE(Enabled(CmdPlaySolution));
    EXPECT_FALSE(Enabled(CmdStopSearch));
    Run(CmdFindPar);
    // The result comes through the event loop: until then the search runs.
    EXPECT_FALSE(Enabled(CmdFindPar));
    EXPECT_TRUE(Enabled(CmdStopSearch));
    ASSERT_TRUE(WaitForSearchEnd());
    EXPECT_TRUE(StatusStartsWith("Par 1, found in ")) << Status();
    EXPECT_TRUE(Enabled(CmdPlaySolution));
    // The path from the ball to the cup, two pixels wide along the row.
    const int path = CountPixels(kPathColour);
    const CRect area = view.GetGeometry().GetLevelArea();
    const int x = CellCentre(5, 2).x();
    EXPECT_EQ(CountPixels(kPathColour, CRect{x, area.top, x + 1, area.bottom}), 2);

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
    // Undo brings that level back, not what was found for it.
    Key(Qt::Key_Z);
    EXPECT_EQ(CountPixels(kPathColour), 0);
}

TEST_F(SolverCommandsThread, PlaySolutionPlaysTheSolutionShownShotByShot)
{
    // Eight headings need a bank shot first.
    Load(MakeBankLevel(), 8);
    Run(CmdFindPar);
    ASSERT_TRUE(WaitForSearchEnd());
    ASSERT_TRUE(StatusStartsWith("Par 2, ")) << Status();
    // A new ball start drops the paths and the map of the old one.
    Run(CmdShotMap);
    ASSERT_TRUE(WaitForSearchEnd());
    session.SetTool(ToolSetBall);
    Click(CellCentre(1, 4));
    EXPECT_FALSE(Enabled(CmdPlaySolution));
    EXPECT_FALSE(Checked(CmdShotMap));
    Run(CmdFindPar);
    ASSERT_TRUE(WaitForSearchEnd());
    ASSERT_TRUE(StatusStartsWith("Par 2, ")) << Status();
    const CSolution solution = view.GetSolveTools().GetSolution();
    ASSERT_EQ(solution.forgiveness.size(), 2u);
    EXPECT_EQ(solution.shots[0].path.front().x, level.GetBallX());
    EXPECT_EQ(solution.shots[0].path.front().y, level.GetBallY());

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
    EXPECT_FALSE(Enabled(CmdPlaySolution));
    // The first shot's end, where the ball lies still before the second; each shot's
    // forgiveness beside its number.
    const auto playing = [&](int shot) {
        return "Playing the solution: shot " + std::to_string(shot) + " of 2, forgiveness " +
               std::to_string(solution.forgiveness[shot - 1]) + "%";
    };
    ASSERT_TRUE(WaitFor([&] {
        return Status() == playing(1) && !BallMoving() && testMode.GetBall().GetX() == solution.shots[0].end.x &&
               testMode.GetBall().GetY() == solution.shots[0].end.y;
    })) << Status();
    ASSERT_TRUE(WaitFor([&] { return Status() == playing(2); })) << Status();
    ASSERT_TRUE(WaitFor([&] { return !testMode.IsOn(); }));
    ASSERT_TRUE(WaitFor([&] { return Enabled(CmdPlaySolution); }));

    // Stopping the ball leaves the solution's way: playing ends, test mode stays.
    Key(Qt::Key_0);
    Run(CmdPlaySolution);
    ASSERT_TRUE(WaitFor([&] { return BallMoving(); }));
    Key(Qt::Key_Space, Qt::NoModifier);
    ASSERT_TRUE(WaitFor([&] { return Enabled(CmdPlaySolution); }));
    EXPECT_TRUE(testMode.IsOn());
    EXPECT_TRUE(StatusStartsWith("Par 2, "));
}

TEST_F(SolverCommandsThread, EscapeKeepsTheBestFoundAnEditDropsIt)
{
    Load(MakeWindingLevel(), 72, 6);
    Run(CmdFindPar);
    EXPECT_EQ(Status(), "Finding par within 6 shots… 0 s");
    // The first solution is shown while the search goes on to prove it.
    ASSERT_TRUE(WaitForStatus("Par at most 3, proving… ")) << Status();
    EXPECT_GT(CountPixels(kPathColour), 0);
    EXPECT_TRUE(Enabled(CmdPlaySolution));
    Key(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_TRUE(QRegularExpression("^Par at most 3(, none of 1 shot or fewer)? \\(stopped after \\d+\\.\\d s\\)$")
                    .match(frame->GetIdleMessage())
                    .hasMatch())
        << Status();
    EXPECT_GT(CountPixels(kPathColour), 0);
    EXPECT_TRUE(Enabled(CmdPlaySolution));
    EXPECT_TRUE(Enabled(CmdFindPar));
    EXPECT_FALSE(Enabled(CmdStopSearch));

    // An edit while the search runs: nothing of it comes back.
    Run(CmdFindPar);
    PlotWall(1, 5);
    EXPECT_EQ(Status(), "Par search stopped by an edit");
    EXPECT_EQ(CountPixels(kPathColour), 0);
    // A new search right away, while the cancelled one may still wind down.
    Run(CmdFindPar);
    QTest::qWait(200);
    EXPECT_TRUE(view.GetSolveTools().IsSearching());

    // Escape also stops the mapping; closing the window stops the search and joins its threads.
    Run(CmdShotMap);
    Key(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(Checked(CmdShotMap));
    EXPECT_FALSE(view.GetSolveTools().IsSearching());
    Run(CmdFindPar);
    // Without the question to save the walls plotted.
    session.SetModified(false);
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(view.GetSolveTools().IsSearching());
    frame.reset();
}
