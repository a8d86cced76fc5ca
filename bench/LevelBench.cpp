// The level model and file format on the largest level the editor makes (99 x 99).
#include "file/Archive.h"
#include "model/Level.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <sstream>

namespace {

// Mixed shapes, materials and slopes, so codes of every length occur.
CLevel MixedLevel()
{
    CLevel level;
    level.Resize(99, 99);
    for (int x = 0; x < 99; ++x)
        for (int y = 0; y < 99; ++y) {
            CBlock block;
            block.Set((x * 7 + y) % 5, (x + y) % 4, (x + 3 * y) % 6, (x * y) % 9, (2 * x + y) % 6, (x + y) % 9);
            level.SetBlock(x, y, block);
        }
    return level;
}

std::string StoredBytes(CLevel level)
{
    std::ostringstream out;
    CArchive archive(out);
    level.Store(archive);
    return out.str();
}

void BM_WriteLevel99(benchmark::State& state)
{
    CLevel level = MixedLevel();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        CArchive archive(out);
        level.Store(archive);
        bytes = out.str().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteLevel99)->Unit(benchmark::kMicrosecond);

void BM_ReadLevel99(benchmark::State& state)
{
    const std::string bytes = StoredBytes(MixedLevel());
    CLevel level;
    for (auto _ : state) {
        std::istringstream in(bytes);
        CArchive archive(in);
        benchmark::DoNotOptimize(level.Load(archive));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadLevel99)->Unit(benchmark::kMicrosecond);

// The yardstick for the two above: copying the same number of bytes.
void BM_CopyLevelBytes99(benchmark::State& state)
{
    const std::string bytes = StoredBytes(MixedLevel());
    std::string copy(bytes.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_CopyLevelBytes99)->Unit(benchmark::kMicrosecond);

// The same bytes taken through the file container alone, without parsing the text.
void BM_ArchiveBytesOnly99(benchmark::State& state)
{
    const std::string bytes = StoredBytes(MixedLevel());
    std::string text;
    for (auto _ : state) {
        std::istringstream in(bytes);
        CArchive archive(in);
        benchmark::DoNotOptimize(archive.ReadString(text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ArchiveBytesOnly99)->Unit(benchmark::kMicrosecond);

void BM_FloodFillEmpty99(benchmark::State& state)
{
    CLevel empty;
    empty.Resize(99, 99);
    CBlock water;
    water.Set(Solid, 0, Water, NoSlope, Grass, NoSlope);
    CLevel level;
    for (auto _ : state) {
        state.PauseTiming();
        level = empty;
        state.ResumeTiming();
        level.FloodFill(50, 50, water);
    }
}
BENCHMARK(BM_FloodFillEmpty99)->Unit(benchmark::kMicrosecond);

void BM_Rotate90_99(benchmark::State& state)
{
    CLevel level = MixedLevel();
    for (auto _ : state)
        level.Rotate90();
}
BENCHMARK(BM_Rotate90_99)->Unit(benchmark::kMicrosecond);

void BM_Assign99(benchmark::State& state)
{
    const CLevel level = MixedLevel();
    CLevel snapshot;
    for (auto _ : state) {
        snapshot = level;
        benchmark::DoNotOptimize(snapshot);
    }
}
BENCHMARK(BM_Assign99)->Unit(benchmark::kMicrosecond);

// An undo slot that held a small level: the assignment must allocate the blocks.
void BM_AssignIntoSmall99(benchmark::State& state)
{
    const CLevel level = MixedLevel();
    for (auto _ : state) {
        CLevel snapshot;
        snapshot = level;
        benchmark::DoNotOptimize(snapshot);
    }
}
BENCHMARK(BM_AssignIntoSmall99)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
