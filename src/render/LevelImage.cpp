#include "render/LevelImage.h"

#include "model/Level.h"
#include "render/BackgroundTile.h"
#include "render/DeviceContext.h"

#include <cstdint>

bool RenderLevelImage(const CLevel& level, int cell, bool grid, CRasterImage& image)
{
    if (cell < 1)
        return false;
    if (level.GetWidth() == 0 || level.GetHeight() == 0)
        return image.Resize(0, 0);
    const std::int64_t w = std::int64_t{level.GetWidth()} * cell + 1;
    const std::int64_t h = std::int64_t{level.GetHeight()} * cell + 1;
    if (!CRasterImage::IsValidSize(w, h) || !image.Resize(static_cast<int>(w), static_cast<int>(h)))
        return false;
    const int width = static_cast<int>(w);
    const int height = static_cast<int>(h);
    CDeviceContext dc(image);
    // The tile lies under everything, but every block covers its whole cell, so only the last
    // column and row can show it: fill just those (the tile is aligned to the image's origin).
    const CBrush tile = MakeBackgroundBrush();
    dc.FillRect({width - 1, 0, width, height}, tile);
    dc.FillRect({0, height - 1, width, height}, tile);
    level.Draw(dc, 0, 0, cell, grid);
    dc.SelectPen(&CPen::Black());
    dc.MoveTo(width, 0);
    dc.LineTo(0, 0);
    dc.LineTo(0, height);
    return true;
}
