#include "edit/DrawingTools.h"

#include "model/Level.h"

#include <algorithm>
#include <cmath>

namespace {

// The cells from (x1, y1) to (x2, y2), both included.
CEditChange CellsChanged(int x1, int y1, int x2, int y2)
{
    return CEditChange::Cells(x1, y1, x2 + 1, y2 + 1);
}

} // namespace

CEditChange CDrawingTools::WholeLevel() const
{
    return CEditChange::Cells(0, 0, m_level.GetWidth(), m_level.GetHeight());
}

std::optional<CEditChange> CDrawingTools::PlotWhileMoving(CPoint point)
{
    CPoint cell;
    if (m_geometry.CellFromPoint(point, &cell) && m_level.GetBlock(cell.x, cell.y) != m_block)
        return Plot(point);
    return {};
}

std::optional<CEditChange> CDrawingTools::Plot(CPoint point)
{
    CPoint cell;
    if (!m_geometry.CellFromPoint(point, &cell))
        return {};
    m_level.SetBlock(cell.x, cell.y, m_block);
    return CellsChanged(cell.x, cell.y, cell.x, cell.y);
}

std::optional<CEditChange> CDrawingTools::Release(EditTool tool, CPoint start, CPoint end, bool shift)
{
    switch (tool) {
    case ToolPlot:
        return Plot(end);
    case ToolSetBall:
        return SetBall(end, shift);
    case ToolFill:
        return Fill(end);
    case ToolRectangle:
        return FillOrFrame(start, end, false);
    case ToolFrame:
        return FillOrFrame(start, end, true);
    case ToolLine:
        DrawLineOfBlocks(start, end);
        return WholeLevel();
    }
    return {};
}

std::optional<CEditChange> CDrawingTools::SetBall(CPoint point, bool shift)
{
    if (m_geometry.GetCellSize() <= 0)
        return {};
    double x = m_geometry.BlockX(point.x);
    double y = m_geometry.BlockY(point.y);
    if (shift) {
        // To the nearest half block.
        x = std::floor(2.0 * x + 0.5) / 2.0;
        y = std::floor(2.0 * y + 0.5) / 2.0;
    }
    m_level.SetBall(x, y);
    return CEditChange::Of(CEditChange::BallStartMoved);
}

std::optional<CEditChange> CDrawingTools::Fill(CPoint point)
{
    CPoint cell;
    if (!m_geometry.CellFromPoint(point, &cell))
        return {};
    m_level.FloodFill(cell.x, cell.y, m_block);
    return WholeLevel();
}

CEditChange CDrawingTools::FillOrFrame(CPoint a, CPoint b, bool frame)
{
    // The far corner is taken one pixel inside the rectangle, so that a release on the first
    // pixel of a cell does not reach into that cell.
    const CPoint first = m_geometry.ClampedCellFromPoint({std::min(a.x, b.x), std::min(a.y, b.y)});
    const CPoint second = m_geometry.ClampedCellFromPoint({std::max(a.x, b.x) - 1, std::max(a.y, b.y) - 1});
    const int x1 = std::min(first.x, second.x);
    const int y1 = std::min(first.y, second.y);
    const int x2 = std::max(first.x, second.x);
    const int y2 = std::max(first.y, second.y);
    if (frame)
        m_level.DrawFrame(x1, y1, x2, y2, m_block);
    else
        m_level.FillRect(x1, y1, x2, y2, m_block);
    return CellsChanged(x1, y1, x2, y2);
}

void CDrawingTools::DrawLineOfBlocks(CPoint start, CPoint end)
{
    if (m_geometry.GetCellSize() <= 0)
        return;
    const double x0 = m_geometry.BlockX(start.x);
    const double y0 = m_geometry.BlockY(start.y);
    const double x1 = m_geometry.BlockX(end.x);
    const double y1 = m_geometry.BlockY(end.y);
    const double length = std::sqrt((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0));
    // Quarter-block steps along the line; one of them comes within an eighth of a block of the
    // end, which ends the walk after its cell is set. Coinciding points give the start cell alone.
    const double dx = length > 0.0 ? (x1 - x0) / (4.0 * length) : 0.0;
    const double dy = length > 0.0 ? (y1 - y0) / (4.0 * length) : 0.0;
    double x = x0;
    double y = y0;
    bool done = false;
    while (!done) {
        done = std::fabs(x - x1) < 0.2 && std::fabs(y - y1) < 0.2;
        m_level.SetBlock(static_cast<int>(x), static_cast<int>(y), m_block);
        x += dx;
        y += dy;
    }
}
