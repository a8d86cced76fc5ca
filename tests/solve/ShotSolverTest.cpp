// The shot solver: par, exact solutions, and the same answer on any number of threads.
#include "solve/ShotSolver.h"

#include "SolveLevels.h"
#include "solve/ShotMap.h"
#include "solve/ShotPlayer.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

CSolveOptions Options(int headings, int maxShots, int jobs = 1, int mergeGrid = 16)
{
    CSolveOptions options;
    options.headings = headings;
    options.maxShots = maxShots;
    options.jobs = jobs;
    options.mergeGrid = mergeGrid;
    return options;
}

// Replays the solution as test mode would and checks it is the one reported, bit for bit.
void ExpectReplaysIntoTheCup(const CLevel& level, const CSolveResult& result)
{
    ASSERT_EQ(result.status, SolveFound);
    std::vector<CShot> shots;
    for (const CPlayedShot& played : result.shots)
        shots.push_back(played.shot);
    CShotPlayer player(level);
    const std::vector<CPlayedShot> replay = player.PlaySequence(shots, true);
    ASSERT_EQ(replay.size(), result.shots.size());
    for (std::size_t i = 0; i < replay.size(); ++i) {
        EXPECT_EQ(replay[i].result, i + 1 == replay.size() ? ShotCup : ShotRest);
        EXPECT_EQ(replay[i].steps, result.shots[i].steps);
        EXPECT_EQ(replay[i].end, result.shots[i].end);
        EXPECT_EQ(replay[i].path.size(), result.shots[i].path.size());
    }
}

} // namespace

TEST(ShotSolver, StraightShotIsParOne)
{
    CLevel level = MakeCourse(10, 5, 2.5, 2.5);
    SetCell(level, 7, 2, Hole);
    CShotSolver solver(level);
    const CSolveResult result = solver.Solve(Options(8, 3));
    ExpectReplaysIntoTheCup(level, result);
    ASSERT_EQ(result.shots.size(), 1u);
    // The first heading (0, straight at the cup) with the weakest strength that sinks it.
    EXPECT_EQ(result.shots[0].shot, (CShot{3, 0}));
    EXPECT_EQ(result.depthSearched, 0);
    EXPECT_EQ(result.shots[0].path.front().x, 2.5);
    EXPECT_NEAR(result.shots[0].path.back().x, 7.5, 0.5);
    EXPECT_EQ(result.shotsPlayed, 2);
    EXPECT_EQ(solver.GetProgress().depth, 1);
}

TEST(ShotSolver, WallInTheWayNeedsMoreShots)
{
    const CLevel level = MakeBankLevel();
    // No single shot of the eight headings reaches the cup.
    CShotMap map;
    ASSERT_TRUE(map.Make(level, 8, 1));
    EXPECT_TRUE(map.GetCupShots().empty());

    // Merged or not, aimed or in the plain order.
    for (const auto& [mergeGrid, aim] : {std::pair{16, true}, {0, true}, {0, false}}) {
        CSolveOptions options = Options(8, 3, 1, mergeGrid);
        options.aim = aim;
        CShotSolver solver(level);
        const CSolveResult result = solver.Solve(options);
        ExpectReplaysIntoTheCup(level, result);
        EXPECT_EQ(result.shots.size(), 2u) << mergeGrid << aim;
        EXPECT_EQ(result.depthSearched, 1);
    }
    // A limit below par finds nothing.
    CShotSolver solver(level);
    EXPECT_EQ(solver.Solve(Options(8, 1)).status, SolveNone);
}

TEST(ShotSolver, CupOutOfReachHasNoPar)
{
    // The cup in a ring of wall; a level without cup ground is settled without a shot.
    CLevel walled = MakeCourse(7, 5, 1.5, 2.5);
    walled.DrawFrame(3, 1, 5, 3, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    SetCell(walled, 4, 2, Hole);
    CShotSolver solver(walled);
    const CSolveResult result = solver.Solve(Options(4, 2));
    EXPECT_EQ(result.status, SolveNone);
    EXPECT_TRUE(result.shots.empty());
    EXPECT_EQ(result.depthSearched, 2);
    EXPECT_GT(result.shotsPlayed, 4);

    CShotSolver noCup(MakeCourse(7, 5, 1.5, 2.5));
    const CSolveResult none = noCup.Solve(Options(720, 6));
    EXPECT_EQ(none.status, SolveNone);
    EXPECT_EQ(none.shotsPlayed, 0);
}

TEST(SolverThreads, SameSolutionForAnyNumberOfThreads)
{
    const CLevel level = MakeBankLevel();
    CShotSolver single(level);
    const CSolveResult expected = single.Solve(Options(16, 3, 1));
    ASSERT_EQ(expected.status, SolveFound);
    for (const int jobs : {2, 3}) {
        CShotSolver solver(level);
        const CSolveResult result = solver.Solve(Options(16, 3, jobs));
        ASSERT_EQ(result.status, SolveFound) << jobs;
        ASSERT_EQ(result.shots.size(), expected.shots.size()) << jobs;
        for (std::size_t i = 0; i < result.shots.size(); ++i) {
            EXPECT_EQ(result.shots[i].shot, expected.shots[i].shot) << jobs;
            EXPECT_EQ(result.shots[i].end, expected.shots[i].end) << jobs;
        }
    }
}

TEST(SolverThreads, CancelAndTimeLimitEndTheSearch)
{
    const CLevel level = MakeBankLevel();
    std::atomic<bool> cancel = true;
    CShotSolver cancelled(level);
    EXPECT_EQ(cancelled.Solve(Options(720, 6, 2), &cancel).status, SolveCancelled);

    CSolveOptions options = Options(720, 6, 2, 0);
    options.timeLimit = 1e-9;
    CShotSolver timed(level);
    const CSolveResult result = timed.Solve(options);
    EXPECT_EQ(result.status, SolveTimedOut);
    EXPECT_TRUE(result.shots.empty());
    EXPECT_EQ(timed.GetProgress().depth, 1);
}
