// How long Space (Stop) takes while the test-mode ball rolls at Super and Ultra speed: the time
// from the command to its return, the ball thread stopped. The level is a 99 x 99 ice field whose
// slopes whirl around its middle, so the ball keeps rolling for as long as it is let. Between
// measurements the ball rolls for 20 ms with the user-interface thread handling its events.
#include "GuiBenchMain.h"
#include "app/EditorDoc.h"
#include "view/EditorView.h"
#include "view/TestMode.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

constexpr int kSize = 99;
constexpr int kSuperSpeed = 4;
constexpr int kUltraSpeed = 5;

// A shown 1920 x 1080 view in test mode on the whirl: 10-pixel cells.
struct CWhirlView {
    CEditorDoc document;
    CEditorView view{document.GetSession()};
    CTestMode& testMode = view.GetTestMode();

    CWhirlView()
    {
        CLevel level;
        level.Init(kSize, kSize, "whirl", "bench");
        const double pi = std::acos(-1.0);
        const double middle = kSize / 2.0;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                // Along the circle through the cell, turned 45 degrees inward. Slope directions
                // are eighth turns counter-clockwise on screen from east.
                const double along = std::atan2(y + 0.5 - middle, x + 0.5 - middle) + 3 * pi / 4;
                const int rotation = ((static_cast<int>(std::lround(-along / (pi / 4))) % 8) + 8) % 8;
                CBlock block;
                block.Set(Solid, 0, Ice, rotation, Wall, NoSlope);
                level.SetBlock(x, y, block);
            }
        level.SetBall(middle + 25, middle);
        document.GetSession().ReplaceLevel(level);
        view.resize(1920, 1080);
        view.show();
        QApplication::processEvents();
        testMode.SetSoundOn(false);
        testMode.Toggle();
    }

    void Shoot()
    {
        const int c = view.GetCellSize();
        const QPoint point(CEditingSession::kOrigin.x + static_cast<int>(testMode.GetBall().GetX() * c),
                           CEditingSession::kOrigin.y + static_cast<int>((testMode.GetBall().GetY() + 5) * c));
        while (!testMode.GetBall().IsMoving()) {
            QMouseEvent release(QEvent::MouseButtonRelease, point, view.mapToGlobal(point), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&view, &release);
            QApplication::processEvents();
        }
    }
};

CWhirlView& Whirl()
{
    static CWhirlView whirl;
    return whirl;
}

void StopWhileRolling(benchmark::State& state, int speedLevel)
{
    CWhirlView& whirl = Whirl();
    whirl.testMode.SetSpeedLevel(speedLevel);
    double slowest = 0.0;
    int stoppedByItself = 0;
    for (auto _ : state) {
        whirl.Shoot();
        QElapsedTimer rolling;
        rolling.start();
        while (rolling.elapsed() < 20)
            QApplication::processEvents();
        if (!whirl.testMode.GetBall().IsMoving())
            ++stoppedByItself;
        const auto start = std::chrono::steady_clock::now();
        whirl.testMode.StopBall();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        slowest = std::max(slowest, seconds);
    }
    state.counters["max_ms"] = slowest * 1e3;
    state.counters["stopped_by_itself"] = stoppedByItself;
}

void BM_StopAtSuper(benchmark::State& state)
{
    StopWhileRolling(state, kSuperSpeed);
}
BENCHMARK(BM_StopAtSuper)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(100);

void BM_StopAtUltra(benchmark::State& state)
{
    StopWhileRolling(state, kUltraSpeed);
}
BENCHMARK(BM_StopAtUltra)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(100);

} // namespace

QV_GUI_BENCHMARK_MAIN()
