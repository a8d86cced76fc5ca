#pragma once
#include "render/Rect.h"
#include "view/ViewGeometry.h"

class CEditorView;
class CLevel;

// What the six drawing tools do to the document's level with the view's current block, given
// client points: painting while a Plot drag moves, and the tool's work when the button is
// released. The level's own operations set its modified flag; each change is followed by a
// rebuild of the level picture and a repaint, without erasing, of the part that changed.
class CDrawingTools {
public:
    explicit CDrawingTools(CEditorView& view);

    // Plot while the pointer moves: the cell under the point takes the current block unless it
    // equals it already, so a drag over painted ground costs nothing.
    void PlotWhileMoving(CPoint point);
    // The release of a drag from the view's drag start to point, by the tool in effect now.
    // Shift rounds the ball's start to half blocks.
    void Release(CPoint point, bool shift);
    // Blocks along the exact line from the drag start to the drag's current point, a quarter
    // block apart.
    void DrawLineOfBlocks();

private:
    void Plot(CPoint point);
    void SetBall(CPoint point, bool shift);
    void Fill(CPoint point);
    void FillOrFrame(bool frame);
    void CellsChanged(const CRect& rect);
    void LevelChanged();

    CEditorView& m_view;
    CLevel& m_level;
    const CViewGeometry m_geometry;
};
