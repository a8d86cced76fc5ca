#include "edit/EditingSession.h"

#include "edit/DrawingTools.h"
#include "file/Archive.h"
#include "random/RandomLevelGenerator.h"

CEditingSession::CEditingSession()
{
    m_currentBlock.Set(Solid, 0, Grass, NoSlope, Wall, NoSlope);
}

// Reporting -----------------------------------------------------------------------------------

void CEditingSession::BeforeLevelChange()
{
    if (m_listener)
        m_listener->BeforeLevelChange();
}

void CEditingSession::Report(const CEditChange& change)
{
    if (m_listener)
        m_listener->OnEditChange(change);
}

void CEditingSession::Report(const std::optional<CEditChange>& change)
{
    if (change)
        Report(*change);
}

void CEditingSession::LevelReplaced()
{
    SetClientSize(m_clientWidth, m_clientHeight);
    Report(CEditChange::Of(CEditChange::LevelReplaced));
}

void CEditingSession::CurrentBlockChanged(bool shapeMarkMoved)
{
    Report(CEditChange::Of(CEditChange::CurrentBlockChanged, shapeMarkMoved));
}

// Geometry ------------------------------------------------------------------------------------

void CEditingSession::SetClientSize(int width, int height)
{
    m_clientWidth = width;
    m_clientHeight = height;
    m_cellSize = CViewGeometry::FitCellSize(width, height, kOrigin, m_level.GetWidth(), m_level.GetHeight());
}

CViewGeometry CEditingSession::GetGeometry() const
{
    return {kOrigin, m_cellSize, m_level.GetWidth(), m_level.GetHeight()};
}

// Pointer input -------------------------------------------------------------------------------

CInputReply CEditingSession::LeftButtonDown(CPoint point, bool shift)
{
    m_drag.TakeCancelled();
    if (m_testMode)
        return {};
    CInputReply reply;
    if (GetGeometry().GetLevelArea().PtInRect(point)) {
        // Recorded before anything changes, even when the release changes nothing.
        PushSnapshot();
        m_drag.Start(point);
        reply.mouse = CInputReply::Mouse::Grab;
    } else if (CPalettes::kBackBox.PtInRect(point)) {
        RunBlockCommand(BlockCommand::RotateBack, shift);
    } else if (CPalettes::kFrontBox.PtInRect(point)) {
        RunBlockCommand(BlockCommand::RotateFront, shift);
    } else if (CPalettes::kBlockBox.PtInRect(point)) {
        RunBlockCommand(BlockCommand::RotateBlock, shift);
    } else {
        PaletteClick(point);
    }
    return reply;
}

void CEditingSession::PaletteClick(CPoint point)
{
    if (const int shape = m_palettes.FindShape(point); shape >= 0)
        SelectShape(shape);
    if (const int kind = m_palettes.FindMaterial(point); kind >= 0)
        SetBackKind(kind);
}

CInputReply CEditingSession::MouseMove(CPoint point, bool leftHeld)
{
    if (m_testMode)
        return {};
    const CViewGeometry geometry = GetGeometry();
    if (m_drag.IsActive())
        point = geometry.ClampToLevelArea(point);
    CInputReply reply;
    reply.cursor = geometry.GetLevelArea().PtInRect(point) ? CInputReply::Cursor::Cross : CInputReply::Cursor::Arrow;
    if (!leftHeld || !m_drag.IsActive())
        return reply;
    const CRect rubberBand = m_drag.Move(point, geometry);
    switch (m_tool) {
    case ToolLine:
    case ToolRectangle:
    case ToolFrame:
        reply.repaint = rubberBand;
        break;
    case ToolPlot:
        Report(CDrawingTools(m_level, geometry, m_currentBlock).PlotWhileMoving(point));
        break;
    case ToolFill:
    case ToolSetBall:
        break;
    }
    return reply;
}

CInputReply CEditingSession::LeftButtonUp(CPoint point, bool shift)
{
    const bool moved = m_drag.TakeMoved();
    CInputReply reply;
    // The release of a cancelled drag neither draws nor shoots.
    if (m_drag.TakeCancelled())
        return reply;
    if (m_testMode) {
        reply.shoot = true;
        return reply;
    }
    if (!m_drag.IsActive())
        return reply;
    const CViewGeometry geometry = GetGeometry();
    point = geometry.ClampToLevelArea(point);
    const CPoint start = m_drag.GetStart();
    reply.mouse = CInputReply::Mouse::Release;
    // The rubber band disappears with the drag, whatever the tool does now.
    reply.repaint = m_drag.Finish(point, moved, geometry);
    Report(CDrawingTools(m_level, geometry, m_currentBlock).Release(m_tool, start, point, shift));
    return reply;
}

