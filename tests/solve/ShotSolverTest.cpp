// The shot solver: par, exact solutions, its endings, and the same answer on any number of threads.
#include "solve/ShotSolver.h"

#include "SolveLevels.h"
#include "solve/CupReach.h"
#include "solve/ShotPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

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
    ASSERT_FALSE(result.shots.empty());
    ASSERT_EQ(result.forgiveness.size(), result.shots.size());
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

TEST(ShotSolver, ParOfAStraightShotAndOfABankShot)
{
    CLevel straight = MakeCourse(10, 5, 2.5, 2.5);
    SetCell(straight, 7, 2, Hole);
    CSolveResult result = CShotSolver(straight).Solve(Options(8, 3));
    EXPECT_EQ(result.ending, SolvePar);
    ExpectReplaysIntoTheCup(straight, result);
    // The first heading (0, straight at the cup) with the weakest strength that sinks it, found
    // after the one weaker shot, with nothing to rule out.
    ASSERT_EQ(result.shots.size(), 1u);
    EXPECT_EQ(result.shots[0].shot, (CShot{3, 0}));
    EXPECT_EQ(result.depthProved, 0);
    EXPECT_EQ(result.shotsPlayed, 2);

    // A wall in the way: merged or not, aimed or in the plain order, two shots, none of one.
    const CLevel bank = MakeBankLevel();
    for (const auto& [mergeGrid, aim] : {std::pair{16, true}, {0, true}, {0, false}}) {
        CSolveOptions options = Options(8, 3, 1, mergeGrid);
        options.aim = aim;
        result = CShotSolver(bank).Solve(options);
        EXPECT_EQ(result.ending, SolvePar);
        ExpectReplaysIntoTheCup(bank, result);
        EXPECT_EQ(result.shots.size(), 2u) << mergeGrid << aim;
        EXPECT_EQ(result.depthProved, 1);
    }
}

