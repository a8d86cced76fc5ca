#include "render/PaletteItem.h"

#include "render/DeviceContext.h"

void CPaletteItem::Draw(CDeviceContext& dc) const
{
    m_block.Draw(dc, m_rect.left, m_rect.top, m_rect.Width());
    if (!m_selected)
        return;
    const CPen frame = CPen::MakeSolid(MakeRgb(0, 0, 0));
    const CPen* previousPen = dc.SelectPen(&frame);
    const CBrush* previousBrush = dc.SelectBrush(&CBrush::Null());
    dc.Rectangle(m_rect.left, m_rect.top, m_rect.right, m_rect.bottom);
    dc.SelectBrush(previousBrush);
    dc.SelectPen(previousPen);
}
