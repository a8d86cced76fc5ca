// Rebuilding the cached level image of a 99 x 99 level of mixed shapes and sloped materials:
// our raster device context against clearing the same image with memset, and against QPainter
// drawing the same primitives into a QImage (no antialiasing), side by side in one binary.
#include "model/Level.h"
#include "render/BackgroundTile.h"
#include "render/LevelImage.h"
#include "render/RasterImage.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstring>

namespace {

CLevel MixedLevel()
{
    CLevel level;
    level.Resize(99, 99);
    for (int x = 0; x < 99; ++x)
        for (int y = 0; y < 99; ++y)
            level.SetBlock(x, y, (x * 7 + y) % 5, (x + y) % 4, (x + 3 * y) % 6, (x * y) % 9, (2 * x + y) % 6,
                           (x + 2 * y) % 9);
    return level;
}

void BM_ClearWithMemset(benchmark::State& state)
{
    const int cell = static_cast<int>(state.range(0));
    CRasterImage image(99 * cell + 1, 99 * cell + 1);
    for (auto _ : state) {
        std::memset(image.GetBits(), 0, static_cast<std::size_t>(image.GetBytesPerLine()) * image.GetHeight());
        benchmark::DoNotOptimize(image.GetBits());
        benchmark::ClobberMemory();
    }
}

void BM_RenderLevelImage(benchmark::State& state)
{
    const int cell = static_cast<int>(state.range(0));
    const CLevel level = MixedLevel();
    CRasterImage image;
    for (auto _ : state) {
        RenderLevelImage(level, cell, true, image);
        benchmark::DoNotOptimize(image.GetBits());
        benchmark::ClobberMemory();
    }
}

// The material's fill as a Qt brush, built each time as CreateBrush builds ours.
QBrush MaterialBrush(const CMaterial& material, QPainter& painter)
{
    CMaterial copy(material);
    copy.CreateBrush();
    painter.setBackground(QColor::fromRgb(copy.GetColour()));
    const CBrush& brush = *copy.GetBrush();
    if (brush.GetStyle() != CBrush::Style::Hatched)
        return QBrush(QColor::fromRgb(brush.GetColour()));
    static constexpr Qt::BrushStyle kStyles[4] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                  Qt::BDiagPattern};
    return QBrush(QColor::fromRgb(brush.GetColour()), kStyles[brush.GetHatch() & 3]);
}

void DrawBlockWithQt(QPainter& painter, const CBlock& block, int x, int y, int s)
{
    painter.fillRect(x, y, s, s, MaterialBrush(block.GetBack(), painter));
    if (block.IsUniform())
        return;
    painter.setBrush(MaterialBrush(block.GetFront(), painter));
    const int r = block.GetShapeRotation();
    switch (block.GetShape()) {
    case Circle:
        painter.drawEllipse(x, y, s, s);
        break;
    case Triangle: {
        QPoint points[3] = {{x, y}, {x + s, y}, {x + s, y + s}};
        if (r > 0)
            points[r - 1] = {x, y + s};
        painter.drawPolygon(points, 3);
        break;
    }
    case QuarterDisc: {
        static constexpr int kCorner[4][2] = {{0, 1}, {0, 0}, {1, 0}, {1, 1}};
        static constexpr int kStart[4] = {0, 270, 180, 90};
        painter.drawPie(x + kCorner[r][0] * s - s, y + kCorner[r][1] * s - s, 2 * s, 2 * s, kStart[r] * 16, 90 * 16);
        break;
    }
    case HalfDisc: {
        static constexpr int kCentre[4][2] = {{2, 1}, {1, 2}, {0, 1}, {1, 0}}; // in half cells
        static constexpr int kStart[4] = {90, 0, 270, 180};
        painter.drawPie(x + kCentre[r][0] * s / 2 - s / 2, y + kCentre[r][1] * s / 2 - s / 2, s, s, kStart[r] * 16,
                        180 * 16);
        break;
    }
    default:
        break;
    }
}

void BM_RenderLevelWithQPainter(benchmark::State& state)
{
    const int cell = static_cast<int>(state.range(0));
    const CLevel level = MixedLevel();
    const int size = 99 * cell + 1;
    QImage image(size, size, QImage::Format_RGB32);
    QImage tile(8, 8, QImage::Format_RGB32);
    for (int i = 0; i < 64; ++i)
        tile.setPixel(i % 8, i / 8, GetBackgroundTile()[i]);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBackgroundMode(Qt::OpaqueMode);
        const QBrush tileBrush(tile);
        painter.fillRect(size - 1, 0, 1, size, tileBrush);
        painter.fillRect(0, size - 1, size, 1, tileBrush);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 99; ++i)
            for (int j = 0; j < 99; ++j)
                DrawBlockWithQt(painter, level.GetBlock(i, j), i * cell, j * cell, cell);
        painter.setPen(Qt::black);
        for (int i = 0; i <= 99; ++i) {
            painter.drawLine(i * cell, 0, i * cell, 99 * cell - 1);
            painter.drawLine(0, i * cell, 99 * cell - 1, i * cell);
        }
        painter.drawLine(0, 0, size - 1, 0);
        painter.drawLine(0, 0, 0, size - 1);
        painter.end();
        benchmark::DoNotOptimize(image.bits());
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_ClearWithMemset)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderLevelImage)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderLevelWithQPainter)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
