// Drawing of a whole level: every block in its cell, then the optional grid.
#include "model/Level.h"
#include "render/DeviceContext.h"

void CLevel::Draw(CDeviceContext& dc, int x0, int y0, int c, bool grid) const
{
    const int width = GetWidth();
    const int height = GetHeight();
    for (int i = 0; i < width; ++i)
        for (int j = 0; j < height; ++j)
            m_grid.At(i, j).Draw(dc, x0 + i * c, y0 + j * c, c);
    if (!grid)
        return;
    dc.SelectPen(&CPen::Black());
    for (int i = 0; i <= width; ++i) {
        dc.MoveTo(x0 + i * c, y0);
        dc.LineTo(x0 + i * c, y0 + height * c);
    }
    for (int j = 0; j <= height; ++j) {
        dc.MoveTo(x0, y0 + j * c);
        dc.LineTo(x0 + width * c, y0 + j * c);
    }
}
