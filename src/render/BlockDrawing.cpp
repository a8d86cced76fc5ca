// Drawing of one block: the back material fills the cell, the front material the shape.
#include "model/Block.h"
#include "render/DeviceContext.h"

namespace {

// Paints the front region of a shape with the selected brush, in the size s square at (x, y).
void DrawFrontRegion(CDeviceContext& dc, int shape, int rotation, int x, int y, int s)
{
    const int s1 = s + 1;
    switch (shape) {
    case Circle:
        dc.Ellipse(x, y, x + s1, y + s1);
        return;
    case Triangle: {
        // (0, 0), (s, 0), (s, s) with vertex r - 1 moved to (0, s) for rotation r > 0.
        CPoint points[3] = {{x, y}, {x + s, y}, {x + s, y + s}};
        if (rotation > 0)
            points[rotation - 1] = {x, y + s};
        dc.Polygon(points, 3);
        return;
    }
    case QuarterDisc: {
        const int d = 2 * s + 1;
        switch (rotation) {
        case 0: dc.Pie(x - s, y, x + s1, y + d, x + s1, y + s1, x, y); return;
        case 1: dc.Pie(x - s, y - s, x + s1, y + s1, x, y + s, x + s, y); return;
        case 2: dc.Pie(x, y - s, x + d, y + s1, x, y, x + s1, y + s1); return;
        default: dc.Pie(x, y, x + d, y + d, x + s1, y, x, y + s1); return;
        }
    }
    case HalfDisc: {
        const int h = s / 2;
        const int h3 = 3 * s / 2;
        const int hn = (-s) / 2;
        switch (rotation) {
        case 0: dc.Pie(x + h, y, x + h3 + 2, y + s1, x + s1, y, x + s1, y + s1); return;
        case 1: dc.Pie(x, y + h, x + s1, y + h3 + 1, x + s1, y + s1, x, y + s1); return;
        case 2: dc.Pie(x + hn, y, x + h + 1, y + s1, x, y + s1, x, y); return;
        default: dc.Pie(x, y + hn, x + s1, y + h + 1, x, y, x + s1, y); return;
        }
    }
    default:
        return;
    }
}

} // namespace

void CBlock::Draw(CDeviceContext& dc, int x, int y, int size) const
{
    dc.SelectPen(&CPen::Null());
    // Brushes are a drawing cache of the material: build them on copies, this block stays const.
    CMaterial back = GetBack();
    back.CreateBrush();
    dc.SetBkColour(back.GetColour());
    dc.FillRect({x, y, x + size, y + size}, *back.GetBrush());
    back.DeleteBrush();
    if (IsUniform())
        return;
    CMaterial front = GetFront();
    front.CreateBrush();
    dc.SetBkColour(front.GetColour());
    const CBrush* previous = dc.SelectBrush(front.GetBrush());
    DrawFrontRegion(dc, GetShape(), GetShapeRotation(), x, y, size);
    dc.SelectBrush(previous);
    front.DeleteBrush();
}
