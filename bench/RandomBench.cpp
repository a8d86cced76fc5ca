// Random level generation: one whole generation (reading the six bites from RBites beside the
// benchmark binary, the walk and the pastes) and the walk alone.
#include "random/BiteWalk.h"
#include "random/RandomLevelGenerator.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

static void BM_RandomLevelGenerate(benchmark::State& state)
{
    unsigned seed = 0;
    for (auto _ : state) {
        std::srand(++seed);
        CRandomLevelGenerator generator;
        generator.Generate();
        benchmark::DoNotOptimize(generator.GetLevel().GetBallX());
    }
}
BENCHMARK(BM_RandomLevelGenerate)->Unit(benchmark::kMicrosecond);

static void BM_BiteWalk(benchmark::State& state)
{
    unsigned seed = 0;
    CBiteWalk walk;
    for (auto _ : state) {
        std::srand(++seed);
        benchmark::DoNotOptimize(walk.Run());
    }
}
BENCHMARK(BM_BiteWalk);

BENCHMARK_MAIN();
