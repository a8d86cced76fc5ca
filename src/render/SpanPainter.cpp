#include "render/SpanPainter.h"

#include "render/RasterImage.h"

#include <algorithm>
#include <bit>

CSpanPainter::CSpanPainter(const CBrush& brush, Colour background)
{
    switch (brush.GetStyle()) {
    case CBrush::Style::Null:
        return;
    case CBrush::Style::Solid:
        m_mode = Mode::Solid;
        m_solid = CRasterImage::kOpaque | brush.GetColour();
        return;
    case CBrush::Style::Hatched:
        m_mode = Mode::Hatched;
        m_solid = CRasterImage::kOpaque | brush.GetColour();
        m_gap = CRasterImage::kOpaque | background;
        m_masks = GetHatchMasks(brush.GetHatch());
        return;
    case CBrush::Style::Pattern:
        m_mode = Mode::Pattern;
        m_tile = &brush.GetTile();
        return;
    }
}

std::array<std::uint8_t, 8> CSpanPainter::GetHatchMasks(int hatch)
{
    switch (hatch) {
    case HatchVertical:
        return {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08};
    case HatchForwardDiagonal:
        return {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
    case HatchBackwardDiagonal:
        return {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
    default:
        return {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00};
    }
}

void CSpanPainter::Fill(std::uint32_t* row, int y, int x0, int x1) const
{
    switch (m_mode) {
    case Mode::Null:
        return;
    case Mode::Solid:
        std::fill(row + x0, row + x1, m_solid);
        return;
    case Mode::Hatched: {
        const unsigned mask = m_masks[y & 7];
        if (mask == 0xFF) {
            std::fill(row + x0, row + x1, m_solid);
            return;
        }
        std::fill(row + x0, row + x1, m_gap);
        if (mask == 0)
            return;
        // Every hatch row other than full or empty has one line pixel in 8 (GetHatchMasks):
        // the first at or after x0 with the mask's phase, then every eighth.
        const int phase = 7 - std::countr_zero(mask);
        for (int x = x0 + ((phase - x0) & 7); x < x1; x += 8)
            row[x] = m_solid;
        return;
    }
    case Mode::Pattern: {
        const Colour* tileRow = m_tile->data() + (y & 7) * 8;
        for (int x = x0; x < x1; ++x)
            row[x] = CRasterImage::kOpaque | tileRow[x & 7];
        return;
    }
    }
}