CInputReply CEditingSession::CancelDrag()
{
    CInputReply reply;
    if (!m_drag.IsActive())
        return reply;
    reply.mouse = CInputReply::Mouse::Release;
    // The rubber band, as it was last drawn, gives way to the level picture.
    reply.repaint = m_drag.Cancel(GetGeometry());
    return reply;
}

void CEditingSession::RightButtonUp(CPoint point, bool ctrl, bool shift)
{
    if (m_testMode)
        return;
    if (CPalettes::kBackBox.PtInRect(point)) {
        RunBlockCommand(BlockCommand::ResetBackRotation, shift);
        return;
    }
    if (CPalettes::kFrontBox.PtInRect(point)) {
        RunBlockCommand(BlockCommand::ResetFrontRotation, shift);
        return;
    }
    CPoint cell;
    if (!GetGeometry().CellFromPoint(point, &cell)) {
        if (const int kind = m_palettes.FindMaterial(point); kind >= 0)
            SetFrontKind(kind);
        return;
    }
    if (ctrl) {
        PushSnapshot();
        m_level.RotateBlock(cell.x, cell.y, shift);
        Report(CEditChange::Cells(cell.x, cell.y, cell.x + 1, cell.y + 1));
    } else {
        // Picking: the shape palette's mark stays where it was.
        m_currentBlock = m_level.GetBlock(cell.x, cell.y);
        CurrentBlockChanged();
    }
}

// The current block ----------------------------------------------------------------------------

void CEditingSession::RunBlockCommand(BlockCommand command, bool shift)
{
    ::RunBlockCommand(command, m_currentBlock, shift);
    CurrentBlockChanged();
}

void CEditingSession::SelectShape(int index)
{
    const auto& shapes = m_palettes.GetShapes();
    if (index < 0 || index >= static_cast<int>(shapes.size()))
        return;
    m_currentBlock.Set(shapes[index].GetBlock().GetShape(), -1, -1, -1, -1, -1);
    m_palettes.MarkShape(index);
    CurrentBlockChanged(true);
}

void CEditingSession::SetBackKind(int kind)
{
    m_currentBlock.Set(-1, -1, kind, -1, -1, -1);
    CurrentBlockChanged();
}

void CEditingSession::SetFrontKind(int kind)
{
    m_currentBlock.Set(-1, -1, -1, -1, kind, -1);
    CurrentBlockChanged();
}

// The level ------------------------------------------------------------------------------------

void CEditingSession::Undo()
{
    BeforeLevelChange();
    m_level = m_undo.Undo();
    LevelReplaced();
}

void CEditingSession::Transform(void (CLevel::*transform)())
{
    if (m_testMode)
        return;
    BeforeLevelChange();
    PushSnapshot();
    (m_level.*transform)();
    LevelReplaced();
}

void CEditingSession::RotateLevel()
{
    Transform(&CLevel::Rotate90);
}

void CEditingSession::FlipHorizontal()
{
    Transform(&CLevel::FlipHorizontal);
}

void CEditingSession::FlipVertical()
{
    Transform(&CLevel::FlipVertical);
}

void CEditingSession::MakeFit()
{
    BeforeLevelChange();
    PushSnapshot();
    if (m_level.MakeFit())
        LevelReplaced();
}

void CEditingSession::SetProperties(int width, int height, const std::string& creator, const std::string& name)
{
    BeforeLevelChange();
    m_level.Resize(width, height);
    m_level.SetCreator(creator);
    m_level.SetName(name);
    LevelReplaced();
}

void CEditingSession::CreateRandomLevel()
{
    if (m_testMode)
        return;
    CRandomLevelGenerator generator;
    generator.Generate();
    BeforeLevelChange();
    // The whole level, its modified flag included: every block placed has set it.
    m_level = generator.GetLevel();
    LevelReplaced();
}

void CEditingSession::ShiftLevel(int dx, int dy)
{
    BeforeLevelChange();
    PushSnapshot();
    m_level.Shift(dx, dy);
    Report(CEditChange::Cells(0, 0, m_level.GetWidth(), m_level.GetHeight()));
}

void CEditingSession::ReplaceLevel(const CLevel& level)
{
    BeforeLevelChange();
    m_level = level;
    m_drag.TakeMoved();
    LevelReplaced();
}

bool CEditingSession::StoreLevel(CArchive& archive)
{
    return m_level.Store(archive);
}
