#pragma once
#include "model/Block.h"
#include "render/Rect.h"

class CDeviceContext;

// One item of the view's shape or material palette: a sample block shown in a pixel rectangle,
// framed when selected.
class CPaletteItem {
public:
    CPaletteItem() = default;
    CPaletteItem(const CRect& rect, const CBlock& block) : m_rect(rect), m_block(block) {}
    virtual ~CPaletteItem() = default;
    CPaletteItem(const CPaletteItem&) = default;
    CPaletteItem& operator=(const CPaletteItem&) = default;

    const CRect& GetRect() const { return m_rect; }
    const CBlock& GetBlock() const { return m_block; }
    void SetBlock(const CBlock& block) { m_block = block; }
    bool IsSelected() const { return m_selected; }
    void SetSelected(bool selected) { m_selected = selected; }

    // Left and top edges inside, right and bottom outside.
    bool HitTest(CPoint point) const { return m_rect.PtInRect(point); }
    // The block in the rectangle (its width is the block's size) and, when selected, a black
    // one-pixel frame on the rectangle's outermost pixels.
    void Draw(CDeviceContext& dc) const;

private:
    CRect m_rect;
    CBlock m_block;
    bool m_selected = false;
};
