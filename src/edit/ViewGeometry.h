#pragma once
#include "render/Rect.h"

// Where the level lies in the view and how the view's pixels meet the pointer: the level's
// top-left corner, the cell size and the level's size in cells. Points and rectangles are view
// pixels; cells are column x, row y of the level.
//
// On a scaled screen each view pixel is shown on a patch of whole device pixels: at a whole
// factor a square, at a fractional one a patch one device pixel wider or taller here and there.
// A device pixel shows the view pixel its centre falls in (the one before, where the centre lies
// on the edge between two), and the pointer is mapped the same way, so a click lands on the pixel
// drawn under it.
class CViewGeometry {
public:
    CViewGeometry(CPoint origin, int cellSize, int columns, int rows);

    // The largest whole cell size at which a level of columns x rows fits into a client area of
    // width x height right of and below origin; 0 or less when there is no room or no cell.
    static int FitCellSize(int width, int height, CPoint origin, int columns, int rows);

    int GetCellSize() const { return m_cellSize; }
    CPoint GetOrigin() const { return m_origin; }

    // The level area: from the origin, columns x rows cells.
    CRect GetLevelArea() const;
    // The cell under the point; false when the point is outside the level area.
    bool CellFromPoint(CPoint point, CPoint* cell) const;
    // The cell under the point, each coordinate clamped onto the grid.
    CPoint ClampedCellFromPoint(CPoint point) const;
    CPoint CellTopLeft(CPoint point) const;
    CPoint CellBottomRight(CPoint point) const;
    // The pixels of the cells from (x1, y1) to (x2, y2), corners in any order.
    CRect CellRect(int x1, int y1, int x2, int y2) const;
    // The rectangle spanned by two points, widened outward to the cells its corners lie in.
    CRect WidenedToCells(CPoint a, CPoint b) const;
    // What to repaint when a rubber band from start moves from previous to current: both
    // previews widened to whole cells.
    CRect GetRubberBandRect(CPoint start, CPoint current, CPoint previous) const;
    // The nearest point that a pointer confined to the level area can reach: its last pixel
    // column and row included.
    CPoint ClampToLevelArea(CPoint point) const;

    // A pixel coordinate in blocks from the level's top-left corner; cell size 0 gives 0.
    double BlockX(int x) const;
    double BlockY(int y) const;

    // The view pixel shown under a pointer at (x, y), given in view pixels that need not be
    // whole on a screen with pixelRatio device pixels per view pixel.
    static CPoint PointFromPointer(double x, double y, double pixelRatio);

private:
    CPoint m_origin;
    int m_cellSize;
    int m_columns;
    int m_rows;
};
