// The ball simulation: one integration step in the open and against a wall, a whole shot at
// Ultra speed on the ball thread against real time at Normal speed, and how long Stop takes.
#include "model/Level.h"
#include "file/ProgramFiles.h"
#include "sim/Ball.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <numbers>
#include <optional>
#include <thread>
#include <vector>

namespace {

// A fixed count, so that an instruction count of Step under callgrind divides into a per-step
// figure (see bench/README.md).
constexpr int kStepIterations = 200000;

// A view that handles every notification at once, as an idle user-interface thread would.
class CIdleView : public CBallListener {
public:
    void OnBallNotify(int, int code) override
    {
        if (code != BallMoved)
            m_stopped = true;
    }
    bool PumpEvents() override { return true; }
    bool HasStopped() const { return m_stopped; }

private:
    std::atomic<bool> m_stopped = false;
};

CLevel MakeLevel(int size, int ground)
{
    CLevel level;
    level.Init(size, size, "bench", "bench");
    level.FillRect(0, 0, size - 1, size - 1, Solid, 0, ground, NoSlope, ground, NoSlope);
    return level;
}

// Steps a ball launched with (speed, angle) that is put back at (x, y) before every step.
void StepInPlace(benchmark::State& state, const CLevel& level, double x, double y, double speed, double angle)
{
    CBall ball(0);
    ball.AttachLevel(&level);
    ball.Launch(speed, angle, CBall::kNormal);
    for (auto _ : state) {
        ball.SetX(x);
        ball.SetY(y);
        ball.Step();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_StepOpenGrass(benchmark::State& state) { StepInPlace(state, MakeLevel(99, Grass), 49.5, 49.5, 5.0, 0.3); }
BENCHMARK(BM_StepOpenGrass)->Iterations(kStepIterations);

// Pressed against a wall by a slope: every step finds the wall within the radius ahead.
void BM_StepTouchingWall(benchmark::State& state)
{
    CLevel level = MakeLevel(10, Grass);
    level.FillRect(6, 0, 9, 9, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    level.SetBlock(5, 5, Solid, 0, Grass, 0, Grass, 0);
    StepInPlace(state, level, 5.7, 5.5, 0.0, 0.0);
}
BENCHMARK(BM_StepTouchingWall)->Iterations(kStepIterations);

// A whole shot along a wall, headless on the calling thread: ice sloped toward the top wall of a
// long walled strip holds the ball against that wall while it rolls 53 blocks (1932 steps, most
// of them within reach of the wall, many touching it).
constexpr int kShotIterations = 100;
void BM_ShotAlongWall(benchmark::State& state)
{
    CLevel level;
    level.Init(60, 8, "bench", "bench");
    level.FillRect(0, 0, 59, 7, Solid, 0, Ice, 2, Ice, 2);
    level.DrawFrame(0, 0, 59, 7, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    long long steps = 0;
    for (auto _ : state) {
        CBall ball(0);
        ball.AttachLevel(&level);
        ball.SetX(1.5);
        ball.SetY(1.35);
        ball.Launch(90.0, 0.0, CBall::kUltra);
        for (++steps; ball.Advance(); ++steps) {
        }
    }
    state.counters["steps"] = static_cast<double>(steps) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(steps);
}
BENCHMARK(BM_ShotAlongWall)->Iterations(kShotIterations)->Unit(benchmark::kMicrosecond);

// Shots as a player or a search would make them on the shipped levels (beside the binary): the
// sample level and the eight bites, from their ball starts, 4 strengths at 8 headings each. Their
// walls are straight and rounded (quarter and whole discs) alike.
void BM_ShotsOnShippedLevels(benchmark::State& state)
{
    std::vector<CLevel> levels(9);
    const char* names[] = {"Levels/first-steps.lev", "RBites/hal27.lev",      "RBites/horn7.lev",
                           "RBites/runthal27.lev",   "RBites/runthorn7.lev",  "RBites/runtutslag7.lev",
                           "RBites/snetthorn7.lev",  "RBites/utslag7.lev",    "RBites/vetinte7.lev"};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (!levels[i].LoadFromFile(GetProgramFolder() + names[i])) {
            state.SkipWithError("a shipped level is missing beside the binary");
            return;
        }
    }
    long long steps = 0;
    for (auto _ : state) {
        for (const CLevel& level : levels)
            for (const double strength : {6.0, 24.0, 60.0, 150.0})
                for (int i = 0; i < 8; ++i) {
                    CBall ball(0);
                    ball.AttachLevel(&level);
                    ball.Launch(strength, std::numbers::pi * i / 4 + 0.01, CBall::kUltra);
                    for (++steps; ball.Advance(); ++steps) {
                    }
                }
    }
    state.counters["steps"] = static_cast<double>(steps) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(steps);
}
BENCHMARK(BM_ShotsOnShippedLevels)->Iterations(5)->Unit(benchmark::kMillisecond);

// A long shot bouncing around a walled sand-and-grass course, run by the ball thread at Ultra
// speed. "realtime_x" is the game time the shot covers at Normal speed (200 steps a second)
// over the time it took.
void BM_UltraShot(benchmark::State& state)
{
    CLevel level = MakeLevel(30, Grass);
    level.DrawFrame(0, 0, 29, 29, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    level.FillRect(10, 10, 19, 19, Solid, 0, Sand, NoSlope, Sand, NoSlope);
    level.FillRect(4, 20, 8, 24, Circle, 0, Grass, NoSlope, Wall, NoSlope);
    level.SetBall(5.5, 5.5);
    long long steps = 0;
    {
        CBall headless(0);
        headless.AttachLevel(&level);
        headless.Launch(60.0, 0.7, CBall::kUltra);
        for (steps = 1; headless.Advance(); ++steps) {
        }
    }
    for (auto _ : state) {
        CIdleView view;
        CBall ball(0);
        ball.AttachLevel(&level);
        ball.Start(60.0, 0.7, &view, CBall::kUltra);
        while (!view.HasStopped())
            std::this_thread::yield();
    }
    state.counters["steps"] = static_cast<double>(steps);
    state.counters["realtime_x"] =
        benchmark::Counter(static_cast<double>(steps) / 200.0 * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_UltraShot)->Unit(benchmark::kMillisecond)->UseRealTime();

// Stop from the user-interface thread while the ball rolls at Super (4) or Ultra (5) speed.
void BM_StopWhileRolling(benchmark::State& state)
{
    CLevel level = MakeLevel(99, Ice);
    level.DrawFrame(0, 0, 98, 98, Solid, 0, Wall, NoSlope, Wall, NoSlope);
    CIdleView view;
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<CBall> ball(std::in_place, 0);
        ball->AttachLevel(&level);
        ball->Start(60.0, 0.3, &view, static_cast<int>(state.range(0)));
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        state.ResumeTiming();
        ball->Stop();
        state.PauseTiming();
        ball.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StopWhileRolling)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
