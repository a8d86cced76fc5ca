#include "view/EditOverlay.h"

#include "edit/EditingSession.h"
#include "render/DeviceContext.h"
#include "render/SlopeArrow.h"
#include "sim/Ball.h"

namespace {

void DrawMaterialSwatch(CDeviceContext& dc, int kind, int rotation, const CRect& box)
{
    // The flat base colour of the kind, with an arrow for its slope.
    CBlock swatch;
    swatch.Set(Solid, 0, kind, -1, -1, -1);
    swatch.Draw(dc, box.left, box.top, box.Width());
    DrawSlopeArrow(dc, (box.left + box.right) / 2, (box.top + box.bottom) / 2, box.Width() / 2.2, rotation);
}

void DrawBallStart(CDeviceContext& dc, const CEditingSession& session)
{
    // A ball of its own at the level's start position, at full brightness.
    const CLevel& level = session.GetLevel();
    CBall marker(0);
    marker.SetCellSize(session.GetCellSize());
    marker.SetOriginX(CEditingSession::kOrigin.x);
    marker.SetOriginY(CEditingSession::kOrigin.y);
    marker.SetX(level.GetBallX());
    marker.SetY(level.GetBallY());
    marker.Draw(dc, false);
}

void DrawRubberBand(CDeviceContext& dc, const CEditingSession& session)
{
    const CDrag& drag = session.GetDrag();
    if (!drag.IsActive())
        return;
    const CPen red = CPen::MakeSolid(MakeRgb(255, 0, 0));
    const CPen* oldPen = dc.SelectPen(&red);
    const CBrush* oldBrush = dc.SelectBrush(&CBrush::Null());
    const EditTool tool = session.GetTool();
    if (tool == ToolRectangle || tool == ToolFrame) {
        const CRect r = session.GetGeometry().WidenedToCells(drag.GetStart(), drag.GetCurrent());
        dc.Rectangle(r.left, r.top, r.right, r.bottom);
    } else if (tool == ToolLine) {
        dc.MoveTo(drag.GetStart().x, drag.GetStart().y);
        dc.LineTo(drag.GetCurrent().x, drag.GetCurrent().y);
    }
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

} // namespace

void DrawEditOverlay(CDeviceContext& dc, const CEditingSession& session)
{
    const CBlock& block = session.GetCurrentBlock();
    const CRect& blockBox = CPalettes::kBlockBox;
    block.Draw(dc, blockBox.left, blockBox.top, blockBox.Width() - 1);
    for (const CPaletteItem& item : session.GetPalettes().GetShapes())
        item.Draw(dc);
    for (const CPaletteItem& item : session.GetPalettes().GetMaterials())
        item.Draw(dc);

    DrawMaterialSwatch(dc, block.GetFrontKind(), block.GetFrontRotation(), CPalettes::kFrontBox);
    DrawMaterialSwatch(dc, block.GetBackKind(), block.GetBackRotation(), CPalettes::kBackBox);

    DrawBallStart(dc, session);
    DrawRubberBand(dc, session);
}
