// The shot solver: how many shots a second the search plays, on one thread and on two, on an open
// course and on a walled random course, and whole searches of the sample level.
#include "model/Level.h"
#include "random/RandomLevelGenerator.h"
#include "solve/ShotMap.h"
#include "solve/ShotSolver.h"

#include <benchmark/benchmark.h>

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

// The sample level at the default options on two threads, and the plain search: one thread, every
// distinct ball state kept.
static void BM_SolveSample(benchmark::State& state) { RunSolve(state, LoadSample(), 2, 16); }
BENCHMARK(BM_SolveSample)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

static void BM_SolveSamplePlain(benchmark::State& state) { RunSolve(state, LoadSample(), 1, 0); }
BENCHMARK(BM_SolveSamplePlain)->UseRealTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
