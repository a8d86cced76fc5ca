#include "view/ToolInput.h"

#include "view/BlockCommands.h"
#include "view/DrawingTools.h"
#include "view/EditorView.h"
#include "view/TestMode.h"

#include <algorithm>

void CToolInput::PushSnapshot()
{
    m_view.m_undo.Push(m_view.GetLevel());
}

void CToolInput::OnLeftButtonDown(CPoint point)
{
    m_view.m_dragCancelled = false;
    if (m_view.IsTestMode())
        return;
    CBlockCommands blocks(m_view);
    if (m_view.GetGeometry().GetLevelArea().PtInRect(point)) {
        PushSnapshot();
        m_view.m_buttonDown = true;
        m_view.grabMouse();
        m_view.m_dragStart = point;
        m_view.m_dragCurrent = point;
    } else if (m_view.GetBackBox().PtInRect(point)) {
        blocks.OnRotateBack();
    } else if (m_view.GetFrontBox().PtInRect(point)) {
        blocks.OnRotateFront();
    } else if (m_view.GetBlockBox().PtInRect(point)) {
        blocks.OnRotateBlock();
    } else {
        OnPaletteClick(point);
    }
}

void CToolInput::OnPaletteClick(CPoint point)
{
    const auto& shapes = m_view.GetShapePalette();
    const auto shape = std::find_if(shapes.begin(), shapes.end(),
                                    [point](const CPaletteItem& item) { return item.HitTest(point); });
    if (shape != shapes.end())
        m_view.SelectShape(static_cast<int>(shape - shapes.begin()));
    for (const CPaletteItem& item : m_view.GetMaterialPalette())
        if (item.HitTest(point))
            CBlockCommands(m_view).SetBackKind(item.GetBlock().GetBackKind());
}

void CToolInput::OnMouseMove(CPoint point, bool leftHeld)
{
    if (m_view.IsTestMode())
        return;
    const CViewGeometry geometry = m_view.GetGeometry();
    if (m_view.m_buttonDown)
        point = geometry.ClampToLevelArea(point);
    const Qt::CursorShape cursor = geometry.GetLevelArea().PtInRect(point) ? Qt::CrossCursor : Qt::ArrowCursor;
    if (m_view.cursor().shape() != cursor)
        m_view.setCursor(cursor);
    if (!leftHeld || !m_view.m_buttonDown)
        return;

    CPoint previous = m_view.m_dragCurrent;
    m_view.m_dragCurrent = point;
    if (m_view.m_dragMoved == 0) {
        m_view.m_dragStart = point;
        previous = point;
        m_view.m_dragMoved = 1;
    }
    switch (m_view.GetTool()) {
    case ToolLine:
    case ToolRectangle:
    case ToolFrame:
        m_view.InvalidateRect(geometry.GetRubberBandRect(m_view.m_dragStart, point, previous), false);
        break;
    case ToolPlot:
        CDrawingTools(m_view).PlotWhileMoving(point);
        break;
    case ToolFill:
    case ToolSetBall:
        break;
    }
}

bool CToolInput::OnLeftButtonUp(CPoint point, bool shift)
{
    const bool moved = m_view.m_dragMoved != 0;
    m_view.m_dragMoved = 0;
    if (m_view.m_dragCancelled) {
        m_view.m_dragCancelled = false;
        return false;
    }
    if (m_view.IsTestMode())
        return true;
    const CViewGeometry geometry = m_view.GetGeometry();
    if (m_view.m_buttonDown)
        point = geometry.ClampToLevelArea(point);
    const CPoint previous = m_view.m_dragCurrent;
    m_view.m_dragCurrent = point;
    if (!m_view.m_buttonDown)
        return true;
    m_view.m_buttonDown = false;
    m_view.releaseMouse();
    // The rubber band disappears with the drag, whatever the tool does now.
    if (moved)
        m_view.InvalidateRect(geometry.GetRubberBandRect(m_view.m_dragStart, point, previous), false);
    CDrawingTools(m_view).Release(point, shift);
    return true;
}

void CToolInput::CancelDrag()
{
    if (!m_view.m_buttonDown)
        return;
    m_view.m_buttonDown = false;
    m_view.m_dragMoved = 0;
    m_view.m_dragCancelled = true;
    if (QWidget::mouseGrabber() == &m_view)
        m_view.releaseMouse();
    // The rubber band, as it was last drawn, gives way to the level picture.
    m_view.InvalidateRect(m_view.GetGeometry().WidenedToCells(m_view.m_dragStart, m_view.m_dragCurrent), false);
}

void CToolInput::OnRightButtonUp(CPoint point, bool ctrl, bool shift)
{
    if (m_view.IsTestMode())
        return;
    CBlockCommands blocks(m_view);
    if (m_view.GetBackBox().PtInRect(point)) {
        blocks.OnResetBackRotation();
        return;
    }
    if (m_view.GetFrontBox().PtInRect(point)) {
        blocks.OnResetFrontRotation();
        return;
    }
    const CViewGeometry geometry = m_view.GetGeometry();
    CPoint cell;
    if (!geometry.CellFromPoint(point, &cell)) {
        for (const CPaletteItem& item : m_view.GetMaterialPalette())
            if (item.HitTest(point))
                blocks.SetFrontKind(item.GetBlock().GetBackKind());
        return;
    }
    CLevel& level = m_view.GetLevel();
    if (ctrl) {
        PushSnapshot();
        level.RotateBlock(cell.x, cell.y, shift);
        m_view.RebuildLevelBitmap();
        m_view.InvalidateRect(geometry.CellRect(cell.x, cell.y, cell.x, cell.y), false);
    } else {
        // Picking: the shape palette's mark stays where it was.
        blocks.PickBlock(level.GetBlock(cell.x, cell.y));
    }
}

bool CToolInput::OnKeyUp(int key)
{
    switch (key) {
    case Qt::Key_Left:
        ShiftLevel(-1, 0);
        return true;
    case Qt::Key_Up:
        ShiftLevel(0, -1);
        return true;
    case Qt::Key_Right:
        ShiftLevel(1, 0);
        return true;
    case Qt::Key_Down:
        ShiftLevel(0, 1);
        return true;
    default:
        return false;
    }
}

void CToolInput::ShiftLevel(int dx, int dy)
{
    // Also in test mode: the ball is stopped before its level moves, then starts over on it.
    m_view.StopBallBeforeLevelChange();
    PushSnapshot();
    m_view.GetLevel().Shift(dx, dy);
    m_view.RebuildLevelBitmap();
    m_view.InvalidateLevelArea();
    CTestMode(m_view).OnLevelChanged();
}
