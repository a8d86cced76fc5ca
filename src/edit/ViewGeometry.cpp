#include "edit/ViewGeometry.h"

#include <algorithm>
#include <cmath>

CViewGeometry::CViewGeometry(CPoint origin, int cellSize, int columns, int rows)
    : m_origin(origin), m_cellSize(cellSize), m_columns(columns), m_rows(rows)
{
}

int CViewGeometry::FitCellSize(int width, int height, CPoint origin, int columns, int rows)
{
    if (columns <= 0 || rows <= 0)
        return 0;
    return std::min((width - origin.x) / columns, (height - origin.y) / rows);
}

CRect CViewGeometry::GetLevelArea() const
{
    return {m_origin.x, m_origin.y, m_origin.x + m_columns * m_cellSize, m_origin.y + m_rows * m_cellSize};
}

bool CViewGeometry::CellFromPoint(CPoint point, CPoint* cell) const
{
    if (!GetLevelArea().PtInRect(point))
        return false;
    const CPoint found{(point.x - m_origin.x) / m_cellSize, (point.y - m_origin.y) / m_cellSize};
    if (found.x < 0 || found.x >= m_columns || found.y < 0 || found.y >= m_rows)
        return false;
    *cell = found;
    return true;
}

CPoint CViewGeometry::ClampedCellFromPoint(CPoint point) const
{
    CPoint cell;
    if (CellFromPoint(point, &cell))
        return cell;
    const int c = m_cellSize;
    auto clamp = [c](int v, int origin, int count) {
        if (v <= origin)
            return 0;
        if (v >= origin + count * c)
            return count - 1;
        return (v - origin) / c;
    };
    return {clamp(point.x, m_origin.x, m_columns), clamp(point.y, m_origin.y, m_rows)};
}

CPoint CViewGeometry::CellTopLeft(CPoint point) const
{
    const CPoint cell = ClampedCellFromPoint(point);
    return {cell.x * m_cellSize + m_origin.x, cell.y * m_cellSize + m_origin.y};
}

CPoint CViewGeometry::CellBottomRight(CPoint point) const
{
    const CPoint cell = ClampedCellFromPoint(point);
    return {(cell.x + 1) * m_cellSize + m_origin.x, (cell.y + 1) * m_cellSize + m_origin.y};
}

CRect CViewGeometry::CellRect(int x1, int y1, int x2, int y2) const
{
    const int c = m_cellSize;
    return {std::min(x1, x2) * c + m_origin.x, std::min(y1, y2) * c + m_origin.y,
            (std::max(x1, x2) + 1) * c + m_origin.x, (std::max(y1, y2) + 1) * c + m_origin.y};
}

CRect CViewGeometry::WidenedToCells(CPoint a, CPoint b) const
{
    const CPoint topLeft = CellTopLeft({std::min(a.x, b.x), std::min(a.y, b.y)});
    const CPoint bottomRight = CellBottomRight({std::max(a.x, b.x), std::max(a.y, b.y)});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

CRect CViewGeometry::GetRubberBandRect(CPoint start, CPoint current, CPoint previous) const
{
    // The new preview, and the old one so that none of its outline stays behind.
    const CRect now = WidenedToCells(start, current);
    const CRect before = WidenedToCells(start, previous);
    return {std::min(now.left, before.left), std::min(now.top, before.top), std::max(now.right, before.right),
            std::max(now.bottom, before.bottom)};
}

CPoint CViewGeometry::ClampToLevelArea(CPoint point) const
{
    const CRect area = GetLevelArea();
    return {std::clamp(point.x, area.left, std::max(area.left, area.right - 1)),
            std::clamp(point.y, area.top, std::max(area.top, area.bottom - 1))};
}

double CViewGeometry::BlockX(int x) const
{
    return m_cellSize > 0 ? static_cast<double>(x - m_origin.x) / m_cellSize : 0.0;
}

double CViewGeometry::BlockY(int y) const
{
    return m_cellSize > 0 ? static_cast<double>(y - m_origin.y) / m_cellSize : 0.0;
}

namespace {

int ViewPixelFromPointer(double v, double ratio)
{
    // The device pixel under the pointer: a position that is a whole device pixel divided by the
    // ratio must not fall into the pixel before it.
    const double device = std::floor(v * ratio + 1e-9);
    // The view pixel its centre falls in, or the one before where the centre lies on the edge
    // between two, as the window's nearest-pixel scaling picks it. That scaling steps through the
    // view pixels in fixed point rounded down, so on a screen whose ratio is not a binary fraction
    // a centre a hair past an edge is still shown from the pixel before.
    constexpr double kEdge = 1e-2;
    return static_cast<int>(std::ceil((device + 0.5) / ratio - kEdge)) - 1;
}

} // namespace

CPoint CViewGeometry::PointFromPointer(double x, double y, double pixelRatio)
{
    const double ratio = pixelRatio > 0.0 ? pixelRatio : 1.0;
    return {ViewPixelFromPointer(x, ratio), ViewPixelFromPointer(y, ratio)};
}