// Each of the five endings says what the search knows, and no more.
TEST(SolverEndings, EachEndingSaysWhatTheSearchKnows)
{
    // The cup in a ring of wall that no ball on this small course is fast enough to pass, and a
    // level without cup ground: answered without a shot.
    CLevel ring = MakeCourse(7, 5, 1.5, 2.5);
    ring.DrawFrame(3, 1, 5, 3, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    SetCell(ring, 4, 2, Hole);
    CShotSolver walled(ring);
    CSolveResult result = walled.Solve(Options(720, 6));
    EXPECT_EQ(result.ending, SolveUnreachable);
    EXPECT_FALSE(result.noCup);
    EXPECT_EQ(result.shotsPlayed, 0);
    CShotSolver noCup(MakeCourse(7, 5, 1.5, 2.5));
    result = noCup.Solve(Options(720, 6));
    EXPECT_EQ(result.ending, SolveUnreachable);
    EXPECT_TRUE(result.noCup);
    EXPECT_EQ(result.shotsPlayed, 0);
    // A ring of water is left to the search, which runs its course without a solution; so is a
    // ring of wall on a course wide enough for shots that pass walls, and one that a slanted wall
    // touches.
    CLevel pond = ring;
    pond.DrawFrame(3, 1, 5, 3, Solid, 0, Water, NoSlope, Water, NoSlope);
    EXPECT_EQ(CCupReach::Judge(pond), CCupReach::Reachable);
    CShotSolver water(pond);
    EXPECT_EQ(water.Solve(Options(8, 2)).ending, SolveNoneWithin);
    CLevel wide = MakeCourse(40, 5, 1.5, 2.5);
    wide.DrawFrame(20, 1, 22, 3, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    SetCell(wide, 21, 2, Hole);
    EXPECT_EQ(CCupReach::Judge(wide), CCupReach::Reachable);
    ring.SetBlock(2, 1, Triangle, 0, Grass, NoSlope, Wall, NoSlope);
    EXPECT_EQ(CCupReach::Judge(ring), CCupReach::Reachable);

    // Stopped before a solution: by the cancel flag before the first shot, by the time limit.
    const CLevel bank = MakeBankLevel();
    std::atomic<bool> cancel = true;
    CShotSolver cancelled(bank);
    result = cancelled.Solve(Options(720, 6, 2), &cancel);
    EXPECT_EQ(result.ending, SolveNoneFound);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.depthProved, 0);
    CSolveOptions options = Options(720, 6, 2, 0);
    options.timeLimit = 1e-9;
    CShotSolver timed(bank);
    result = timed.Solve(options);
    EXPECT_EQ(result.ending, SolveNoneFound);
    EXPECT_FALSE(result.cancelled);
    EXPECT_TRUE(result.shots.empty());

    // Stopped once a first solution is known, long before the proof that no shorter one exists
    // could end: the solution is kept, with what was ruled out by then.
    const CLevel winding = MakeWindingLevel();
    CShotSolver solver(winding);
    cancel = false;
    std::thread watcher([&] {
        while (solver.GetProgress().best == 0)
            std::this_thread::yield();
        cancel = true;
    });
    // Sixty headings and every distinct position kept: the proof has far more to shoot from.
    result = solver.Solve(Options(60, 6, 2, 0), &cancel);
    watcher.join();
    EXPECT_EQ(result.ending, SolveAtMost);
    EXPECT_TRUE(result.cancelled);
    EXPECT_GT(result.shots.size(), static_cast<std::size_t>(result.depthProved) + 1);
    ExpectReplaysIntoTheCup(winding, result);
    EXPECT_EQ(solver.GetBest().shots.size(), result.shots.size());
}

TEST(SolverThreads, SameSolutionForAnyNumberOfThreads)
{
    // A solution of three shots from the look ahead, then the proof that none has two.
    const CLevel level = MakeWindingLevel();
    CShotSolver single(level);
    const CSolveResult expected = single.Solve(Options(8, 4, 1, 2));
    ASSERT_EQ(expected.ending, SolvePar);
    ASSERT_EQ(expected.shots.size(), 3u);
    CShotSolver solver(level);
    const CSolveResult result = solver.Solve(Options(8, 4, 2, 2));
    ASSERT_EQ(result.ending, SolvePar);
    ASSERT_EQ(result.shots.size(), expected.shots.size());
    for (std::size_t i = 0; i < result.shots.size(); ++i) {
        EXPECT_EQ(result.shots[i].shot, expected.shots[i].shot);
        EXPECT_EQ(result.shots[i].end, expected.shots[i].end);
    }
}

// A shot whose ball lies on wall ground after some step is marked; without such shots a cup
// behind a wall from border to border cannot be reached.
TEST(ShotSolver, ShotsThroughAWallAreMarkedAndCanBeLeftOut)
{
    CLevel level = MakeCourse(40, 5, 2.5, 1.5);
    level.FillRect(20, 1, 20, 3, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    SetCell(level, 30, 1, Hole);
    CShotPlayer player(level);
    const auto onWall = [&](const CPlayedShot& played) {
        return std::any_of(played.path.begin(), played.path.end(),
                           [&](const CPathPoint& point) { return level.GetKindAt(point.x, point.y) == Wall; });
    };
    const CPlayedShot bounced = player.Play(CShotPlayer::StartState(level), {30, 0}, true);
    EXPECT_FALSE(bounced.throughWall);
    EXPECT_FALSE(onWall(bounced));

    CShotSolver solver(level);
    const CSolveResult result = solver.Solve(Options(8, 1));
    ASSERT_EQ(result.ending, SolvePar);
    EXPECT_TRUE(result.shots[0].throughWall);
    EXPECT_TRUE(onWall(result.shots[0]));
    CSolveOptions options = Options(8, 1);
    options.noTunnel = true;
    CShotSolver careful(level);
    EXPECT_EQ(careful.Solve(options).ending, SolveNoneWithin);
}
