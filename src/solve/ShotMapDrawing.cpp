#include "solve/ShotMap.h"

#include "render/Brush.h"
#include "render/DeviceContext.h"
#include "render/Pen.h"

#include <algorithm>

namespace {

constexpr Colour kRestColour = MakeRgb(245, 245, 245);
constexpr Colour kWaterColour = MakeRgb(0, 220, 255);
constexpr Colour kCupColour = MakeRgb(255, 230, 0);
constexpr Colour kPathColour = MakeRgb(255, 150, 0);

CPoint ToPixel(const CPathPoint& point, int x0, int y0, int cell)
{
    // As the ball is placed on screen: truncated toward zero.
    return {static_cast<int>(point.x * cell + x0), static_cast<int>(point.y * cell + y0)};
}

} // namespace

void CShotMap::DrawPath(CDeviceContext& dc, const std::vector<CPathPoint>& path, int x0, int y0, int cell)
{
    if (path.empty())
        return;
    const CPen pen = CPen::MakeSolid(kPathColour);
    const CPen* previous = dc.SelectPen(&pen);
    const CPoint first = ToPixel(path.front(), x0, y0, cell);
    dc.MoveTo(first.x, first.y);
    for (const CPathPoint& point : path) {
        const CPoint pixel = ToPixel(point, x0, y0, cell);
        if (pixel.x != dc.GetCurrentPosition().x || pixel.y != dc.GetCurrentPosition().y)
            dc.LineTo(pixel.x, pixel.y);
    }
    dc.SetPixel(dc.GetCurrentPosition().x, dc.GetCurrentPosition().y, kPathColour);
    dc.SelectPen(previous);
}

Colour CShotMap::GetDotColour(int result)
{
    return result == ShotCup ? kCupColour : result == ShotWater ? kWaterColour : kRestColour;
}

void CShotMap::Draw(CDeviceContext& dc, int x0, int y0, int cell) const
{
    for (const CPlayedShot& shot : m_cupShots)
        DrawPath(dc, shot.path, x0, y0, cell);
    const int size = std::max(3, cell / 5);
    const CPen* previousPen = dc.SelectPen(&CPen::Null());
    // Rest first, so that the rarer outcomes stay visible where they share a pixel.
    for (const int result : {ShotRest, ShotWater, ShotCup}) {
        const CBrush brush = CBrush::MakeSolid(GetDotColour(result));
        const CBrush* previousBrush = dc.SelectBrush(&brush);
        for (const CMapShot& shot : m_shots) {
            if (shot.result != result)
                continue;
            const CPoint centre = ToPixel(shot.end, x0, y0, cell);
            const int left = centre.x - size / 2;
            const int top = centre.y - size / 2;
            dc.Ellipse(left, top, left + size + 1, top + size + 1);
        }
        dc.SelectBrush(previousBrush);
    }
    dc.SelectPen(previousPen);
}
