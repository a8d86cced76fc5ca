#include "edit/Palettes.h"

#include "model/Material.h"

namespace {

// The shape palette's order: the order of the shape table.
constexpr int kPaletteShapes[] = {Solid, Circle, QuarterDisc, Triangle, HalfDisc};

int FindItem(const std::vector<CPaletteItem>& items, CPoint point)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].HitTest(point))
            return static_cast<int>(i);
    return -1;
}

} // namespace

CPalettes::CPalettes()
{
    CBlock sample;
    for (int i = 0; i < 5; ++i) {
        sample.Set(kPaletteShapes[i], 0, Grass, NoSlope, Wall, NoSlope);
        m_shapes.emplace_back(CRect{70 + 50 * i, 5, 110 + 50 * i, 45}, sample);
    }
    for (int kind = Grass; kind <= Water; ++kind) {
        sample.Set(Solid, 0, kind, NoSlope, Wall, NoSlope);
        m_materials.emplace_back(CRect{330 + 50 * kind, 5, 370 + 50 * kind, 45}, sample);
        m_materials.back().SetSelected(true);
    }
    m_shapes.front().SetSelected(true);
}

CPalettes::CSpot CPalettes::FindSpot(CPoint point) const
{
    if (kBackBox.PtInRect(point))
        return {CSpot::BackSample};
    if (kFrontBox.PtInRect(point))
        return {CSpot::FrontSample};
    if (kBlockBox.PtInRect(point))
        return {CSpot::BlockSample};
    if (const int index = FindShape(point); index >= 0)
        return {CSpot::ShapeItem, m_shapes[index].GetBlock().GetShape()};
    if (const int kind = FindMaterial(point); kind >= 0)
        return {CSpot::MaterialItem, kind};
    return {};
}

int CPalettes::FindShape(CPoint point) const
{
    return FindItem(m_shapes, point);
}

int CPalettes::FindMaterial(CPoint point) const
{
    const int index = FindItem(m_materials, point);
    return index < 0 ? -1 : m_materials[index].GetBlock().GetBackKind();
}

void CPalettes::MarkShape(int index)
{
    for (std::size_t i = 0; i < m_shapes.size(); ++i)
        m_shapes[i].SetSelected(static_cast<int>(i) == index);
}

CRect CPalettes::GetShapeSpan() const
{
    const CRect& first = m_shapes.front().GetRect();
    const CRect& last = m_shapes.back().GetRect();
    return {first.left, first.top, last.right, last.bottom};
}
