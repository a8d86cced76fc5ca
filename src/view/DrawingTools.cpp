#include "view/DrawingTools.h"

#include "view/EditorView.h"

#include <algorithm>
#include <cmath>

CDrawingTools::CDrawingTools(CEditorView& view)
    : m_view(view), m_level(view.GetLevel()), m_geometry(view.GetGeometry())
{
}

void CDrawingTools::CellsChanged(const CRect& rect)
{
    m_view.RebuildLevelBitmap();
    m_view.InvalidateRect(rect, false);
}

void CDrawingTools::LevelChanged()
{
    m_view.RebuildLevelBitmap();
    m_view.InvalidateLevelArea();
}

void CDrawingTools::PlotWhileMoving(CPoint point)
{
    CPoint cell;
    if (m_geometry.CellFromPoint(point, &cell) && m_level.GetBlock(cell.x, cell.y) != m_view.m_currentBlock)
        Plot(point);
}

void CDrawingTools::Plot(CPoint point)
{
    CPoint cell;
    if (!m_geometry.CellFromPoint(point, &cell))
        return;
    m_level.SetBlock(cell.x, cell.y, m_view.m_currentBlock);
    CellsChanged(m_geometry.CellRect(cell.x, cell.y, cell.x, cell.y));
}

void CDrawingTools::Release(CPoint point, bool shift)
{
    switch (m_view.GetTool()) {
    case ToolPlot:
        Plot(point);
        break;
    case ToolSetBall:
        SetBall(point, shift);
        break;
    case ToolFill:
        Fill(point);
        break;
    case ToolRectangle:
        FillOrFrame(false);
        break;
    case ToolFrame:
        FillOrFrame(true);
        break;
    case ToolLine:
        DrawLineOfBlocks();
        LevelChanged();
        break;
    }
}

void CDrawingTools::SetBall(CPoint point, bool shift)
{
    if (m_geometry.GetCellSize() <= 0)
        return;
    double x = m_geometry.BlockX(point.x);
    double y = m_geometry.BlockY(point.y);
    if (shift) {
        // To the nearest half block.
        x = std::floor(2.0 * x + 0.5) / 2.0;
        y = std::floor(2.0 * y + 0.5) / 2.0;
    }
    m_level.SetBall(x, y);
    m_view.InvalidateLevelArea();
}

void CDrawingTools::Fill(CPoint point)
{
    CPoint cell;
    if (!m_geometry.CellFromPoint(point, &cell))
        return;
    m_level.FloodFill(cell.x, cell.y, m_view.m_currentBlock);
    LevelChanged();
}

void CDrawingTools::FillOrFrame(bool frame)
{
    const CPoint a = m_view.m_dragStart;
    const CPoint b = m_view.m_dragCurrent;
    // The far corner is taken one pixel inside the rectangle, so that a release on the first
    // pixel of a cell does not reach into that cell.
    const CPoint first = m_geometry.ClampedCellFromPoint({std::min(a.x, b.x), std::min(a.y, b.y)});
    const CPoint second = m_geometry.ClampedCellFromPoint({std::max(a.x, b.x) - 1, std::max(a.y, b.y) - 1});
    const int x1 = std::min(first.x, second.x);
    const int y1 = std::min(first.y, second.y);
    const int x2 = std::max(first.x, second.x);
    const int y2 = std::max(first.y, second.y);
    if (frame)
        m_level.DrawFrame(x1, y1, x2, y2, m_view.m_currentBlock);
    else
        m_level.FillRect(x1, y1, x2, y2, m_view.m_currentBlock);
    CellsChanged(m_geometry.CellRect(x1, y1, x2, y2));
}

void CDrawingTools::DrawLineOfBlocks()
{
    if (m_geometry.GetCellSize() <= 0)
        return;
    const double x0 = m_geometry.BlockX(m_view.m_dragStart.x);
    const double y0 = m_geometry.BlockY(m_view.m_dragStart.y);
    const double x1 = m_geometry.BlockX(m_view.m_dragCurrent.x);
    const double y1 = m_geometry.BlockY(m_view.m_dragCurrent.y);
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
        m_level.SetBlock(static_cast<int>(x), static_cast<int>(y), m_view.m_currentBlock);
        x += dx;
        y += dy;
    }
}
