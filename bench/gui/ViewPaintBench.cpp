// The editor view painting a 99 x 99 level in a 1920 x 1080 client area: a full repaint (level
// picture copy, overlays, showing the window image) and, for comparison, the rebuild of the
// level picture that edits cause. Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include "app/EditorApp.h"
#include "app/EditorDoc.h"
#include "view/EditorView.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct CPaintSetup {
    CEditorDoc document;
    std::unique_ptr<CEditorView> view;

    CPaintSetup()
    {
        CLevel level;
        level.Init(99, 99, "bench", "bench");
        CBlock block;
        for (int y = 0; y < 99; ++y)
            for (int x = 0; x < 99; ++x) {
                block.Set((x + y) % 5, x % 4, (x * 7 + y) % 6, (x + 2 * y) % 9, (x + 3 * y) % 6, (3 * x + y) % 9);
                level.SetBlock(x, y, block);
            }
        document.GetSession().ReplaceLevel(level);
        view = std::make_unique<CEditorView>(document.GetSession());
        view->resize(1920, 1080);
        view->show();
        QApplication::processEvents();
    }
};

CPaintSetup& Setup()
{
    static CPaintSetup setup;
    return setup;
}

void BM_ViewFullRepaint(benchmark::State& state)
{
    CEditorView& view = *Setup().view;
    for (auto _ : state)
        view.repaint();
    state.counters["cell"] = Setup().view->GetCellSize();
}
BENCHMARK(BM_ViewFullRepaint)->Unit(benchmark::kMillisecond);

void BM_ViewRebuildLevelBitmap(benchmark::State& state)
{
    CEditorView& view = *Setup().view;
    for (auto _ : state)
        view.RebuildLevelBitmap();
}
BENCHMARK(BM_ViewRebuildLevelBitmap)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CEditorApp app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
