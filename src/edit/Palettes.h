#pragma once
#include "render/PaletteItem.h"
#include "render/Rect.h"

#include <vector>

// Where the user chooses the block the tools paint with, above the level: the shape palette, the
// material palette, and the samples of the current block and of its back and front materials.
// Positions are client pixels and fixed.
class CPalettes {
public:
    static constexpr CRect kBlockBox{30, 10, 60, 40};
    static constexpr CRect kBackBox{10, 10, 23, 23};
    static constexpr CRect kFrontBox{10, 26, 23, 38};
    // The three samples, right and bottom each grown by one.
    static constexpr CRect kCurrentBlockArea{10, 10, 61, 41};

    // Five shapes in the order of the shape table, six materials; the Solid shape and every
    // material marked.
    CPalettes();

    const std::vector<CPaletteItem>& GetShapes() const { return m_shapes; }
    const std::vector<CPaletteItem>& GetMaterials() const { return m_materials; }
    // What lies under a client point: a sample of the current block, a shape item (value: its
    // shape), a material item (value: its kind), or nothing.
    struct CSpot {
        enum Kind { None, BackSample, FrontSample, BlockSample, ShapeItem, MaterialItem };
        Kind kind = None;
        int value = -1;
    };
    CSpot FindSpot(CPoint point) const;
    // The index of the first shape item under the point, or -1.
    int FindShape(CPoint point) const;
    // The kind of the material item under the point, or -1.
    int FindMaterial(CPoint point) const;
    // Moves the shape mark to the item (an index of GetShapes).
    void MarkShape(int index);
    // From the first shape item to the last.
    CRect GetShapeSpan() const;

private:
    std::vector<CPaletteItem> m_shapes;
    std::vector<CPaletteItem> m_materials;
};
