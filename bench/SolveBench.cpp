// The shot solver: how many shots a second the search plays, on one thread and on two, on an open
// course and on a walled random course, and whole searches of the sample level.
#include "model/Level.h"
#include "random/RandomLevelGenerator.h"
#include "solve/ShotMap.h"
#include "solve/ShotPlayer.h"
#include "solve/ShotSet.h"
#include "solve/ShotSolver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Every first shot of the shot map, from the ball start: the work of one layer of the search.
constexpr int kHeadings = 72;

// 40 x 40 grass inside a wall border, the ball in the middle: shots roll mostly in the open.
CLevel MakeOpenCourse()
{
    CLevel level;
    level.Init(40, 40, "open", "bench");
    level.DrawFrame(0, 0, 39, 39, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    level.SetBall(20.5, 20.5);
    return level;
}

// The course of 'quorvale-level random --seed 1' (bites from RBites beside the binary): narrow
// walled lanes, where many steps touch a wall.
CLevel MakeWalledCourse()
{
    std::srand(1);
    CRandomLevelGenerator generator;
    generator.Generate();
    return generator.GetLevel();
}

void RunFirstShots(benchmark::State& state, const CLevel& level)
{
    const int jobs = static_cast<int>(state.range(0));
    std::size_t shots = 0;
    for (auto _ : state) {
        CShotMap map;
        map.Make(level, kHeadings, jobs);
        shots = map.GetShots().size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * shots));
    state.counters["shots"] = static_cast<double>(shots);
}

// The same shots in every version of the solver: kHeadings headings, each with every strength
// 3 k up to the strongest any heading gives from the start (the first shots as the solver tried
// them before it kept to the strengths of each heading), one thread. Shots a second on this set
// compare the ball's speed across versions whatever the shot set.
void RunFixedShots(benchmark::State& state, const CLevel& level)
{
    const CBallState start = CShotPlayer::StartState(level);
    double farthest = 0.0;
    for (const int col : {0, level.GetWidth() - 1}) {
        for (const int row : {0, level.GetHeight() - 1})
            farthest = std::max(farthest, std::trunc(std::hypot(col - start.x, row - start.y)));
    }
    const CShotSet headings(kHeadings);
    std::size_t shots = 0;
    for (auto _ : state) {
        CShotPlayer player(level);
        shots = 0;
        for (int heading = 0; heading < kHeadings; ++heading) {
            for (int k = 0; k <= static_cast<int>(farthest); ++k, ++shots)
                benchmark::DoNotOptimize(player.Play(start, {3.0 * k, headings.GetHeading(heading)}));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * shots));
    state.counters["shots"] = static_cast<double>(shots);
}

void RunSolve(benchmark::State& state, const CLevel& level, int jobs, int mergeGrid)
{
    CSolveOptions options;
    options.jobs = jobs;
    options.mergeGrid = mergeGrid;
    CSolveResult result;
    for (auto _ : state) {
        CShotSolver solver(level);
        result = solver.Solve(options);
    }
    state.counters["par"] = result.ending == SolvePar ? static_cast<double>(result.shots.size()) : 0.0;
    state.counters["shots"] = static_cast<double>(result.shotsPlayed);
}

CLevel LoadSample()
{
    CLevel level;
    level.LoadFromFile("Levels/first-steps.lev");
    return level;
}

} // namespace

static void BM_FirstShotsOpen(benchmark::State& state) { RunFirstShots(state, MakeOpenCourse()); }
BENCHMARK(BM_FirstShotsOpen)->Arg(1)->Arg(2)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

static void BM_FirstShotsWalled(benchmark::State& state) { RunFirstShots(state, MakeWalledCourse()); }
BENCHMARK(BM_FirstShotsWalled)->Arg(1)->Arg(2)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

static void BM_FixedShotsWalled(benchmark::State& state) { RunFixedShots(state, MakeWalledCourse()); }
BENCHMARK(BM_FixedShotsWalled)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// The sample level at the default options on two threads, and the plain search: one thread, every
// distinct ball state kept.
static void BM_SolveSample(benchmark::State& state) { RunSolve(state, LoadSample(), 2, 16); }
BENCHMARK(BM_SolveSample)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// The sample level (0) and the courses of 'random --seed N' (1 to 10) at the default options on
// two threads with a time limit of 30 s: when the first solution came, when the search ended,
// and its answer (the par when proved, 0 otherwise).
static void BM_SolveShipped(benchmark::State& state)
{
    const int seed = static_cast<int>(state.range(0));
    CLevel level;
    if (seed == 0) {
        level = LoadSample();
    } else {
        std::srand(static_cast<unsigned>(seed));
        CRandomLevelGenerator generator;
        generator.Generate();
        level = generator.GetLevel();
    }
    CSolveOptions options;
    options.jobs = 2;
    options.timeLimit = 30;
    CSolveResult result;
    for (auto _ : state) {
        CShotSolver solver(level);
        result = solver.Solve(options);
    }
    state.counters["par"] = result.ending == SolvePar ? static_cast<double>(result.shots.size()) : 0.0;
    state.counters["found"] = static_cast<double>(result.shots.size());
    state.counters["first_s"] = result.firstSeconds;
    state.counters["end_s"] = result.seconds;
}
BENCHMARK(BM_SolveShipped)->DenseRange(0, 10)->Iterations(1)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

static void BM_SolveSamplePlain(benchmark::State& state) { RunSolve(state, LoadSample(), 1, 0); }
BENCHMARK(BM_SolveSamplePlain)->UseRealTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
