// Hostile levels rendered as the editor caches them and quorvale-level render writes them, at
// small cell sizes where every figure of a block shrinks to a few pixels or none: the image is
// (W c + 1) x (H c + 1) pixels with the black line along its top and left edges, and every pixel
// is painted (two images filled with different colours beforehand come out the same). A cell
// size below 1 is refused with the image left as it was.
#include "FuzzCheck.h"
#include "HostileLevel.h"
#include "render/LevelImage.h"
#include "render/RasterImage.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

constexpr int kMaxSide = 16;
constexpr int kMaxCell = 10;

std::vector<std::uint32_t> Pixels(const CRasterImage& image)
{
    const std::uint32_t* bits = image.GetBits();
    return {bits, bits + static_cast<std::size_t>(image.GetWidth()) * image.GetHeight()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int cell = input.ConsumeIntegralInRange(-1, kMaxCell);
    const bool grid = input.ConsumeBool();
    const CLevel level = DecodeHostileLevel(input, kMaxSide);

    CRasterImage first(3, 2, MakeRgb(1, 2, 3));
    const bool rendered = RenderLevelImage(level, cell, grid, first);
    if (cell < 1) {
        FuzzCheck(!rendered && first.GetWidth() == 3 && first.GetHeight() == 2 && first.GetPixel(2, 1) == MakeRgb(1, 2, 3),
                  "a cell size below 1 is refused and leaves the image");
        return 0;
    }
    FuzzCheck(rendered, "a level renders at every cell size from 1");
    FuzzCheck(first.GetWidth() == level.GetWidth() * cell + 1 && first.GetHeight() == level.GetHeight() * cell + 1,
              "the image is (W c + 1) x (H c + 1) pixels");
    for (int x = 0; x < first.GetWidth(); ++x)
        FuzzCheck(first.GetPixel(x, 0) == 0, "the top edge is black");
    for (int y = 0; y < first.GetHeight(); ++y)
        FuzzCheck(first.GetPixel(0, y) == 0, "the left edge is black");

    CRasterImage second(first.GetWidth(), first.GetHeight(), MakeRgb(254, 253, 252));
    FuzzCheck(RenderLevelImage(level, cell, grid, second) && Pixels(second) == Pixels(first),
              "every pixel is painted, the same each time");
    return 0;
}
