// The editing figures on the largest level in a full-HD view: one Plot step of a drag, a fill of
// the whole level and an Undo, each with the level image rebuilt and the view repainted.
#include "GuiBenchMain.h"
#include "app/EditorDoc.h"
#include "view/EditorView.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSize = 99;

// A shown 1920 x 1080 view on a 99 x 99 level: 10-pixel cells.
struct CBenchView {
    CEditorDoc document;
    CEditingSession& session = document.GetSession();
    CEditorView view{session};

    CBenchView()
    {
        CLevel level;
        level.Init(kSize, kSize, "bench", "bench");
        session.ReplaceLevel(level);
        view.resize(1920, 1080);
        view.show();
        QApplication::processEvents();
    }

    QPoint CellCentre(int x, int y) const
    {
        const int c = view.GetCellSize();
        return {CEditingSession::kOrigin.x + x * c + c / 2, CEditingSession::kOrigin.y + y * c + c / 2};
    }
    void Send(QEvent::Type type, QPoint point, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, point, view.mapToGlobal(point), button, held, Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }
    void Click(QPoint point)
    {
        Send(QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
    }
};

void BM_PlotStep(benchmark::State& state)
{
    CBenchView bench;
    bench.session.SetTool(ToolPlot);
    bench.Send(QEvent::MouseButtonPress, bench.CellCentre(0, 0), Qt::LeftButton, Qt::LeftButton);
    int cell = 0;
    for (auto _ : state) {
        // Each step enters a cell that does not hold the current block yet.
        if (++cell == kSize * kSize) {
            state.PauseTiming();
            cell = 0;
            bench.session.RunBlockCommand(BlockCommand::SwapMaterials, false);
            QApplication::processEvents();
            state.ResumeTiming();
        }
        bench.Send(QEvent::MouseMove, bench.CellCentre(cell % kSize, cell / kSize), Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
    }
    bench.Send(QEvent::MouseButtonRelease, bench.CellCentre(0, 0), Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(BM_PlotStep)->Unit(benchmark::kMillisecond);

void BM_FillWholeLevel(benchmark::State& state)
{
    CBenchView bench;
    bench.session.SetTool(ToolFill);
    for (auto _ : state) {
        state.PauseTiming();
        // Grass and wall in turn, so that every fill covers the whole level.
        bench.session.RunBlockCommand(BlockCommand::SwapMaterials, false);
        QApplication::processEvents();
        state.ResumeTiming();
        bench.Click(bench.CellCentre(kSize / 2, kSize / 2));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FillWholeLevel)->Unit(benchmark::kMillisecond);

void BM_Undo(benchmark::State& state)
{
    CBenchView bench;
    // Five 99 x 99 snapshots in the ring, so that every Undo brings back a full level.
    bench.session.SetTool(ToolFill);
    for (int i = 0; i < 5; ++i) {
        bench.session.RunBlockCommand(BlockCommand::SwapMaterials, false);
        bench.Click(bench.CellCentre(0, 0));
    }
    QApplication::processEvents();
    for (auto _ : state) {
        bench.session.Undo();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);

} // namespace

QV_GUI_BENCHMARK_MAIN()
