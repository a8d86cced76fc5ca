#include "render/SlopeArrow.h"

#include "model/Material.h"
#include "render/DeviceContext.h"

#include <cmath>

void DrawSlopeArrow(CDeviceContext& dc, int cx, int cy, double radius, int rotation)
{
    if (rotation == NoSlope)
        return;
    static const double s_pi = std::acos(-1.0);
    const double base = (8 - rotation) * s_pi / 4;
    dc.SelectPen(&CPen::Black());
    // Three points on the circle: the two barbs either side of the tip, the tip in between.
    for (int k = -1; k <= 1; ++k) {
        const double angle = 3 * k * s_pi / 4 + base;
        const int x = cx + static_cast<int>(radius * std::cos(angle));
        const int y = cy + static_cast<int>(radius * std::sin(angle));
        if (k == -1)
            dc.MoveTo(x, y);
        else
            dc.LineTo(x, y);
    }
}
