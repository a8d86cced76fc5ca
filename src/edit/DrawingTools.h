#pragma once
#include "edit/EditListener.h"
#include "edit/EditTool.h"
#include "edit/ViewGeometry.h"

#include <optional>

class CBlock;
class CLevel;

// What the six drawing tools do to a level with a block, given client points and the geometry
// that maps them to cells. The level's own operations set its modified flag. Each operation
// returns the change it made, or nothing.
class CDrawingTools {
public:
    CDrawingTools(CLevel& level, const CViewGeometry& geometry, const CBlock& block)
        : m_level(level), m_geometry(geometry), m_block(block)
    {
    }

    // Plot while the pointer moves: the cell under the point takes the block unless it equals it
    // already, so a drag over painted ground costs nothing.
    std::optional<CEditChange> PlotWhileMoving(CPoint point);
    // The release of a drag from start to end by the tool. Shift rounds the ball's start to half
    // blocks.
    std::optional<CEditChange> Release(EditTool tool, CPoint start, CPoint end, bool shift);
    // Blocks along the exact line between the two points, a quarter block apart.
    void DrawLineOfBlocks(CPoint start, CPoint end);

private:
    std::optional<CEditChange> Plot(CPoint point);
    std::optional<CEditChange> SetBall(CPoint point, bool shift);
    std::optional<CEditChange> Fill(CPoint point);
    CEditChange FillOrFrame(CPoint a, CPoint b, bool frame);
    CEditChange WholeLevel() const;

    CLevel& m_level;
    const CViewGeometry& m_geometry;
    const CBlock& m_block;
};
